// Input without a window. The K key moves an attack board with the pieces on
// it, and the position must then answer exactly like one set up afresh on
// that placement; on a board being edited (no king) it must neither crash nor
// pretend the game can go on. F5 reads the favourite view from a file that
// may be damaged. Nothing here may call into GLUT (its key codes only).
#include "movegen/movegen.h"
#include "record/record.h"
#include "shell/shell.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
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
    CreatePBoard(b, state.dmode);
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

// ---------------------------------------------------------------- favourite view

class FavoriteView : public testing::Test {
protected:
    std::string old_dir;
    std::string dir;

    void SetUp() override
    {
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        old_dir = cwd;
        dir = testing::TempDir() + "vornak_favview_" + testing::UnitTest::GetInstance()->current_test_info()->name();
        mkdir(dir.c_str(), 0700);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        std::remove("favview.sav");
        state.dmode = 3;
        state.xang = 10;
        state.yang = 20;
        state.scale = 3;
    }
    void TearDown() override
    {
        std::remove("favview.sav");
        EXPECT_EQ(chdir(old_dir.c_str()), 0);
        rmdir(dir.c_str());
    }

    // F5 with the file holding text; answers what it printed.
    std::string Fetch(const char* text)
    {
        if (text) {
            FILE* f = fopen("favview.sav", "w");
            fputs(text, f);
            fclose(f);
        }
        CaptureStdout();
        KeyboardSpecial(GLUT_KEY_F5, 0, 0);
        return GetCapturedStdout();
    }

    void ExpectView(float xang, float yang, float scale)
    {
        EXPECT_EQ(state.xang, xang);
        EXPECT_EQ(state.yang, yang);
        EXPECT_EQ(state.scale, scale);
    }
};

TEST_F(FavoriteView, StoredThenFetchedExactly)
{
    state.xang = 12.5f;
    state.yang = 359;
    state.scale = 1.7f;
    CaptureStdout();
    KeyboardSpecial(GLUT_KEY_F6, 0, 0);
    EXPECT_EQ(GetCapturedStdout(), "\nFavorite view SAVED");
    state.xang = state.yang = 0;
    state.scale = 1;
    EXPECT_EQ(Fetch(nullptr), "\nFavorite view LOADED");
    ExpectView(12.5f, 359, 1.7f);
}

TEST_F(FavoriteView, AMissingFileGivesTheDefaultView)
{
    EXPECT_EQ(Fetch(nullptr), "\nFavorite view LOADED");
    ExpectView(300, 0, 1.6f);
}

TEST_F(FavoriteView, AnglesAreBroughtIntoOneTurn)
{
    EXPECT_EQ(Fetch("-30\n725\n2\n"), "\nFavorite view LOADED");
    ExpectView(330, 5, 2);
    Fetch("360\n-360\n0.5\n");
    ExpectView(0, 0, 0.5f);
}

TEST_F(FavoriteView, ADamagedFileGivesTheDefaultViewNotAHalfReadOne)
{
    const char* damaged[] = {"45\n90\n",         // a number short
                             "nan\n0\n1\n",      // not a number
                             "0\n1e39\n1\n",     // beyond a float
                             "0\n0\n0\n",        // no zoom at all
                             "0\n0\n-2\n",       // a negative zoom
                             "zoom\n"};
    for (const char* text : damaged) {
        state.xang = 10;
        state.yang = 20;
        state.scale = 3;
        EXPECT_EQ(Fetch(text), "\nFavorite view LOADED\nPanic: favorite view file incomplete") << text;
        ExpectView(300, 0, 1.6f);
    }
}

}  // namespace
