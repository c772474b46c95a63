// Tri-dimensional geometry: the direction lists, cell queries, line map and
// reach map of every placement of the four attack boards, checked against the
// model of TestUtil.h, plus the worked examples and the plain board.
#include "TestUtil.h"

#include "board/board.h"
#include "eval/eval.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using vt::Geometry;
using vt::kDirs;
using vt::Sq;

namespace {

// Collects mismatches of one kind and shows the first few in full.
struct Mismatches {
    const char* what;
    long count = 0;
    std::vector<std::string> shown;
    explicit Mismatches(const char* w) : what(w) {}
    void Add(const std::string& s) {
        if (shown.size() < 8) shown.push_back(s);
        ++count;
    }
    void Report() const {
        for (const std::string& s : shown) ADD_FAILURE() << what << ": " << s;
        EXPECT_EQ(count, 0) << what;
    }
};

std::string Targets(const SQ_T* t, int n) {
    std::string s = "[";
    for (int k = 0; k < n; ++k) s += (k ? " " : "") + Sq(t[k]);
    return s + "]";
}

std::string Targets(const vt::List& l) {
    SQ_T t[8];
    for (int k = 0; k < l.n && k < 8; ++k) t[k] = l.t[k];
    return Targets(t, l.n < 8 ? l.n : 8);
}

// Direction list of the code under test.
std::vector<SQ_T> Look(POS_T* b, SQ_T from, int dir) {
    SQ_T buf[8];
    BTO_T bto{0, buf};
    int n = DirTo(b, from, dir, &bto);
    EXPECT_EQ(unsigned(n), bto.n);
    return std::vector<SQ_T>(buf, buf + (n > 0 && n <= 8 ? n : 0));
}

int Plane(int p) { return p + 6; }

long PeakKilobytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// The reaches of the plain 8x8 board, encoded as in Geometry::Reaches.
std::vector<uint32_t> PlainReaches() {
    std::vector<uint32_t> out;
    auto put = [&](int p, int s, int t) { out.push_back(uint32_t(Plane(p) << 12 | s << 6 | t)); };
    for (int s = 0; s < 64; ++s) {
        int c = s >> 3, r = s & 7;
        if (r != 0 && r != 7) {
            if (c != 0) put(W_PAWN, s, s - 7), put(B_PAWN, s, s - 9);
            if (c != 7) put(W_PAWN, s, s + 9), put(B_PAWN, s, s + 7);
        }
        for (int t = 0; t < 64; ++t) {
            if (t == s) continue;
            int dx = std::abs((t >> 3) - c), dy = std::abs((t & 7) - r);
            std::vector<int> kinds;
            if ((dx == 1 && dy == 2) || (dx == 2 && dy == 1)) kinds.push_back(W_KNIGHT);
            if (dx == dy) kinds.insert(kinds.end(), {W_BISHOP, W_QUEEN});
            if (dx == 0 || dy == 0) kinds.insert(kinds.end(), {W_ROOK, W_QUEEN});
            if (dx < 2 && dy < 2) kinds.push_back(W_KING);
            for (int k : kinds) put(k, s, t), put(-k, s, t);
        }
    }
    return out;
}

bool Reached(uint32_t e) { return capture_map[e >> 12][(e >> 6) & 63][e & 63].load() == 1; }

std::string ReachStr(uint32_t e) {
    return "plane " + std::to_string(int(e >> 12) - 6) + " " + Sq((e >> 6) & 63) + "->" + Sq(e & 63);
}

}  // namespace

