// The static exchange on hand-built captures: plain exchanges with and
// without a battery behind the first capturer, a king that may not take a
// defended piece, and captures across the levels and onto attack boards.
#include "SearchTestUtil.h"
#include "eval/eval.h"

namespace {

int Worth(int piece)
{
    InitEvalTables();
    return new_coefficients[MATERIAL + piece];
}

int Exchange(const std::string& position, SQ_T from, SQ_T to)
{
    auto b = st::Load(position);
    return StaticExchange(b.get(), from, to);
}

TEST(StaticExchange, PlainExchanges)
{
    const int P = Worth(W_PAWN), N = Worth(W_KNIGHT), R = Worth(W_ROOK);
    // A free pawn, and one defended by a pawn taken by a knight.
    EXPECT_EQ(Exchange("4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", E4, D5), P);
    EXPECT_EQ(Exchange("4k3/8/2p5/3p4/8/4N3/8/4K3 w - - 0 1", E3, D5), P - N);
    // The defender stops when recapturing would lose more: the knight on d5
    // is defended by the pawn, the queen that takes it is lost.
    EXPECT_EQ(Exchange("4k3/8/2p5/3n4/8/8/8/3QK3 w - - 0 1", D1, D5), N - Worth(W_QUEEN));
    // Doubled rooks: the one behind joins once the first has gone, so the
    // defended pawn is won; the same rook alone loses itself for it.
    EXPECT_EQ(Exchange("3rk3/8/8/3p4/8/8/3R4/3RK3 w - - 0 1", D2, D5), P);
    EXPECT_EQ(Exchange("3rk3/8/8/3p4/8/8/3R4/4K3 w - - 0 1", D2, D5), P - R);
    // Black's own battery answers in the same way.
    EXPECT_EQ(Exchange("3qk3/3r4/8/3p4/8/8/3R4/3RK3 w - - 0 1", D2, D5), P - R);
    // A king cannot take a defended pawn; a move to an attacked empty square
    // loses the piece.
    EXPECT_LT(Exchange("4k3/8/8/8/8/2p5/3p4/4K3 w - - 0 1", E1, D2), 0);
    EXPECT_EQ(Exchange("4k3/8/2p5/8/8/4N3/8/4K3 w - - 0 1", E3, D5), -N);
}

TEST(StaticExchange, AcrossLevelsAndOntoAttackBoards)
{
    const int N = Worth(W_KNIGHT), R = Worth(W_ROOK);
    // The rook on White's level takes a knight on the neutral level, which
    // the rook on Black's level defends along the same file.
    const char* levels = "3d ...n..../......../K......./......../R......r/......../......../......k. w - - 0 1 "
                         "QL1,QL6,KL1,KL6 wbwb";
    EXPECT_EQ(Exchange(levels, E1, A4), N - R);
    const char* undefended = "3d ...n..../......../K......./......../R......./......../......../......k. w - - 0 1 "
                             "QL1,QL6,KL1,KL6 wbwb";
    EXPECT_EQ(Exchange(undefended, E1, A4), N);
    // From White's attack board onto Black's: the rook on A2 takes the knight
    // on A7, which the rook on Black's level defends.
    const char* boards = "3d .R....n./......../K......./......../.......r/......../......../......k. w - - 0 1 "
                         "QL1,QL6,KL1,KL6 wbwb";
    EXPECT_EQ(Exchange(boards, A2, A7), N - R);
}

}  // namespace
