// Helpers of the move tests: positions from text, moves as comparable keys, a
// move made square by square from the rules (the reference the move maker is
// held against), a comparison of a played position with its rebuild from the
// bare board, an independent model of the attack maps, and the driver of
// long random games.
#pragma once

#include "TestUtil.h"

#include "board/board.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace mt {

using vt::Sq;

inline const char* const kStart3d =
    "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb";
inline const char* const kStart2d = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// ---------------------------------------------------------------- positions
inline std::unique_ptr<POS_T> Load(const std::string& line, int rules = RULES_TDCL) {
    state.rules = rules;
    state.maxdepth = DIFF_HARD;
    std::unique_ptr<POS_T> b(new POS_T());
    int mode = 0;
    std::string err;
    if (!ParsePosition(line, b.get(), &mode, &err)) {
        ADD_FAILURE() << "cannot read position: " << line << ": " << err;
        return nullptr;
    }
    b->rules = rules;
    return b;
}

inline std::unique_ptr<POS_T> Copy(const POS_T* b) { return std::unique_ptr<POS_T>(new POS_T(*b)); }

inline std::string Text(POS_T* b) { return FormatPosition(b, state.dmode); }

inline bool IsBoardMove(const MOVE_T& m) { return m.piece_moving > 6 || m.piece_moving < -6; }

// ---------------------------------------------------------------- moves as keys
typedef std::tuple<int, unsigned, unsigned, char> MoveKey;  // piece, from, to, symbol
typedef std::set<MoveKey> MoveSet;

inline MoveKey Key(const MOVE_T& m) { return MoveKey(m.piece_moving, m.from, m.to, m.move_symbol); }

inline std::string Name(const MOVE_T& m) {
    std::ostringstream o;
    o << CoordinateMove(&m) << " '" << (m.move_symbol ? m.move_symbol : '0') << "' (piece " << m.piece_moving
      << ")";
    return o.str();
}

inline std::string Name(const MoveKey& k) {
    MOVE_T m{};
    InitMove(&m, std::get<0>(k), std::get<1>(k), std::get<2>(k), NO_VALUE, std::get<3>(k), 0);
    return Name(m);
}

inline std::string Names(const MoveSet& s) {
    std::string out;
    for (const MoveKey& k : s) out += (out.empty() ? "" : ", ") + Name(k);
    return out;
}

// What one set has that the other lacks, both ways, for failure messages.
inline std::string SetDiff(const MoveSet& got, const MoveSet& want) {
    MoveSet extra, missing;
    for (const MoveKey& k : got)
        if (!want.count(k)) extra.insert(k);
    for (const MoveKey& k : want)
        if (!got.count(k)) missing.insert(k);
    return "unexpected {" + Names(extra) + "} missing {" + Names(missing) + "}";
}

inline MOVE_T Move(int piece, SQ_T from, SQ_T to, char symbol) {
    MOVE_T m{};
    InitMove(&m, piece, from, to, NO_VALUE, symbol, 0);
    return m;
}

inline std::vector<MOVE_T> Generated(POS_T* b) {
    std::vector<MOVE_T> buf(MAX_MOVES);
    int n = GenerateMoves(b, buf.data());
    EXPECT_LE(n, MAX_MOVES);
    buf.resize(n < 0 ? 0 : n > MAX_MOVES ? MAX_MOVES : n);
    return buf;
}

inline MoveSet Choices(POS_T* b) {
    std::vector<MOVE_T> v;
    LegalChoices(b, &v);
    MoveSet s;
    for (const MOVE_T& m : v) s.insert(Key(m));
    return s;
}

inline std::unique_ptr<POS_T> NewChild() { return std::unique_ptr<POS_T>(new POS_T()); }

// Makes a copy of a move on a fresh child; the parent must outlive the child.
inline std::unique_ptr<POS_T> Play(POS_T* b, MOVE_T m, int* legal = nullptr) {
    std::unique_ptr<POS_T> c(new POS_T());
    int ok = DoMove(c.get(), b, &m);
    if (legal) *legal = ok;
    return c;
}

// ---------------------------------------------------------------- the rules, square by square
inline const vt::Geometry& GeometryOf(const POS_T* b) {
    static thread_local std::map<int, std::unique_ptr<vt::Geometry>> cache;
    int pins[4];
    int key = 0;
    for (int i = 0; i < 4; ++i) {
        pins[i] = b->whereis_board[i];
        key = key << 8 | pins[i];
    }
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, std::unique_ptr<vt::Geometry>(new vt::Geometry(pins))).first;
    return *it->second;
}

inline int PromotionPiece(char symbol) {
    switch (symbol) {
    case 'R': return W_ROOK;
    case 'B': return W_BISHOP;
    case 'N': return W_KNIGHT;
    default: return W_QUEEN;
    }
}