// Every one of the 12*11*10*9 placements: each direction list holds exactly
// the cells at the projected step, in the order the table builder adds them;
// level, same-cell, off-board and board-at-pin queries agree with the cells;
// the line map is antisymmetric and follows the ray rule (gap continuations
// included); every reach of the placement is in the reach map, and at the end
// the reach map is exactly the union over all placements and the plain board.
TEST(Geometry, EveryPlacementMatchesTheProjectedCells) {
    const auto start = std::chrono::steady_clock::now();
    state.dmode = 3;
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    ResetBoardConfigCache();
    const long peak_before = PeakKilobytes();

    Mismatches lists("direction list"), offboard("OffBoard"), level("GetLevel"),
        samecell("IsSameCell"), there("IsAttackBoardThere"), coord("ProjectedCoord"),
        cache("configuration cache"), antisym("line map antisymmetry"),
        lines("line map vs ray rule"), reach("reach map entry missing");
    std::vector<char> union_reach(13 * 64 * 64, 0);
    long configs = 0, list_checks = 0, reach_checks = 0, built_since_reset = 0;

    for (int i0 = 0; i0 < 12; ++i0)
    for (int i1 = 0; i1 < 12; ++i1)
    for (int i2 = 0; i2 < 12; ++i2)
    for (int i3 = 0; i3 < 12; ++i3) {
        if (i0 == i1 || i0 == i2 || i0 == i3 || i1 == i2 || i1 == i3 || i2 == i3) continue;
        const int pins[4] = {vt::kPins[i0].pin, vt::kPins[i1].pin, vt::kPins[i2].pin, vt::kPins[i3].pin};
        Geometry g(pins);
        ASSERT_TRUE(g.model_ok()) << g.model_error() << " in " << vt::PinsStr(pins);
        const std::string where = vt::PinsStr(pins);
        vt::SetPins(b, pins);
        // Keep a few dozen tables alive so that look-ups search a filled cache.
        if (built_since_reset == 48) {
            ResetBoardConfigCache();
            built_since_reset = 0;
        }
        ++built_since_reset;
        ++configs;

        for (int di = 0; di < 16; ++di) {
            for (int sq = 0; sq < 64; ++sq) {
                SQ_T buf[8] = {999, 999, 999, 999, 999, 999, 999, 999};
                BTO_T bto{12345, buf};
                int n = DirTo(b, sq, kDirs[di].value, &bto);
                const vt::List& want = g.Targets(di, sq);
                bool same = n == want.n && bto.n == unsigned(want.n);
                for (int k = 0; same && k < n; ++k) same = buf[k] == SQ_T(want.t[k]);
                if (!same)
                    lists.Add(where + " " + Sq(sq) + " " + kDirs[di].name + ": expected " +
                              Targets(want) + " got n=" + std::to_string(n) + " " +
                              Targets(buf, n >= 0 && n <= 8 ? n : 8));
                if (OffBoard(b, sq, kDirs[di].value) != (want.n == 0))
                    offboard.Add(where + " " + Sq(sq) + " " + kDirs[di].name);
                ++list_checks;
            }
        }
        if (BoardConfigCount() != built_since_reset)
            cache.Add(where + ": " + std::to_string(BoardConfigCount()) + " tables for " +
                      std::to_string(built_since_reset) + " placements");

        for (int sq = 0; sq < 64; ++sq) {
            const vt::Cell& c = g.CellOf(sq);
            if (GetLevel(b, sq) != c.level)
                level.Add(where + " " + Sq(sq) + ": expected " + std::to_string(c.level) +
                          " got " + std::to_string(GetLevel(b, sq)));
            int f = -1, r = -1;
            if (!ProjectedCoord(b, sq, &f, &r) || f != c.file || r != c.rank)
                coord.Add(where + " " + Sq(sq));
            for (int sq2 = 0; sq2 < 64; ++sq2) {
                const vt::Cell& c2 = g.CellOf(sq2);
                bool want = c.file == c2.file && c.rank == c2.rank;
                if (IsSameCell(b, sq, sq2) != want)
                    samecell.Add(where + " " + Sq(sq) + "," + Sq(sq2) + ": expected " +
                                 std::to_string(want));
            }
        }
        for (const vt::PinInfo& p : vt::kPins) {
            int at = g.BoardAt(p.pin);
            if (IsAttackBoardThere(b, p.pin) != (at < 0 ? 65 : at))
                there.Add(where + " pin " + p.name);
        }

        const LINE_MAP_T& line = SlidingMap(b);
        for (int a = 0; a < 64; ++a)
            for (int c = 0; c < 64; ++c) {
                if (line[c][a] != -line[a][c])
                    antisym.Add(where + " " + Sq(a) + "," + Sq(c) + ": " +
                                std::to_string(line[a][c]) + " / " +
                                std::to_string(line[c][a]));
                if (line[a][c] != g.Line(a, c))
                    lines.Add(where + " [" + Sq(a) + "][" + Sq(c) + "]: expected " +
                              std::to_string(g.Line(a, c)) + " got " +
                              std::to_string(line[a][c]));
            }

        for (uint32_t e : g.Reaches()) {
            union_reach[e] = 1;
            ++reach_checks;
            if (!Reached(e)) reach.Add(where + " " + ReachStr(e));
        }
    }

    // A plain-board rebuild adds its reaches; nothing else may be present.
    state.dmode = 2;
    auto plain = vt::NewPos();
    SetupStartPosition(plain.get(), 2);
    UpdateMaps(plain.get());
    for (uint32_t e : PlainReaches()) union_reach[e] = 1;
    Mismatches exact("reach map vs union of all placements and the plain board");
    for (uint32_t e = 0; e < union_reach.size(); ++e)
        if (Reached(e) != bool(union_reach[e]))
            exact.Add(ReachStr(e) + ": expected " + std::to_string(int(union_reach[e])));
    state.dmode = 3;
    ResetBoardConfigCache();

    // With the cache emptied every few dozen placements, memory stays flat.
    // (AddressSanitizer holds freed memory back on purpose, so not there.)
    const long grown = PeakKilobytes() - peak_before;
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(grown, 64 * 1024) << "peak memory grew by " << grown / 1024
                                << " MB over the walk although the cache was emptied";
#else
    (void)grown;
#endif

    for (const Mismatches* m : {&lists, &offboard, &level, &samecell, &there, &coord, &cache,
                                &antisym, &lines, &reach, &exact})
        m->Report();

    const double secs =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(configs, 11880);
    RecordProperty("configurations", int(configs));
    RecordProperty("lists", int(list_checks));
    RecordProperty("reach_entries", int(reach_checks));
    std::printf("\n[geometry] %ld placements, %ld direction lists, %ld reach entries, %.1f s\n",
                configs, list_checks, reach_checks, secs);
}

