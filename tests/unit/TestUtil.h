// Shared helpers of the unit tests: an independent model of the
// tri-dimensional geometry (projected cells, the link order of the direction
// lists, rays with gap continuations, the reaches they imply) and checks of a
// position's piece-list bookkeeping. Expected values in the tests come from
// here, never from the code under test.
#pragma once

#include "board/board.h"
#include "hash/hash.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vt {

// A fatal Panic exits with 420, which a POSIX parent sees modulo 256.
inline constexpr int kPanicExit = 420 & 0xFF;

// ---------------------------------------------------------------- names
inline std::string Sq(unsigned sq) {
    if (sq > 63) return "#" + std::to_string(sq);
    std::string s;
    s += char('A' + (sq >> 3));
    s += char('1' + (sq & 7));
    return s;
}

// ---------------------------------------------------------------- directions
struct DirInfo {
    int value;
    int df, dr;  // projected file and rank step
    const char* name;
};

// Table order: n, nne, ne, ene, e, ese, se, sse, s, ssw, sw, wsw, w, wnw, nw, nnw.
// The opposite of entry i is entry (i + 8) % 16.
inline const DirInfo kDirs[16] = {
    {1, 0, 1, "NORTH"},        {10, 1, 2, "N_N_E"},  {9, 1, 1, "NORTH_EAST"},
    {17, 2, 1, "E_N_E"},       {8, 1, 0, "EAST"},    {15, 2, -1, "E_S_E"},
    {7, 1, -1, "SOUTH_EAST"},  {6, 1, -2, "S_S_E"},  {-1, 0, -1, "SOUTH"},
    {-10, -1, -2, "S_S_W"},    {-9, -1, -1, "SOUTH_WEST"}, {-17, -2, -1, "W_S_W"},
    {-8, -1, 0, "WEST"},       {-15, -2, 1, "W_N_W"}, {-7, -1, 1, "NORTH_WEST"},
    {-6, -1, 2, "N_N_W"}};

enum { DI_N = 0, DI_NNE, DI_NE, DI_ENE, DI_E, DI_ESE, DI_SE, DI_SSE,
       DI_S, DI_SSW, DI_SW, DI_WSW, DI_W, DI_WNW, DI_NW, DI_NNW };

inline int Opposite(int di) { return (di + 8) % 16; }

// ---------------------------------------------------------------- pins and boards
struct PinInfo {
    int pin;
    const char* name;
    int file0, rank0;  // lower-left projected cell covered
    int level;
};

inline const PinInfo kPins[12] = {
    {32, "QL1", 0, 0, 3}, {35, "QL2", 0, 4, 3}, {2, "QL3", 0, 2, 5},
    {5, "QL4", 0, 6, 5},  {36, "QL5", 0, 4, 7}, {39, "QL6", 0, 8, 7},
    {56, "KL1", 4, 0, 3}, {59, "KL2", 4, 4, 3}, {26, "KL3", 4, 2, 5},
    {29, "KL4", 4, 6, 5}, {60, "KL5", 4, 4, 7}, {63, "KL6", 4, 8, 7}};

inline const PinInfo* FindPin(int pin) {
    for (const PinInfo& p : kPins)
        if (p.pin == pin) return &p;
    return nullptr;
}

inline const int kBase[4] = {0, 6, 16, 22};  // A1, A7, C1, C7

// Board index of an attack-board cell (columns A..D, rows 1-2 and 7-8), -1 for
// a fixed-level cell.
inline int BoardOf(int sq) {
    int col = sq >> 3, row = sq & 7;
    if (col >= 4 || (row >= 2 && row <= 5)) return -1;
    return (col >= 2 ? 2 : 0) + (row >= 6 ? 1 : 0);
}

inline std::string PinsStr(const int pins[4]) {
    std::ostringstream o;
    o << "QLW@" << FindPin(pins[0])->name << " QLB@" << FindPin(pins[1])->name
      << " KLW@" << FindPin(pins[2])->name << " KLB@" << FindPin(pins[3])->name;
    return o.str();
}

// ---------------------------------------------------------------- geometry model
struct Cell {
    int file, rank, level;
};

struct List {
    int n = 0;
    int t[8];
    void Add(int sq) {
        if (n < 8) t[n] = sq;
        ++n;
    }
};