inline bool IsUpperBoardCell(int sq) { return vt::BoardOf(sq) >= 0 && (sq & 1); }

// Whether a pawn of code p standing on sq stands on its promotion square.
inline bool PawnPromotesOn(const POS_T* b, int p, int sq, int dmode) {
    if (dmode == 2) return p == W_PAWN ? (sq & 7) == 7 : (sq & 7) == 0;
    int bi = vt::BoardOf(sq);
    if (bi >= 0) {
        int pin = b->whereis_board[bi];
        if (p == W_PAWN) return IsUpperBoardCell(sq) && (pin == ABW_QL6 || pin == ABW_KL6);
        return !IsUpperBoardCell(sq) && (pin == ABW_QL1 || pin == ABW_KL1);
    }
    return GeometryOf(b).StepMask(p == W_PAWN ? vt::DI_N : vt::DI_S, sq) == 0;
}

// Whether a move as generated (before the player chose a piece) promotes: a
// pawn reaching its last square, or a board carrying a pawn to the far pin.
inline bool Promotes(const POS_T* b, const MOVE_T& m, int dmode) {
    if (IsBoardMove(m)) {
        int bi = AbIndex(m.piece_moving), base = vt::kBase[bi];
        if (m.to == ABW_QL6 || m.to == ABW_KL6)
            return b->board[base + 1] == W_PAWN || b->board[base + 9] == W_PAWN;
        if (m.to == ABW_QL1 || m.to == ABW_KL1) return b->board[base] == B_PAWN || b->board[base + 8] == B_PAWN;
        return false;
    }
    if (m.piece_moving != W_PAWN && m.piece_moving != B_PAWN) return false;
    return PawnPromotesOn(b, m.piece_moving, m.to, dmode);
}

inline bool IsPromotionLetter(char c) { return c == 'Q' || c == 'R' || c == 'B' || c == 'N'; }

// A move the player can choose: every promotion names its piece.
inline bool Choosable(const POS_T* b, const MOVE_T& m, int dmode) {
    return !Promotes(b, m, dmode) || IsPromotionLetter(m.move_symbol);
}

struct Hand {
    int board[64];
    int where[4];
};

// The board after a pseudo-legal move, made from the rules without the move
// maker: the piece or board moves, captures (en passant included) leave,
// pawns promote and castling brings the rook.
inline Hand HandMove(const POS_T* b, const MOVE_T& m, int dmode) {
    Hand h;
    std::memcpy(h.board, b->board, sizeof h.board);
    for (int i = 0; i < 4; ++i) h.where[i] = b->whereis_board[i];
    if (IsBoardMove(m)) {
        int bi = AbIndex(m.piece_moving), base = vt::kBase[bi];
        h.where[bi] = m.to;
        int chosen = PromotionPiece(m.move_symbol);
        if (m.to == ABW_QL6 || m.to == ABW_KL6) {
            int cell = h.board[base + 1] == W_PAWN ? base + 1 : h.board[base + 9] == W_PAWN ? base + 9 : -1;
            if (cell >= 0) h.board[cell] = chosen;
        } else if (m.to == ABW_QL1 || m.to == ABW_KL1) {
            int cell = h.board[base] == B_PAWN ? base : h.board[base + 8] == B_PAWN ? base + 8 : -1;
            if (cell >= 0) h.board[cell] = -chosen;
        }
        return h;
    }
    int p = h.board[m.from];
    bool white = p > 0;
    h.board[m.from] = 0;
    h.board[m.to] = p;
    bool pawn = p == W_PAWN || p == B_PAWN;
    if (dmode == 2) {
        if (pawn && b->enpassant && m.to == b->enpassant && (m.from >> 3) != (m.to >> 3))
            h.board[white ? m.to - 1 : m.to + 1] = 0;
        if ((p == W_KING || p == B_KING) && m.from + 16 == m.to) {
            h.board[m.from + 8] = h.board[m.from + 24];
            h.board[m.from + 24] = 0;
        }
        if ((p == W_KING || p == B_KING) && m.to + 16 == m.from) {
            h.board[m.from - 8] = h.board[m.from - 32];
            h.board[m.from - 32] = 0;
        }
    } else {
        const vt::Geometry& g = GeometryOf(b);
        // A pawn entering the passed-over cell diagonally takes the pawn that
        // passed; a straight push onto that cell takes nothing.
        const vt::Cell& cf = g.CellOf(m.from);
        const vt::Cell& ct = g.CellOf(m.to);
        bool on_ep_cell = false;
        if (b->enpassant && b->enpassant < 64) {
            const vt::Cell& ce = g.CellOf(b->enpassant);
            on_ep_cell = ce.file == ct.file && ce.rank == ct.rank;
        }
        if (pawn && on_ep_cell && cf.file != ct.file) {
            const vt::List& back = g.Targets(white ? vt::DI_S : vt::DI_N, m.to);
            for (int k = 0; k < back.n && k < 8; ++k)
                if (h.board[back.t[k]] == (white ? B_PAWN : W_PAWN)) {
                    h.board[back.t[k]] = 0;
                    break;
                }
        }
        if (m.move_symbol == 'S' && (p == W_KING || p == B_KING)) h.board[white ? C1 : C8] = white ? W_ROOK : B_ROOK;
        if (m.move_symbol == 'L' && (p == W_KING || p == B_KING)) {
            h.board[white ? C1 : C8] = h.board[white ? A1 : A8];
            h.board[white ? A1 : A8] = 0;
        }
    }
    if (pawn && PawnPromotesOn(b, p, m.to, dmode)) h.board[m.to] = white ? PromotionPiece(m.move_symbol) : -PromotionPiece(m.move_symbol);
    return h;
}