// The worked examples of the home placement and of two boards sharing cells.
TEST(Geometry, WorkedExamples) {
    state.dmode = 3;
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    vt::SetHomePins(b);
    using V = std::vector<SQ_T>;
    EXPECT_EQ(Look(b, E1, WEST), V({A2}));
    EXPECT_EQ(Look(b, E1, SOUTH), V({B1}));
    EXPECT_EQ(Look(b, B1, NORTH), V({E1, B2}));
    EXPECT_EQ(Look(b, E2, NORTH), V({E3, A3}));
    EXPECT_EQ(Look(b, E4, NORTH), V({E5, A5}));
    EXPECT_EQ(Look(b, A3, SOUTH), V({E2}));
    EXPECT_EQ(Look(b, E1, N_N_E), V({F3, B3}));
    EXPECT_EQ(Look(b, H4, EAST), V());
    EXPECT_TRUE(OffBoard(b, H4, EAST));
    EXPECT_TRUE(OffBoard(b, A1, SOUTH));
    EXPECT_FALSE(OffBoard(b, E1, WEST));
    EXPECT_TRUE(IsSameCell(b, E4, A4));
    EXPECT_FALSE(IsSameCell(b, E4, E5));
    EXPECT_TRUE(IsSameCell(b, E1, B2));

    const int both_middle[4] = {ABW_QL2, ABW_QL5, ABW_KL1, ABW_KL6};
    vt::SetPins(b, both_middle);
    EXPECT_EQ(Look(b, E3, NORTH), V({E4, A4, B1, B7}));
    EXPECT_EQ(GetLevel(b, B1), 3);
    EXPECT_EQ(GetLevel(b, B7), 7);
    EXPECT_TRUE(IsSameCell(b, A1, A7));
    // The home placement again: its table is found, not rebuilt.
    int tables = BoardConfigCount();
    vt::SetHomePins(b);
    EXPECT_EQ(Look(b, E1, WEST), V({A2}));
    EXPECT_EQ(BoardConfigCount(), tables);
}

// Line-map examples of the home placement, and rays that cross empty pins.
TEST(LineMap, RaysAndGapContinuations) {
    state.dmode = 3;
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    vt::SetHomePins(b);
    const LINE_MAP_T* line = &SlidingMap(b);
    EXPECT_EQ((*line)[E1][E4], NORTH);
    EXPECT_EQ((*line)[E4][E1], SOUTH);
    EXPECT_EQ(SameLine(b, E1, E2, E4), 1);
    EXPECT_EQ(SameLine(b, E2, E1, E4), 0);
    EXPECT_EQ((*line)[E1][A4], NORTH);   // E1 -> E2 -> A3 -> A4
    EXPECT_EQ((*line)[A1][D1], EAST);    // across the empty cells of rank 0
    EXPECT_EQ((*line)[A8][D8], EAST);    // and of rank 9
    EXPECT_EQ((*line)[A1][A8], NORTH);   // over the free pins of file 0
    EXPECT_EQ((*line)[D1][D8], NORTH);   // and of file 5
    EXPECT_EQ((*line)[E1][E1], 0);

    // White's king's board on the queen's-side middle pin, nothing at QL3/QL4:
    // only the first two steps of a ray may jump a gap.
    const int gaps[4] = {ABW_QL1, ABW_QL6, ABW_QL2, ABW_KL6};
    vt::SetPins(b, gaps);
    line = &SlidingMap(b);
    struct Case { SQ_T a, c; int dir; };
    const Case cases[] = {
        {A1, C1, NORTH}, {A1, C2, NORTH}, {A1, A7, 0},  {A2, C1, NORTH}, {A2, C2, NORTH},
        {A2, A7, 0},     {C1, A7, NORTH}, {C1, A8, NORTH}, {C2, A7, NORTH}, {C2, A1, SOUTH},
        {A2, E1, EAST},  {B1, D1, NORTH}, {A1, B1, EAST}, {B1, C1, 0}};
    for (const Case& k : cases) {
        EXPECT_EQ((*line)[k.a][k.c], k.dir) << Sq(k.a) << " -> " << Sq(k.c);
        EXPECT_EQ((*line)[k.c][k.a], -k.dir) << Sq(k.c) << " -> " << Sq(k.a);
    }
    // The model gives the same answers.
    Geometry g(gaps);
    for (const Case& k : cases) EXPECT_EQ(g.Line(k.a, k.c), k.dir) << Sq(k.a) << " -> " << Sq(k.c);
}