// One configuration of the tri-dimensional board, worked out from the level
// and pin tables: where each cell lies, the direction lists in the order the
// table builder adds links, and the line relation between cells.
class Geometry {
public:
    explicit Geometry(const int pins[4]) {
        std::memcpy(pins_, pins, sizeof pins_);
        std::memset(at_, 0, sizeof at_);
        for (int sq = 0; sq < 64; ++sq) {
            int col = sq >> 3, row = sq & 7;
            Cell& c = cell_[sq];
            int bi = BoardOf(sq);
            if (bi < 0) {
                if (col >= 4) c = {col - 3, row + 1, row < 4 ? 2 : 6};
                else c = {col + 1, row + 1, 4};
            } else {
                const PinInfo* p = FindPin(pins_[bi]);
                int base = kBase[bi];
                c = {p->file0 + (col - (base >> 3)), p->rank0 + (row - (base & 7)), p->level};
            }
            at_[c.file][c.rank] |= uint64_t(1) << sq;
        }
        BuildLists();
        BuildLines();
    }

    const Cell& CellOf(int sq) const { return cell_[sq]; }
    const List& Targets(int di, int sq) const { return lists_[di][sq]; }
    signed char Line(int a, int b) const { return line_[a][b]; }
    bool model_ok() const { return model_ok_; }
    const std::string& model_error() const { return model_error_; }

    // Squares at a projected cell; 0 off the 6 x 10 projection.
    uint64_t At(int file, int rank) const {
        if (file < 0 || file > 5 || rank < 0 || rank > 9) return 0;
        return at_[file][rank];
    }
    uint64_t StepMask(int di, int sq) const {
        const Cell& c = cell_[sq];
        return At(c.file + kDirs[di].df, c.rank + kDirs[di].dr);
    }

    // Board index standing at a pin, -1 when the pin is free.
    int BoardAt(int pin) const {
        for (int i = 0; i < 4; ++i)
            if (pins_[i] == pin) return i;
        return -1;
    }

    // Every (plane, from, to) reach this configuration puts into the reach
    // map, encoded plane << 12 | from << 6 | to.
    std::vector<uint32_t> Reaches() const {
        std::vector<uint32_t> out;
        auto put = [&](int p, int s, int t) { out.push_back(uint32_t((p + 6) << 12 | s << 6 | t)); };
        for (int s = 0; s < 64; ++s) {
            for (int di = 0; di < 16; ++di) {
                const List& l = lists_[di][s];
                for (int k = 0; k < l.n && k < 8; ++k) {
                    int t = l.t[k];
                    if (di & 1) {  // the odd table places are the knight leaps
                        put(W_KNIGHT, s, t);
                        put(B_KNIGHT, s, t);
                        continue;
                    }
                    put(W_KING, s, t);
                    put(B_KING, s, t);
                    if (di == DI_NW || di == DI_NE) put(W_PAWN, s, t);
                    if (di == DI_SW || di == DI_SE) put(B_PAWN, s, t);
                }
            }
            for (int di : {DI_E, DI_N, DI_NE, DI_SE}) {
                uint64_t r = reach_[di][s];
                for (int t = 0; t < 64; ++t) {
                    if (!(r >> t & 1)) continue;
                    // A line is walked both ways: the reach is symmetric.
                    for (auto [a, z] : {std::pair<int, int>{s, t}, {t, s}}) {
                        if (di == DI_E || di == DI_N) {
                            put(W_ROOK, a, z);
                            put(B_ROOK, a, z);
                        } else {
                            put(W_BISHOP, a, z);
                            put(B_BISHOP, a, z);
                        }
                        put(W_QUEEN, a, z);
                        put(B_QUEEN, a, z);
                    }
                }
            }
        }
        return out;
    }

private:
    void Fail(const std::string& why) {
        if (model_ok_) model_error_ = why;
        model_ok_ = false;
    }

    bool IsFixed(int sq) const { return BoardOf(sq) < 0; }
    bool IsSideLevel(int sq) const { return IsFixed(sq) && cell_[sq].level != 4; }

    // The fixed-level square of the wanted kind at x's cell plus the step.
    int FixedTarget(int di, int x, bool side_level) const {
        uint64_t m = StepMask(di, x);
        for (int t = 63; t >= 0; --t)
            if ((m >> t & 1) && IsFixed(t) && (cell_[t].level != 4) == side_level) return t;
        return -1;
    }

    void Link(int di, int from, int to) {
        lists_[di][from].Add(to);
        lists_[Opposite(di)][to].Add(from);
    }