// A position built from scratch from a bare board and the facts a board does
// not show.
inline std::unique_ptr<POS_T> Rebuild(const int board[64], const int where[4], const int owners[4], uint32_t flags,
                                      SQ_T enpassant, int move_num, int fifty_count) {
    std::unique_ptr<POS_T> r(new POS_T());
    std::memcpy(r->board, board, sizeof r->board);
    for (int i = 0; i < 4; ++i) {
        r->whereis_board[i] = ABWHERE_E(where[i]);
        r->whites_board[i] = owners[i];
    }
    r->flags = flags & FLAG_CASTLE_RIGHTS;
    r->enpassant = enpassant;
    r->move_num = move_num;
    r->fifty_count = fifty_count;
    EXPECT_TRUE(CreatePBoard(r.get(), state.dmode));
    return r;
}

inline int KingSquare(const POS_T* b, bool white) {
    for (int sq = 0; sq < 64; ++sq)
        if (b->board[sq] == (white ? W_KING : B_KING)) return sq;
    return -1;
}

// Whether the side's king is attacked, read from rebuilt maps.
inline bool KingAttacked(const POS_T* r, bool white) {
    int k = KingSquare(r, white);
    if (k < 0) return true;
    return (r->topieces[k] & (white ? BLACK_SLOTS : WHITE_SLOTS)) != 0;
}

// The reference verdict on a pseudo-legal move: make it by hand, rebuild the
// position from the bare board, and ask whether the mover's king is attacked.
inline bool HandLegal(const POS_T* b, const MOVE_T& m, int dmode, Hand* out = nullptr) {
    Hand h = HandMove(b, m, dmode);
    if (out) *out = h;
    bool white = IsWhitesMove(b);
    auto r = Rebuild(h.board, h.where, b->whites_board, 0, 0, b->move_num + 1, 1);
    return !KingAttacked(r.get(), white);
}

// ---------------------------------------------------------------- comparisons
inline std::set<int> SquaresOf(const POS_T* b, uint32_t slots) {
    std::set<int> s;
    for (int i = 0; i < 32; ++i)
        if (slots >> i & 1) s.insert(b->pieces[i].pos);
    return s;
}

inline std::string SquareList(const std::set<int>& s) {
    std::string out;
    for (int x : s) out += (out.empty() ? "" : " ") + Sq(x);
    return "{" + out + "}";
}

// Live slots only; a slot whose piece is gone says nothing.
inline std::set<int> LiveSquares(const POS_T* b, uint32_t slots) { return SquaresOf(b, slots & b->material_mask); }

// The kept maps, masks, keys and piece list of a played position equal what
// a rebuild from its bare board gives. Slot numbers may differ, so attack
// sets compare as squares of the attackers.
// A mismatch of the pawns one step before promotion is counted into
// *pawns7th (with its first example) instead of failing, when given.
struct Tally {
    long count = 0;
    std::string first;
    void Add(const std::string& s) {
        if (!count++) first = s;
    }
};

