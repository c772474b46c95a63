// Why a refused move is refused, in the words the window shows.
#include "MoveTestUtil.h"

#include <string>

namespace {

SQ_T At(const char* name)
{
    for (SQ_T s = 0; s < 64; s++)
        if (std::string(IndexSquareName(s)) == name)
            return s;
    return NO_SQUARE;
}

std::string Why(POS_T* b, const char* from, const char* to)
{
    MOVE_T m;
    SQ_T f = At(from), t = At(to);
    InitMove(&m, b->board[f], f, t, NO_VALUE, b->board[t] ? 'x' : '-', 0);
    char why[128];
    RefusalReason(b, &m, why, sizeof why);
    return why;
}

TEST(RefusalReason, PlainGameMovesSayWhy)
{
    state.dmode = 2;
    // White in check from b4: a2-a3 does not help.
    auto check = mt::Load("rnbqk1nr/pppp1ppp/8/4p3/1b1PP3/8/PPP2PPP/RNBQKBNR w KQkq - 1 3");
    ASSERT_TRUE(check);
    EXPECT_EQ(Why(check.get(), "A2", "A3"), "the king is in check and this move does not save it");
    EXPECT_EQ(Why(check.get(), "E8", "E7"), "it is White's turn");
    // c3 blocks and is pinned.
    auto pin = mt::Load("rnbqk1nr/1ppp1ppp/p7/4p3/1b1PP3/2P5/PP3PPP/RNBQKBNR w KQkq - 0 4");
    ASSERT_TRUE(pin);
    EXPECT_EQ(Why(pin.get(), "C3", "C4"), "the pawn is pinned: the king would be in check");
    EXPECT_EQ(Why(pin.get(), "D4", "D6"), "that pawn has already moved: only its first move may go two squares");
    EXPECT_EQ(Why(pin.get(), "E4", "E5"), "a pawn cannot capture straight ahead");
    EXPECT_EQ(Why(pin.get(), "A2", "B3"), "a pawn moves diagonally only to capture");
    EXPECT_EQ(Why(pin.get(), "D1", "D4"), "that square holds your own pawn");
    EXPECT_EQ(Why(pin.get(), "G1", "G3"), "a knight does not jump there");
    EXPECT_EQ(Why(pin.get(), "E1", "E2"), "the king would move into check");
}

TEST(RefusalReason, AttackBoardsNameTheRule)
{
    state.dmode = 3;
    auto start = mt::Load(mt::kStart3d);
    ASSERT_TRUE(start);
    MOVE_T m;
    InitMove(&m, AB_QLW, ABW_QL1, ABW_QL3, NO_VALUE, 'T', 0);
    char why[128];
    RefusalReason(start.get(), &m, why, sizeof why);
    EXPECT_STREQ(why, "an attack board carrying more than one piece may not move");
    InitMove(&m, AB_QLB, ABW_QL6, ABW_QL4, NO_VALUE, 'T', 0);
    RefusalReason(start.get(), &m, why, sizeof why);
    EXPECT_STREQ(why, "it is White's turn");

    // White's queen's-side board on QL3 carries a pawn alone: it may go
    // toward Black, not back to QL1, and nowhere but to a neighbouring pin.
    for (int rules : {RULES_TDCL, RULES_TOURNAMENT}) {
        auto pawn = mt::Load(
            "3d .P....pr/......pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w - - 0 1 "
            "QL3,QL6,KL1,KL6 wbwb",
            rules);
        ASSERT_TRUE(pawn);
        InitMove(&m, AB_QLW, ABW_QL3, ABW_QL1, NO_VALUE, 'T', 0);
        RefusalReason(pawn.get(), &m, why, sizeof why);
        EXPECT_STREQ(why, rules == RULES_TDCL ? "under the TDCL rules a board carrying a pawn moves only toward Black"
                                              : "under the tournament rules a board carrying a pawn moves only "
                                                "toward Black");
        InitMove(&m, AB_QLW, ABW_QL3, ABW_KL6, NO_VALUE, 'T', 0);
        RefusalReason(pawn.get(), &m, why, sizeof why);
        EXPECT_STREQ(why, "another attack board stands on KL6");
        InitMove(&m, AB_QLW, ABW_QL3, ABW_KL5, NO_VALUE, 'T', 0);
        RefusalReason(pawn.get(), &m, why, sizeof why);
        EXPECT_STREQ(why, "from QL3 an attack board moves only to a neighbouring pin");
    }
    state.rules = RULES_TDCL;
}

// Selecting a board that cannot move says why; one that can says nothing.
TEST(RefusalReason, StuckBoardSaysWhy)
{
    state.dmode = 3;
    auto start = mt::Load(mt::kStart3d);
    ASSERT_TRUE(start);
    char why[128] = "untouched";
    EXPECT_TRUE(BoardStuckReason(start.get(), AB_KLW, why, sizeof why));
    EXPECT_STREQ(why, "an attack board carrying more than one piece may not move");
    EXPECT_TRUE(BoardStuckReason(start.get(), AB_QLB, why, sizeof why));
    EXPECT_STREQ(why, "it is White's turn");

    auto pawn = mt::Load(
        "3d .P....pr/......pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w - - 0 1 "
        "QL3,QL6,KL1,KL6 wbwb",
        RULES_TDCL);
    ASSERT_TRUE(pawn);
    snprintf(why, sizeof why, "untouched");
    EXPECT_FALSE(BoardStuckReason(pawn.get(), AB_QLW, why, sizeof why));
    EXPECT_STREQ(why, "untouched");
    EXPECT_TRUE(BoardStuckReason(pawn.get(), A1, why, sizeof why));
    EXPECT_STREQ(why, "there is no such attack board");
}

}  // namespace
