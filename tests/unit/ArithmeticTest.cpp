// Small arithmetic and bit helpers of the board model, checked against the
// compiler's bit builtins and against definitions worked out by hand.
#include "TestUtil.h"

#include "board/board.h"
#include "eval/eval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// A small deterministic generator so that failures repeat.
uint32_t NextRandom(uint64_t* s) {
    *s = *s * 6364136223846793005ull + 1442695040888963407ull;
    return uint32_t(*s >> 32);
}

}  // namespace

TEST(BitOps, LowestAndHighestSetBit) {
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(FFOne(1u << i), i);
        EXPECT_EQ(FLOne(1u << i), i);
    }
    EXPECT_EQ(FLOne(0), -1);
    uint64_t seed = 1;
    for (int k = 0; k < 20000; ++k) {
        // Thin the bits out now and then so that sparse masks are common.
        uint32_t m = NextRandom(&seed);
        if (k & 1) m &= NextRandom(&seed) & NextRandom(&seed);
        if (!m) continue;
        ASSERT_EQ(FFOne(m), __builtin_ctz(m)) << std::hex << m;
        ASSERT_EQ(FLOne(m), 31 - __builtin_clz(m)) << std::hex << m;
    }
}

TEST(BitOps, PopulationCounts) {
    InitEvalTables();
    for (uint32_t x = 0; x < 0x10000; ++x) {
        ASSERT_EQ(PopCount16(x), __builtin_popcount(x)) << x;
        ASSERT_EQ(PopCount16(x | 0x5A5A0000u), __builtin_popcount(x)) << x;  // high half ignored
    }
    EXPECT_EQ(PopCount16(0x10000), 0);
    EXPECT_EQ(PopCount32(0xFFFFFFFFu), 32);
    EXPECT_EQ(BitCount(0xFFFFFFFFu), 32);
    EXPECT_EQ(BitCount(0), 0);
    uint64_t seed = 7;
    for (int k = 0; k < 20000; ++k) {
        uint32_t m = NextRandom(&seed);
        ASSERT_EQ(PopCount32(m), __builtin_popcount(m)) << std::hex << m;
        ASSERT_EQ(BitCount(m), __builtin_popcount(m)) << std::hex << m;
    }
}

TEST(Arithmetic, SignColourAndSliding) {
    EXPECT_EQ(sign(0), 1);
    EXPECT_EQ(sign(-1), -1);
    EXPECT_EQ(sign(-400000), -1);
    EXPECT_EQ(sign(7), 1);
    EXPECT_EQ(SameColor(0, 5), 1);
    EXPECT_EQ(SameColor(0, -5), 0);
    EXPECT_EQ(SameColor(-1, -6), 1);
    EXPECT_EQ(SameColor(3, -3), 0);
    EXPECT_EQ(SameColor(-2, 0), 0);
    for (int p = -6; p <= 6; ++p) {
        int kind = std::abs(p);
        EXPECT_EQ(IsSliding(p), kind >= 3 && kind <= 5 ? 1 : 0) << p;
    }
}

// The smaller king distance to A1 or H8, for every square.
TEST(Arithmetic, CornerDistance) {
    for (int sq = 0; sq < 64; ++sq) {
        int c = sq >> 3, r = sq & 7;
        int to_a1 = std::max(c, r), to_h8 = std::max(7 - c, 7 - r);
        EXPECT_EQ(CornerDistance(sq), std::min(to_a1, to_h8)) << vt::Sq(sq);
    }
    EXPECT_EQ(CornerDistance(D4), 3);
    EXPECT_EQ(CornerDistance(E5), 3);
    EXPECT_EQ(CornerDistance(D5), 4);
}

TEST(Arithmetic, InvertMirrorsRows) {
    ETYPE_T src[64], dst[64];
    for (int i = 0; i < 64; ++i) src[i] = 1000 + i * 7;
    invert(dst, src);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(dst[i], src[(i & ~7) | (7 - (i & 7))]) << i;
}