inline void ExpectMatchesRebuild(POS_T* b, const std::string& where, Tally* pawns7th = nullptr) {
    SCOPED_TRACE(where);
    vt::ExpectConsistent(b, "piece list");
    int pins[4];
    for (int i = 0; i < 4; ++i) pins[i] = b->whereis_board[i];
    auto r = Rebuild(b->board, pins, b->whites_board, b->flags, b->enpassant, b->move_num, b->fifty_count);
    EXPECT_EQ(b->flags & FLAG_CASTLE_RIGHTS, r->flags & FLAG_CASTLE_RIGHTS) << "castling rights the board no longer supports";
    EXPECT_EQ(b->hash1, r->hash1);
    EXPECT_EQ(b->hash2, r->hash2);
    EXPECT_EQ(b->w_material, r->w_material);
    EXPECT_EQ(b->b_material, r->b_material);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(b->whites_board[i], r->whites_board[i]) << "owner of board " << i;
    EXPECT_EQ(LiveSquares(b, b->piece_mask), LiveSquares(r.get(), r->piece_mask));
    EXPECT_EQ(LiveSquares(b, b->material_mask), LiveSquares(r.get(), r->material_mask));
    std::set<int> p7 = LiveSquares(b, b->pawns7th), p7r = LiveSquares(r.get(), r->pawns7th);
    if (!pawns7th)
        EXPECT_EQ(p7, p7r) << "pawns one step before promotion";
    else if (p7 != p7r)
        pawns7th->Add(where + ": kept " + SquareList(p7) + ", rebuilt " + SquareList(p7r));
    for (int i = 0; i < 32; ++i) {
        int p = b->pieces[i].p;
        if (!p) continue;
        EXPECT_EQ((b->sliding_mask >> i & 1) != 0, IsSliding(p) != 0) << "sliding bit of slot " << i << " holding " << p;
    }
    int shown = 0;
    for (int sq = 0; sq < 64 && shown < 6; ++sq) {
        std::set<int> got = SquaresOf(b, b->topieces[sq]), want = SquaresOf(r.get(), r->topieces[sq]);
        std::set<int> xgot = SquaresOf(b, b->xray_topieces[sq]), xwant = SquaresOf(r.get(), r->xray_topieces[sq]);
        if (got != want) {
            ++shown;
            ADD_FAILURE() << "attackers of " << Sq(sq) << ": kept " << SquareList(got) << ", rebuilt "
                          << SquareList(want);
        }
        if (xgot != xwant) {
            ++shown;
            ADD_FAILURE() << "x-ray attackers of " << Sq(sq) << ": kept " << SquareList(xgot) << ", rebuilt "
                          << SquareList(xwant);
        }
    }
}

// The two halves of a move give what the whole move gives.
inline void ExpectPartsEqualWhole(POS_T* parent, const MOVE_T& m, const std::string& where) {
    SCOPED_TRACE(where);
    MOVE_T m1 = m, m2 = m;
    std::unique_ptr<POS_T> whole(new POS_T()), parts(new POS_T());
    int ok1 = DoMove(whole.get(), parent, &m1);
    int ok2 = DoMovePart1(parts.get(), parent, &m2);
    if (ok2) ok2 = DoMovePart2(parts.get(), &m2);
    ASSERT_EQ(ok1, ok2) << "legality";
    if (!ok1) return;
    POS_T* a = whole.get();
    POS_T* c = parts.get();
    EXPECT_EQ(a->flags, c->flags);
    EXPECT_EQ(c->flags & NEED_PART2, 0u);
    EXPECT_EQ(a->hash1, c->hash1);
    EXPECT_EQ(a->hash2, c->hash2);
    EXPECT_EQ(a->enpassant, c->enpassant);
    EXPECT_EQ(a->fifty_count, c->fifty_count);
    EXPECT_EQ(a->move_num, c->move_num);
    EXPECT_EQ(a->piece_mask, c->piece_mask);
    EXPECT_EQ(a->material_mask, c->material_mask);
    EXPECT_EQ(a->sliding_mask, c->sliding_mask);
    EXPECT_EQ(a->pawns7th, c->pawns7th);
    EXPECT_EQ(a->w_material, c->w_material);
    EXPECT_EQ(a->b_material, c->b_material);
    EXPECT_EQ(m1.move_symbol, m2.move_symbol);
    EXPECT_EQ(m1.check, m2.check);
    EXPECT_EQ(0, std::memcmp(a->board, c->board, sizeof a->board)) << "board";
    EXPECT_EQ(0, std::memcmp(a->pboard, c->pboard, sizeof a->pboard)) << "slot index";
    EXPECT_EQ(0, std::memcmp(a->pieces, c->pieces, sizeof a->pieces)) << "piece list";
    EXPECT_EQ(0, std::memcmp(a->whereis_board, c->whereis_board, sizeof a->whereis_board)) << "pins";
    EXPECT_EQ(0, std::memcmp(a->whites_board, c->whites_board, sizeof a->whites_board)) << "owners";
    EXPECT_EQ(0, std::memcmp(a->topieces, c->topieces, sizeof a->topieces)) << "attack map";
    EXPECT_EQ(0, std::memcmp(a->xray_topieces, c->xray_topieces, sizeof a->xray_topieces)) << "x-ray map";
}

// ---------------------------------------------------------------- attack maps from the rules
// Squares attacked by the piece on sq, worked out from projected cells: one
// step reaches every square of the next cell, a line marks every square of
// each cell it enters and ends at the first cell holding a piece; rooks and
// queens on an attack board also jump along the pins across free pins.
class AttackModel {
public:
    explicit AttackModel(const POS_T* b) : b_(b), g_(GeometryOf(b)) {
        for (int sq = 0; sq < 64; ++sq)
            if (b->board[sq]) occupied_ |= uint64_t(1) << sq;
    }

