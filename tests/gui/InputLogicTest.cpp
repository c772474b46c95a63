// Input that changes the board in place, without a window: the K key moves
// an attack board with the pieces on it, and the position must then answer
// exactly like one set up afresh on that placement; on a board being edited
// (no king) it must neither crash nor pretend the game can go on. Nothing
// here may call into GLUT.
#include "movegen/movegen.h"
#include "record/record.h"
#include "shell/shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

std::string Press(unsigned char c)
{
    CaptureStdout();
    Keyboard(c, 0, 0);
    return GetCapturedStdout();
}

// J counts 1, 2, 3, 0: steps round to the wanted board whatever came before.
void ChooseBoard(int board)
{
    for (int i = 0; i < 4; i++)
        if (Press('J') == "\nj=" + std::to_string(board))
            return;
    FAIL() << "J never chose board " << board;
}

void NewTriGame(const std::string& line)
{
    memset((void*)&state, 0, sizeof state);
    state.maxdepth = DIFF_HARD;
    state.rules = RULES_TDCL;
    state.notation = NOTATION_STANDARD;
    replay = -1;
    POS_T parsed;
    int mode = 0;
    std::string err;
    ASSERT_TRUE(ParsePosition(line, &parsed, &mode, &err)) << err;
    ASSERT_EQ(mode, 3);
    state.dmode = 3;
    state.position = parsed;
}

std::vector<std::string> Legal(POS_T* b)
{
    POS_T copy = *b;
    std::vector<MOVE_T> moves;
    LegalChoices(&copy, &moves);
    std::vector<std::string> texts;
    for (const MOVE_T& m : moves)
        texts.push_back(CoordinateMove(&m));
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The same placement set up from its text: the oracle for what the moved
// board's maps, check flag and moves must be.
POS_T Fresh(POS_T* b)
{
    POS_T fresh;
    int mode = 0;
    std::string err;
    std::string line = FormatPosition(b, 3);
    EXPECT_TRUE(ParsePosition(line, &fresh, &mode, &err)) << line << ": " << err;
    return fresh;
}

TEST(KKey, AfterAMoveTheBoardAnswersLikeAFreshSetUp)
{
    NewTriGame("3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 "
               "QL1,QL6,KL1,KL6 wbwb");
    POS_T* b = &state.position;
    ChooseBoard(0);
    EXPECT_EQ(Press('K'), "\nj=0 k=32");
    ASSERT_EQ(b->whereis_board[0], ABW_QL2);
    POS_T fresh = Fresh(b);
    EXPECT_EQ(memcmp(b->topieces, fresh.topieces, sizeof fresh.topieces), 0) << "attack maps left stale";
    EXPECT_EQ(b->flags & FLAG_IN_CHECK, fresh.flags & FLAG_IN_CHECK);
    EXPECT_EQ(Legal(b), Legal(&fresh));
    EXPECT_TRUE(PositionPlayable(b));
    Clutch(0);
}

TEST(KKey, ABoardBeingEditedIsMovedButStaysUnplayable)
{
    NewTriGame("3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 "
               "QL1,QL6,KL1,KL6 wbwb");
    POS_T* b = &state.position;
    b->board[C8] = 0;  // the black king taken off by an edit
    CaptureStdout();
    CreatePBoard(b);
    GetCapturedStdout();
    UpdateMaps(b);
    ASSERT_FALSE(PositionPlayable(b));
    ChooseBoard(3);
    // From KL6 round to QL1, where board 0 stands, then QL2.
    EXPECT_EQ(Press('k'), "\nj=3 k=63\nj=3 k=63");
    EXPECT_EQ(b->whereis_board[3], ABW_QL2);
    EXPECT_FALSE(PositionPlayable(b));
    Clutch(0);
}

}  // namespace