// The reach map only grows: another placement and then the plain board keep
// the earlier entries, and the plain board's own entries are all present.
TEST(CaptureMap, KeepsEarlierEntries) {
    state.dmode = 3;
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    const int x_pins[4] = {ABW_QL1, ABW_QL6, ABW_KL1, ABW_KL6};
    const int y_pins[4] = {ABW_QL3, ABW_QL4, ABW_KL2, ABW_KL5};
    const std::vector<uint32_t> x = Geometry(x_pins).Reaches();
    const std::vector<uint32_t> y = Geometry(y_pins).Reaches();
    std::vector<char> in_y(13 * 64 * 64, 0);
    for (uint32_t e : y) in_y[e] = 1;
    long x_only = 0;
    for (uint32_t e : x) x_only += !in_y[e];
    ASSERT_GT(x_only, 100) << "the two placements must differ in reach";

    auto missing = [](const std::vector<uint32_t>& want) {
        long n = 0;
        std::string first;
        for (uint32_t e : want)
            if (!Reached(e) && !n++) first = ReachStr(e);
        return std::to_string(n) + (n ? " missing, first " + first : " missing");
    };
    vt::SetPins(b, x_pins);
    Look(b, E1, NORTH);
    EXPECT_EQ(missing(x), "0 missing") << "after placement X";
    vt::SetPins(b, y_pins);
    Look(b, E1, NORTH);
    EXPECT_EQ(missing(y), "0 missing") << "after placement Y";
    EXPECT_EQ(missing(x), "0 missing") << "X entries after placement Y";

    state.dmode = 2;
    auto plain = vt::NewPos();
    SetupStartPosition(plain.get(), 2);
    UpdateMaps(plain.get());
    EXPECT_EQ(missing(PlainReaches()), "0 missing") << "plain board";
    EXPECT_EQ(missing(x), "0 missing") << "X entries after the plain board";
    EXPECT_EQ(missing(y), "0 missing") << "Y entries after the plain board";
    const LINE_MAP_T& line = SlidingMap(plain.get());
    long line_errors = 0;
    for (int a = 0; a < 64; ++a)
        for (int c = 0; c < 64; ++c)
            if (line[a][c] != vt::PlainLine(a, c) && line_errors++ < 5)
                ADD_FAILURE() << "plain line map [" << Sq(a) << "][" << Sq(c) << "] = "
                              << int(line[a][c]) << ", expected " << vt::PlainLine(a, c);
    EXPECT_EQ(line_errors, 0);
    for (int a = 0; a < 64; ++a)
        for (int c = 0; c < 64; ++c)
            ASSERT_EQ(capture_map[Plane(P_NONE)][a][c].load(), 0) << Sq(a) << Sq(c);
    EXPECT_EQ(GetLevel(plain.get(), A1), 0);
    state.dmode = 3;
}