    uint64_t Attacks(int sq) const {
        int p = b_->board[sq], a = p < 0 ? -p : p;
        uint64_t m = 0;
        switch (a) {
        case 1:
            if (p > 0) m = g_.StepMask(vt::DI_NW, sq) | g_.StepMask(vt::DI_NE, sq);
            else m = g_.StepMask(vt::DI_SW, sq) | g_.StepMask(vt::DI_SE, sq);
            break;
        case 2:
            for (int di = 1; di < 16; di += 2) m |= g_.StepMask(di, sq);
            break;
        case 6:
            for (int di = 0; di < 16; di += 2) m |= g_.StepMask(di, sq);
            break;
        default:
            for (int di = 0; di < 16; di += 2) {
                bool diagonal = (di / 2) % 2 == 1;
                if ((a == 3 && !diagonal) || (a == 4 && diagonal)) continue;
                m |= Line(sq, di);
            }
            if (a != 3) m |= Jumps(sq, p);
        }
        return m;
    }

private:
    uint64_t Line(int sq, int di) const {
        vt::Cell c = g_.CellOf(sq);
        uint64_t m = 0;
        for (;;) {
            c.file += vt::kDirs[di].df;
            c.rank += vt::kDirs[di].dr;
            uint64_t step = g_.At(c.file, c.rank);
            if (!step) break;
            m |= step;
            if (step & occupied_) break;
        }
        return m;
    }

    // One cell met by a jump: enemy or empty cells after a free pin are
    // attacked; an empty cell lets the walk go on.
    bool Examine(int x, int p, bool missing, uint64_t* m) const {
        int q = b_->board[x];
        if (q && (q > 0) == (p > 0)) return false;
        if (missing) *m |= uint64_t(1) << x;
        return q == 0;
    }

    static int Chain(int pin) {
        switch (pin) {
        case ABW_QL1: case ABW_KL1: return 0;
        case ABW_QL3: case ABW_KL3: return 1;
        case ABW_QL2: case ABW_KL2: case ABW_QL5: case ABW_KL5: return 2;
        case ABW_QL4: case ABW_KL4: return 3;
        default: return 4;
        }
    }

    static std::vector<int> PinsAt(bool queen_side, int chain) {
        static const int q[5][2] = {{ABW_QL1, 0}, {ABW_QL3, 0}, {ABW_QL2, ABW_QL5}, {ABW_QL4, 0}, {ABW_QL6, 0}};
        static const int k[5][2] = {{ABW_KL1, 0}, {ABW_KL3, 0}, {ABW_KL2, ABW_KL5}, {ABW_KL4, 0}, {ABW_KL6, 0}};
        const int* row = queen_side ? q[chain] : k[chain];
        std::vector<int> out{row[0]};
        if (row[1]) out.push_back(row[1]);
        return out;
    }

    uint64_t Jumps(int sq, int p) const {
        int bi = vt::BoardOf(sq);
        if (bi < 0) return 0;
        int pin = b_->whereis_board[bi];
        const vt::PinInfo* info = vt::FindPin(pin);
        bool queen_side = info->file0 == 0;
        int base = vt::kBase[bi];
        int file_off = (sq - base) >> 3, rank_off = (sq - base) & 1;
        uint64_t m = 0;
        // Column walk, from the outer file of the side the board stands on.
        if (file_off == (queen_side ? 0 : 1)) {
            int chain = Chain(pin);
            for (int dir : {1, -1}) {
                // Leaving the own board: its other cell in this file first.
                bool leave = true;
                if ((dir > 0 && rank_off == 0) || (dir < 0 && rank_off == 1)) {
                    int other = sq + dir;
                    if (b_->board[other]) leave = false;
                    if (chain == 2)
                        for (int partner : PinsAt(queen_side, 2)) {
                            int nb = BoardAtPin(partner);
                            if (partner == pin || nb < 0) continue;
                            if (b_->board[vt::kBase[nb] + (other - base)]) leave = false;
                        }
                }
                if (!leave) continue;
                bool missing = false;
                for (int ch = chain + dir; ch >= 0 && ch <= 4; ch += dir) {
                    bool any = false, pass = true;
                    for (int at : PinsAt(queen_side, ch)) {
                        int nb = BoardAtPin(at);
                        if (nb < 0) continue;
                        any = true;
                        int lower = vt::kBase[nb] + (queen_side ? 0 : 8), upper = lower + 1;
                        int nearc = dir > 0 ? lower : upper, farc = dir > 0 ? upper : lower;
                        if (!(Examine(nearc, p, missing, &m) && Examine(farc, p, missing, &m))) pass = false;
                    }
                    if (!any) missing = true;
                    else if (!pass) break;
                }
            }
        }
        // End-row walk along the outer rank between the two end pins.
        int other_pin = 0;
        bool black_end = pin == ABW_QL6 || pin == ABW_KL6;
        if (black_end && rank_off == 1) other_pin = queen_side ? ABW_KL6 : ABW_QL6;
        if ((pin == ABW_QL1 || pin == ABW_KL1) && rank_off == 0) other_pin = queen_side ? ABW_KL1 : ABW_QL1;
        if (other_pin) {
            bool outer_cell = file_off == (queen_side ? 0 : 1);
            int inner = queen_side ? sq + 8 : sq - 8;
            int nb = BoardAtPin(other_pin);
            if (nb >= 0 && !(outer_cell && b_->board[inner])) {
                int row = black_end ? 1 : 0;
                int c0 = vt::kBase[nb] + row, c1 = vt::kBase[nb] + 8 + row;  // lower file, upper file
                int nearc = queen_side ? c0 : c1, farc = queen_side ? c1 : c0;
                if (Examine(nearc, p, true, &m)) Examine(farc, p, true, &m);
            }
        }
        return m;
    }