TEST(Moves, ZeroAndSameMove) {
    MOVE_T a, b;
    std::memset(&a, 0xFF, sizeof a);
    ZeroMove(&a);
    MOVE_T zero;
    std::memset(&zero, 0, sizeof zero);
    EXPECT_EQ(std::memcmp(&a, &zero, sizeof a), 0);
    EXPECT_TRUE(IsZeroMove(&a));

    InitMove(&a, W_KNIGHT, B1, C3, 405000, '-', 0);
    EXPECT_EQ(a.piece_moving, W_KNIGHT);
    EXPECT_EQ(a.from, SQ_T(B1));
    EXPECT_EQ(a.to, SQ_T(C3));
    EXPECT_EQ(a.v, 405000);
    EXPECT_EQ(a.move_symbol, '-');
    EXPECT_EQ(a.check, 0);
    EXPECT_FALSE(IsZeroMove(&a));

    // Only the squares matter, even between a piece and an attack-board move.
    InitMove(&b, AB_QLW, B1, C3, 17, 'T', 1);
    EXPECT_TRUE(SameMove(&a, &b));
    InitMove(&b, W_KNIGHT, B1, D2, 405000, '-', 0);
    EXPECT_FALSE(SameMove(&a, &b));
    InitMove(&b, W_QUEEN, A1, A1, 0, 'x', 1);
    b.from = 0;
    b.to = 0;
    EXPECT_TRUE(IsZeroMove(&b));  // other fields do not count
}

// Plain-board line emptiness between two squares, exclusive of both ends.
TEST(Arithmetic, EmptyLine) {
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    b->board[A1] = W_ROOK;
    b->board[A8] = B_ROOK;
    b->board[H8] = B_KING;
    EXPECT_EQ(EmptyLine(b, A1, A8), 1);
    EXPECT_EQ(EmptyLine(b, A8, A1), 1);
    EXPECT_EQ(EmptyLine(b, A1, H8), 1);
    b->board[A4] = W_PAWN;
    b->board[E5] = B_PAWN;
    EXPECT_EQ(EmptyLine(b, A1, A8), 0);
    EXPECT_EQ(EmptyLine(b, A8, A1), 0);
    EXPECT_EQ(EmptyLine(b, A1, A4), 1);
    EXPECT_EQ(EmptyLine(b, A1, H8), 0);
    EXPECT_EQ(EmptyLine(b, H8, A1), 0);
    EXPECT_EQ(EmptyLine(b, A1, D4), 1);
    EXPECT_EQ(EmptyLine(b, A1, B1), 1);
}

// The file and rank a player sees: plain board index, or the projected cell
// of a fixed-level square.
TEST(Arithmetic, FileAndRank) {
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    vt::SetHomePins(b);
    b->dmode = 2;
    for (int sq = 0; sq < 64; ++sq) {
        EXPECT_EQ(GetFile(b, sq, NOTATION_STANDARD), unsigned(sq >> 3)) << vt::Sq(sq);
        EXPECT_EQ(GetRank(b, sq), unsigned(sq & 7)) << vt::Sq(sq);
    }
    b->dmode = 3;
    const int home[4] = {ABW_QL1, ABW_QL6, ABW_KL1, ABW_KL6};
    vt::Geometry g(home);
    for (int sq = 0; sq < 64; ++sq) {
        if (vt::BoardOf(sq) >= 0) {
            EXPECT_EQ(GetRank(b, sq), 0u) << vt::Sq(sq);
            continue;
        }
        EXPECT_EQ(GetFile(b, sq, NOTATION_STANDARD), unsigned(g.CellOf(sq).file)) << vt::Sq(sq);
        EXPECT_EQ(GetRank(b, sq), unsigned(g.CellOf(sq).rank)) << vt::Sq(sq);
    }
}