    void BuildLists() {
        // Fixed-level lists: every fixed target, descending index.
        for (int s = 0; s < 64; ++s) {
            if (!IsFixed(s)) continue;
            for (int di = 0; di < 16; ++di) {
                uint64_t m = StepMask(di, s);
                for (int t = 63; t >= 0; --t)
                    if ((m >> t & 1) && IsFixed(t)) lists_[di][s].Add(t);
            }
        }
        for (int o = 0; o < 4; ++o) {
            int a = kBase[o] + 1, b = kBase[o] + 9, c = kBase[o], d = kBase[o] + 8;
            for (int di = 0; di < 16; ++di) {
                const int rows[2][2] = {{a, b}, {c, d}};
                for (const auto& row : rows)
                    for (bool side : {true, false})
                        for (int x : row) {
                            int t = FixedTarget(di, x, side);
                            if (t >= 0) Link(di, x, t);
                        }
            }
            const PinInfo* po = FindPin(pins_[o]);
            for (int i = 0; i < 4; ++i) {
                const PinInfo* pi = FindPin(pins_[i]);
                int ia = kBase[i] + 1, ib = kBase[i] + 9, ic = kBase[i], id = kBase[i] + 8;
                bool same_side = po->file0 == pi->file0;
                if (i == o || (same_side && pi->rank0 == po->rank0)) {
                    Link(DI_N, c, ia);
                    Link(DI_N, d, ib);
                    Link(DI_NE, c, ib);
                    Link(DI_E, a, ib);
                    Link(DI_E, c, id);
                    Link(DI_SE, a, id);
                } else if (same_side && pi->rank0 == po->rank0 + 2) {
                    Link(DI_N, a, ic);
                    Link(DI_N, b, id);
                    Link(DI_NNE, a, ib);
                    Link(DI_NNE, c, id);
                    Link(DI_NE, a, id);
                    Link(DI_NW, b, ic);
                    Link(DI_NNW, b, ia);
                    Link(DI_NNW, d, ic);
                }
            }
        }
        // The model must itself give exactly the cells at the step.
        for (int di = 0; di < 16; ++di)
            for (int s = 0; s < 64; ++s) {
                const List& l = lists_[di][s];
                uint64_t got = 0;
                for (int k = 0; k < l.n && k < 8; ++k) got |= uint64_t(1) << l.t[k];
                if (l.n > 4 || got != StepMask(di, s) || __builtin_popcountll(got) != l.n)
                    Fail("model list " + std::string(kDirs[di].name) + " from " + Sq(s));
            }
    }

    uint64_t Ordinary(int di, int x) const {
        uint64_t m = 0;
        const List& l = lists_[di][x];
        for (int k = 0; k < l.n && k < 8; ++k) m |= uint64_t(1) << l.t[k];
        return m;
    }

    // The look-up extended across empty cells along the outer files and ranks.
    uint64_t Continued(int di, int x) const {
        uint64_t m = Ordinary(di, x);
        if (m) return m;
        int bi = BoardOf(x);
        if (bi < 0) return 0;
        const PinInfo* p = FindPin(pins_[bi]);
        int base = kBase[bi];
        if (di == DI_N) {
            bool queen_side = p->file0 == 0;
            if (x != (queen_side ? base + 1 : base + 9)) return 0;
            // Pins above, nearest first; the upper of the two middle pins wins.
            static const int q_order[5] = {2, 36, 35, 5, 39};
            static const int k_order[5] = {26, 60, 59, 29, 63};
            const int* order = queen_side ? q_order : k_order;
            for (int k = 0; k < 5; ++k) {
                if (FindPin(order[k])->rank0 <= p->rank0) continue;
                int nb = BoardAt(order[k]);
                if (nb >= 0) return uint64_t(1) << (queen_side ? kBase[nb] : kBase[nb] + 8);
            }
            return 0;
        }
        if (di == DI_E) {
            if (p->pin == ABW_QL6 && x == base + 9) {
                int nb = BoardAt(ABW_KL6);
                return nb < 0 ? 0 : uint64_t(1) << (kBase[nb] + 1);
            }
            if (p->pin == ABW_QL1 && x == base + 8) {
                int nb = BoardAt(ABW_KL1);
                return nb < 0 ? 0 : uint64_t(1) << kBase[nb];
            }
        }
        return 0;
    }

    void BuildLines() {
        std::memset(line_, 0, sizeof line_);
        for (int di : {DI_E, DI_N, DI_NE, DI_SE}) {
            for (int s = 0; s < 64; ++s) {
                uint64_t frontier = uint64_t(1) << s, reached = 0;
                for (int step = 1; step <= 10 && frontier; ++step) {
                    uint64_t next = 0;
                    for (int x = 0; x < 64; ++x)
                        if (frontier >> x & 1) next |= step <= 2 ? Continued(di, x) : Ordinary(di, x);
                    reached |= next;
                    frontier = next;
                }
                reached &= ~(uint64_t(1) << s);
                reach_[di][s] = reached;
                for (int t = 0; t < 64; ++t) {
                    if (!(reached >> t & 1)) continue;
                    int v = kDirs[di].value;
                    if ((line_[s][t] && line_[s][t] != v) || (line_[t][s] && line_[t][s] != -v))
                        Fail("model line conflict " + Sq(s) + "-" + Sq(t));
                    line_[s][t] = (signed char)v;
                    line_[t][s] = (signed char)-v;
                }
            }
        }
    }