    int BoardAtPin(int pin) const {
        for (int i = 0; i < 4; ++i)
            if (b_->whereis_board[i] == pin) return i;
        return -1;
    }

    const POS_T* b_;
    const vt::Geometry& g_;
    uint64_t occupied_ = 0;
};

// Plain-board rays with the x-ray continuation through own aligned sliders.
inline void PlainAttacks(const POS_T* b, int sq, uint64_t* direct, uint64_t* xray) {
    int p = b->board[sq], a = p < 0 ? -p : p;
    int c = sq >> 3, r = sq & 7;
    auto on = [](int cc, int rr) { return cc >= 0 && cc < 8 && rr >= 0 && rr < 8; };
    auto put = [&](uint64_t* m, int cc, int rr) { *m |= uint64_t(1) << (cc * 8 + rr); };
    *direct = *xray = 0;
    if (a == 1) {
        int dr = p > 0 ? 1 : -1;
        for (int dc : {-1, 1})
            if (on(c + dc, r + dr)) put(direct, c + dc, r + dr);
        return;
    }
    if (a == 2 || a == 6) {
        static const int kn[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
        static const int kg[8][2] = {{0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}};
        const int(*steps)[2] = a == 2 ? kn : kg;
        for (int k = 0; k < 8; ++k)
            if (on(c + steps[k][0], r + steps[k][1])) put(direct, c + steps[k][0], r + steps[k][1]);
        return;
    }
    static const int dirs[8][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}, {1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
    for (auto& d : dirs) {
        bool diagonal = d[0] && d[1];
        if ((a == 3 && !diagonal) || (a == 4 && diagonal)) continue;
        int cc = c + d[0], rr = r + d[1];
        while (on(cc, rr)) {
            put(direct, cc, rr);
            if (b->board[cc * 8 + rr]) break;
            cc += d[0];
            rr += d[1];
        }
        if (!on(cc, rr)) continue;
        // Through the blocker while it is an own slider that looks back along the line.
        for (;;) {
            int q = b->board[cc * 8 + rr], qa = q < 0 ? -q : q;
            // The reach map is the union of every geometry met in the run,
            // so a tri-dimensional game played earlier may widen what a
            // blocker is taken to see.
            int blocker = cc * 8 + rr;
            bool see = q == 0 || ((q > 0) == (p > 0) && (qa == 3 || qa == 4 || qa == 5) &&
                                  capture_map[q + 6][blocker][sq].load(std::memory_order_relaxed));
            if (!see) break;
            cc += d[0];
            rr += d[1];
            if (!on(cc, rr)) break;
            put(xray, cc, rr);
        }
    }
}

// Compares the attack sets of a position with the model, per square.
inline void ExpectAttacksFollowRules(const POS_T* b, int dmode, const std::string& where) {
    SCOPED_TRACE(where);
    std::set<int> want[64], xwant[64];
    std::unique_ptr<AttackModel> model;
    if (dmode == 3) model.reset(new AttackModel(b));
    for (int sq = 0; sq < 64; ++sq) {
        if (!b->board[sq]) continue;
        uint64_t m = 0, x = 0;
        if (dmode == 3) m = model->Attacks(sq);
        else PlainAttacks(b, sq, &m, &x);
        for (int t = 0; t < 64; ++t) {
            if (m >> t & 1) want[t].insert(sq);
            if (x >> t & 1) xwant[t].insert(sq);
        }
    }
    int shown = 0;
    for (int t = 0; t < 64 && shown < 6; ++t) {
        std::set<int> got = SquaresOf(b, b->topieces[t]), xgot = SquaresOf(b, b->xray_topieces[t]);
        if (got != want[t]) {
            ++shown;
            ADD_FAILURE() << "attackers of " << Sq(t) << ": kept " << SquareList(got) << ", by the rules "
                          << SquareList(want[t]);
        }
        if (xgot != xwant[t]) {
            ++shown;
            ADD_FAILURE() << "x-ray attackers of " << Sq(t) << ": kept " << SquareList(xgot) << ", by the rules "
                          << SquareList(xwant[t]);
        }
    }
}

// Destinations of the pin table: toward Black's end, toward White's end,
// across, each in the listed order.
struct PinRow {
    int pin;
    std::vector<int> black, white, across;
};

inline const PinRow kPinTable[] = {
    {ABW_QL1, {ABW_QL2, ABW_QL3}, {}, {ABW_KL1}},
    {ABW_QL2, {ABW_QL4}, {ABW_QL1, ABW_QL3}, {ABW_KL2, ABW_KL5}},
    {ABW_QL3, {ABW_QL2, ABW_QL4, ABW_QL5}, {ABW_QL1}, {ABW_KL3}},
    {ABW_QL4, {ABW_QL6}, {ABW_QL2, ABW_QL3, ABW_QL5}, {ABW_KL4}},
    {ABW_QL5, {ABW_QL4, ABW_QL6}, {ABW_QL3}, {ABW_KL2, ABW_KL5}},
    {ABW_QL6, {}, {ABW_QL4, ABW_QL5}, {ABW_KL6}},
    {ABW_KL1, {ABW_KL2, ABW_KL3}, {}, {ABW_QL1}},
    {ABW_KL2, {ABW_KL4}, {ABW_KL1, ABW_KL3}, {ABW_QL2, ABW_QL5}},
    {ABW_KL3, {ABW_KL2, ABW_KL4, ABW_KL5}, {ABW_KL1}, {ABW_QL3}},
    {ABW_KL4, {ABW_KL6}, {ABW_KL2, ABW_KL3, ABW_KL5}, {ABW_QL4}},
    {ABW_KL5, {ABW_KL4, ABW_KL6}, {ABW_KL3}, {ABW_QL2, ABW_QL5}},
    {ABW_KL6, {}, {ABW_KL4, ABW_KL5}, {ABW_QL6}},
};


inline const PinRow* PinRowOf(int pin) {
    for (const PinRow& r : kPinTable)
        if (r.pin == pin) return &r;
    return nullptr;
}

// The moves a player may choose, worked out from the rules without the
// generator: piece moves from the attack rules, pawn pushes, double steps,
// en passant, castling, attack-board moves by the pin table, and every
// promotion as four choices. Not yet filtered for the king's safety.
inline std::vector<MOVE_T> IndependentChoices(POS_T* b, int dmode, int rules) {
    std::vector<MOVE_T> out;
    bool white = IsWhitesMove(b);
    int side = white ? 1 : -1;
    auto own = [&](int q) { return q && (q > 0) == white; };
    auto enemy = [&](int q) { return q && (q > 0) != white; };
    auto add = [&](int p, int from, int to, char sym) {
        MOVE_T m = Move(p, from, to, sym);
        if (Promotes(b, m, dmode)) {
            for (char c : {'Q', 'B', 'R', 'N'}) out.push_back(Move(p, from, to, c));
        } else {
            out.push_back(m);
        }
    };
    std::unique_ptr<AttackModel> model;
    if (dmode == 3) model.reset(new AttackModel(b));
    uint64_t enemy_attacks = 0;
    auto attacks = [&](int sq) {
        if (dmode == 3) return model->Attacks(sq);
        uint64_t d = 0, x = 0;
        PlainAttacks(b, sq, &d, &x);
        return d;
    };
    for (int sq = 0; sq < 64; ++sq)
        if (enemy(b->board[sq])) enemy_attacks |= attacks(sq);
    auto attacked = [&](int sq) { return (enemy_attacks >> sq & 1) != 0; };

    for (int sq = 0; sq < 64; ++sq) {
        int p = b->board[sq];
        if (!own(p)) continue;
        uint64_t a = attacks(sq);
        bool pawn = p == W_PAWN || p == B_PAWN;
        for (int t = 0; t < 64; ++t) {
            if (!(a >> t & 1) || own(b->board[t])) continue;
            if (pawn && !b->board[t]) continue;
            add(p, sq, t, b->board[t] ? 'x' : '-');
        }
        if (!pawn) continue;
        // Pushes, and the double step of a pawn that has not moved.
        std::vector<int> one;
        if (dmode == 3) {
            uint64_t m = GeometryOf(b).StepMask(white ? vt::DI_N : vt::DI_S, sq);
            for (int t = 0; t < 64; ++t)
                if (m >> t & 1) one.push_back(t);
        } else if ((sq & 7) + side >= 0 && (sq & 7) + side <= 7) {
            one.push_back(sq + side);
        }
        bool all_empty = !one.empty();
        for (int t : one) {
            if (b->board[t]) all_empty = false;
            else add(p, sq, t, '-');
        }
        int first_slot = white ? W_PAWN_SLOT : B_PAWN_SLOT;
        int slot = b->pboard[sq];
        bool home = slot >= first_slot && slot < first_slot + 8 && sq == (slot - first_slot) * 8 + (white ? 1 : 6);
        if (dmode == 3 && home && vt::BoardOf(sq) >= 0) {
            int bi = vt::BoardOf(sq);
            home = b->whereis_board[bi] == ab_home[bi];
        }
        if (all_empty && home)
            for (int t : one) {
                std::vector<int> two;
                if (dmode == 3) {
                    uint64_t m = GeometryOf(b).StepMask(white ? vt::DI_N : vt::DI_S, t);
                    for (int u = 0; u < 64; ++u)
                        if (m >> u & 1) two.push_back(u);
                } else {
                    two.push_back(t + side);
                }
                for (int u : two)
                    if (!b->board[u]) add(p, sq, u, '-');
            }
        // En passant onto the empty squares of the passed cell.
        if (b->enpassant && b->enpassant < 64) {
            char sym = dmode == 2 && !white ? 'E' : 'e';
            if (dmode == 2) {
                if (b->enpassant == unsigned(sq + 8 + side) || b->enpassant == unsigned(sq - 8 + side))
                    if ((a >> b->enpassant & 1) && !b->board[b->enpassant]) add(p, sq, b->enpassant, sym);
            } else {
                const vt::Geometry& g = GeometryOf(b);
                const vt::Cell& ce = g.CellOf(b->enpassant);
                uint64_t cell = g.At(ce.file, ce.rank);
                for (int t = 0; t < 64; ++t)
                    if ((cell >> t & 1) && (a >> t & 1) && !b->board[t]) add(p, sq, t, sym);
            }
        }
    }

    // Castling.
    int king = white ? W_KING : B_KING, rook = white ? W_ROOK : B_ROOK;
    uint32_t short_right = white ? FLAG_CASTLE_WS : FLAG_CASTLE_BS, long_right = white ? FLAG_CASTLE_WL : FLAG_CASTLE_BL;
    if (dmode == 3) {
        int k = white ? C1 : C8, r_short = white ? D1 : D8, r_long = white ? A1 : A8, to_long = white ? B1 : B8;
        if ((b->flags & short_right) && b->board[k] == king && b->board[r_short] == rook && !attacked(k) &&
            !attacked(r_short))
            add(king, k, r_short, 'S');
        if ((b->flags & long_right) && b->board[k] == king && b->board[r_long] == rook && !b->board[to_long] &&
            !attacked(k) && !attacked(to_long))
            add(king, k, to_long, 'L');
    } else {
        int r = white ? 0 : 7;
        auto at = [&](int col) { return col * 8 + r; };
        if ((b->flags & short_right) && !b->board[at(5)] && !b->board[at(6)] && !attacked(at(4)) &&
            !attacked(at(5)) && !attacked(at(6)))
            add(king, at(4), at(6), 'S');
        if ((b->flags & long_right) && !b->board[at(3)] && !b->board[at(2)] && !b->board[at(1)] &&
            !attacked(at(4)) && !attacked(at(3)) && !attacked(at(2)))
            add(king, at(4), at(2), 'L');
    }

    // Attack boards: the owner moves a board carrying at most one piece.
    if (dmode == 3)
        for (int bi = 0; bi < 4; ++bi) {
            if ((b->whites_board[bi] != 0) != white) continue;
            int base = vt::kBase[bi], count = 0, pilot = 0;
            for (int c : {base, base + 1, base + 8, base + 9})
                if (b->board[c]) {
                    ++count;
                    pilot += b->board[c];
                }
            if (count > 1) continue;
            const PinRow* row = PinRowOf(b->whereis_board[bi]);
            bool toward_black = pilot >= 0 || (rules == RULES_TDCL && pilot < -1);
            bool toward_white = pilot <= 0 || (rules == RULES_TDCL && pilot > 1);
            auto offer = [&](const std::vector<int>& group) {
                for (int pin : group) {
                    bool taken = false;
                    for (int i = 0; i < 4; ++i) taken |= int(b->whereis_board[i]) == pin;
                    if (!taken) add(ab_codes[bi], b->whereis_board[bi], pin, 'T');
                }
            };
            if (toward_black) offer(row->black);
            if (toward_white) offer(row->white);
            offer(row->across);
        }
    return out;
}

}  // namespace mt