// More placements than the cache has places: answers stay right for new and
// for early placements met again.
TEST(Geometry, MorePlacementsThanCachePlaces) {
    state.dmode = 3;
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    ResetBoardConfigCache();
    std::vector<std::array<int, 4>> seen;
    for (int i0 = 0; i0 < 12 && seen.size() < 600; ++i0)
        for (int i1 = 0; i1 < 12 && seen.size() < 600; ++i1)
            for (int i2 = 0; i2 < 12 && seen.size() < 600; ++i2)
                for (int i3 = 0; i3 < 12 && seen.size() < 600; ++i3) {
                    if (i0 == i1 || i0 == i2 || i0 == i3 || i1 == i2 || i1 == i3 || i2 == i3) continue;
                    // Spread the sample over the whole range of placements.
                    if ((i0 * 1331 + i1 * 121 + i2 * 11 + i3) % 17) continue;
                    seen.push_back({vt::kPins[i0].pin, vt::kPins[i1].pin, vt::kPins[i2].pin,
                                    vt::kPins[i3].pin});
                }
    ASSERT_GT(seen.size(), 520u);
    auto check = [&](const std::array<int, 4>& pins, const char* pass) {
        Geometry g(pins.data());
        vt::SetPins(b, pins.data());
        long bad = 0;
        for (int di = 0; di < 16; ++di)
            for (int sq = 0; sq < 64; ++sq) {
                const vt::List& want = g.Targets(di, sq);
                std::vector<SQ_T> w(want.t, want.t + want.n);
                if (Look(b, sq, kDirs[di].value) != w && !bad++)
                    ADD_FAILURE() << pass << " " << vt::PinsStr(pins.data()) << " " << Sq(sq) << " "
                                  << kDirs[di].name << ": expected " << Targets(want);
            }
        return bad;
    };
    long bad = 0;
    for (const auto& pins : seen) bad += check(pins, "first visit");
    for (size_t k = 0; k < 20; ++k) bad += check(seen[k], "second visit");
    EXPECT_EQ(bad, 0);
    ResetBoardConfigCache();
}

// The plain board: one square per step inside the 8x8 board, none outside.
TEST(Geometry, PlainBoardSteps) {
    state.dmode = 2;
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    SetupStartPosition(b, 2);
    using V = std::vector<SQ_T>;
    EXPECT_EQ(Look(b, A1, SOUTH), V());
    EXPECT_EQ(Look(b, A1, N_N_E), V({B3}));
    for (int sq = 0; sq < 64; ++sq)
        for (const vt::DirInfo& d : kDirs) {
            int c = (sq >> 3) + d.df, r = (sq & 7) + d.dr;
            V want;
            if (c >= 0 && c < 8 && r >= 0 && r < 8) want.push_back(SQ_T(sq + d.value));
            EXPECT_EQ(Look(b, sq, d.value), want) << Sq(sq) << " " << d.name;
            EXPECT_EQ(OffBoard(b, sq, d.value), want.empty()) << Sq(sq) << " " << d.name;
        }
    state.dmode = 3;
}

// Squares beyond the board and unknown directions give empty answers.
TEST(Geometry, BadSquaresAndDirections) {
    for (int mode : {3, 2}) {
        state.dmode = mode;
        auto pos = vt::NewPos();
        POS_T* b = pos.get();
        SetupStartPosition(b, mode);
        for (SQ_T bad : {SQ_T(65), SQ_T(100), SQ_T(0xFFFFFFFF)}) {
            SQ_T buf[8] = {7, 7, 7, 7, 7, 7, 7, 7};
            BTO_T bto{3, buf};
            EXPECT_EQ(DirTo(b, bad, NORTH, &bto), 0) << "mode " << mode << " square " << bad;
            EXPECT_EQ(bto.n, 0u);
            EXPECT_EQ(buf[0], 65u);
        }
    }
    state.dmode = 2;
    auto pos = vt::NewPos();
    SetupStartPosition(pos.get(), 2);
    SQ_T buf[8];
    BTO_T bto{0, buf};
    testing::internal::CaptureStdout();
    EXPECT_EQ(DirTo(pos.get(), D4, 2, &bto), 0);
    EXPECT_EQ(DirTo(pos.get(), D4, 0, &bto), 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("unknown 2d direction"), std::string::npos) << out;
    EXPECT_NE(out.find("NULL 2d direction"), std::string::npos) << out;

    state.dmode = 3;
    SetupStartPosition(pos.get(), 3);
    testing::internal::CaptureStdout();
    DirTo(pos.get(), D4, 2, &bto);
    DirTo(pos.get(), D4, 0, &bto);
    out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("unknown 3d direction"), std::string::npos) << out;
    EXPECT_NE(out.find("NULL 3d direction"), std::string::npos) << out;
}

// Two boards on one pin cannot be linked: the program stops.
TEST(GeometryDeathTest, TwoBoardsOnOnePinStop) {
    state.dmode = 3;
    auto pos = vt::NewPos();
    const int clash[4] = {ABW_QL3, ABW_QL6, ABW_QL3, ABW_KL6};
    vt::SetPins(pos.get(), clash);
    SQ_T buf[8];
    BTO_T bto{0, buf};
    EXPECT_EXIT(DirTo(pos.get(), E1, NORTH, &bto), testing::ExitedWithCode(vt::kPanicExit), "");
}