    int pins_[4];
    Cell cell_[64];
    uint64_t at_[6][10];
    List lists_[16][64];
    uint64_t reach_[16][64] = {};
    signed char line_[64][64];
    bool model_ok_ = true;
    std::string model_error_;
};

// Line direction between two cells of the plain 8x8 board, 0 when none.
inline int PlainLine(int a, int b) {
    if (a == b) return 0;
    int dc = (b >> 3) - (a >> 3), dr = (b & 7) - (a & 7);
    int sc = dc > 0 ? 1 : dc < 0 ? -1 : 0, sr = dr > 0 ? 1 : dr < 0 ? -1 : 0;
    if (dc != 0 && dr != 0 && dc != dr && dc != -dr) return 0;
    return sc * 8 + sr;
}

// ---------------------------------------------------------------- positions
inline std::unique_ptr<POS_T> NewPos() { return std::unique_ptr<POS_T>(new POS_T()); }

inline void SetPins(POS_T* b, const int pins[4]) {
    for (int i = 0; i < 4; ++i) b->whereis_board[i] = ABWHERE_E(pins[i]);
}

inline void SetHomePins(POS_T* b) {
    const int home[4] = {ABW_QL1, ABW_QL6, ABW_KL1, ABW_KL6};
    SetPins(b, home);
}

// Material value of a piece kind 1..6, written down from the opening table.
inline ETYPE_T MaterialOf(int p) {
    static const ETYPE_T v[7] = {0, 10052, 40012, 41375, 60163, 119983, 800000};
    return v[p < 0 ? -p : p];
}

// The keys of a position rebuilt from its board and flags by the key rule.
inline void ExpectedKeys(const POS_T* b, uint32_t* h1, uint32_t* h2) {
    *h1 = 0;
    *h2 = 0;
    for (int sq = 0; sq < 64; ++sq) {
        int p = b->board[sq];
        if (!p) continue;
        *h1 ^= hash_c.hash_values.v1[p + 6][sq];
        *h2 ^= hash_c.hash_values.v2[p + 6][sq];
    }
    if (b->enpassant) *h1 ^= b->enpassant << 8;
    *h1 ^= (b->flags & 15) << 16;
    *h1 ^= b->move_num & 1;
    uint32_t k1, k2;
    AttackBoardKeys(b, &k1, &k2);  // where the boards stand
    *h1 ^= k1;
    *h2 ^= k2;
}

// Board, slot index, piece list, masks, keys and material agree; every piece
// of the board sits exactly once in its own colour's half of the list.
inline void ExpectConsistent(const POS_T* b, const std::string& where) {
    SCOPED_TRACE(where);
    uint32_t material = 0, pieces = 0;
    ETYPE_T wm = 0, bm = 0;
    for (int i = 0; i < 32; ++i) {
        const PS_T& s = b->pieces[i];
        if (!s.p) continue;
        material |= 1u << i;
        if (s.p != W_PAWN && s.p != B_PAWN) pieces |= 1u << i;
        EXPECT_EQ(s.p > 0, i < 16) << "slot " << i << " holds " << s.p;
        ASSERT_LT(s.pos, 64u) << "slot " << i;
        EXPECT_EQ(b->board[s.pos], s.p) << "slot " << i << " at " << Sq(s.pos);
        EXPECT_EQ(b->pboard[s.pos], i) << "slot " << i << " at " << Sq(s.pos);
        (s.p > 0 ? wm : bm) += MaterialOf(s.p);
    }
    for (int sq = 0; sq < 64; ++sq) {
        if (!b->board[sq]) {
            EXPECT_EQ(b->pboard[sq], 255) << Sq(sq);
            continue;
        }
        int slot = b->pboard[sq];
        ASSERT_LT(slot, 32) << Sq(sq);
        EXPECT_EQ(b->pieces[slot].pos, unsigned(sq)) << Sq(sq);
        EXPECT_EQ(b->pieces[slot].p, b->board[sq]) << Sq(sq);
    }
    EXPECT_EQ(b->material_mask, material);
    EXPECT_EQ(b->piece_mask, pieces);
    EXPECT_EQ(b->w_material, wm);
    EXPECT_EQ(b->b_material, bm);
    uint32_t h1, h2;
    ExpectedKeys(b, &h1, &h2);
    EXPECT_EQ(b->hash1, h1);
    EXPECT_EQ(b->hash2, h2);
}

}  // namespace vt
