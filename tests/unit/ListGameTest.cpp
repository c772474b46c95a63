// The game listing: the moves in numbered pairs on the console and in the
// file, and the picture of the board's 64 cells under them.
#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

using rt::Console;
using rt::NewGame;
using rt::PlayAll;

const std::string kRule = "|---+---+---+---+---+---+---+---|\n";
const std::string kEdge = "---------------------------------\n";

// One rank of the picture from its eight cells: '*' marks Black; both
// sides' pieces are written "pNBRQK".
std::string Row(const char* cells)
{
    std::string row;
    for (int f = 0; f < 8; f++) {
        char c = cells[f];
        bool black = c >= 'a' && c <= 'z';
        char kind = black ? (char)(c - 'a' + 'A') : c;
        row += "|";
        row += black ? '*' : ' ';
        row += c == '.' ? ' ' : kind == 'P' ? 'p' : kind;
        row += " ";
    }
    return row + "|\n";
}

// Ranks 8 down to 1.
std::string Picture(const char* const ranks[8])
{
    std::string p = "\n\n\n" + kEdge;
    for (int r = 0; r < 8; r++)
        p += Row(ranks[r]) + (r < 7 ? kRule : kEdge);
    return p;
}

class ListGameTest : public testing::Test {
protected:
    std::string path;

    void SetUp() override
    {
        path = testing::TempDir() + "vornak_list_" + std::to_string(getpid()) + ".txt";
        target = path;
        shell_hooks = SHELL_HOOKS_T{};
    }
    void TearDown() override
    {
        shell_hooks = SHELL_HOOKS_T{};
        unlink(path.c_str());
    }

    static std::string target;
    static int Chooser(const FILE_CHOICE_T* what, char* name, size_t size)
    {
        EXPECT_STREQ(what->default_name, "gamelist.txt");
        EXPECT_STREQ(name, "gamelist.txt");
        snprintf(name, size, "%s", target.c_str());
        return 1;
    }
    static int Cancel(const FILE_CHOICE_T*, char*, size_t) { return 0; }

    std::string File()
    {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};
std::string ListGameTest::target;

TEST_F(ListGameTest, AnEmptyGameListsNoMovesAndTheBoard)
{
    NewGame(2);
    shell_hooks.choose_file = Chooser;
    std::string out = Console([] { ListGame(false); });
    EXPECT_EQ(out, "\nGame listing: 0 plies\n");
    const char* const ranks[8] = {"rnbqkbnr", "pppppppp", "........", "........",
                                  "........", "........", "PPPPPPPP", "RNBQKBNR"};
    EXPECT_EQ(File(), "Game listing: 0 plies\n" + Picture(ranks));
}

TEST_F(ListGameTest, AnOddPlyCountEndsWithWhitesMove)
{
    NewGame(2, NOTATION_ALGEBRAIC);
    PlayAll({"e2e4", "e7e5", "g1f3"});
    shell_hooks.choose_file = Chooser;
    std::string out = Console([] { ListGame(false); });
    EXPECT_EQ(out, "\nGame listing: 3 plies\n 1. e4 - e5\n 2. Nf3\n");
    const char* const ranks[8] = {"rnbqkbnr", "pppp.ppp", "........", "....p...",
                                  "....P...", ".....N..", "PPPP.PPP", "RNBQKB.R"};
    EXPECT_EQ(File(), "Game listing: 3 plies\n\n 1. e4 - e5\n 2. Nf3" + Picture(ranks));

    // On the screen only: no file, no chooser.
    unlink(path.c_str());
    shell_hooks.choose_file = Cancel;
    out = Console([] { ListGame(true); });
    EXPECT_EQ(out, "\n 1. e4 - e5\n 2. Nf3\n");
    EXPECT_NE(access(path.c_str(), F_OK), 0);

    // Cancelled: nothing at all.
    out = Console([] { ListGame(false); });
    EXPECT_EQ(out, "");
    EXPECT_NE(access(path.c_str(), F_OK), 0);
}

TEST_F(ListGameTest, TheTriDimensionalBoardShowsItsCellSpace)
{
    NewGame(3, NOTATION_VESKAR);
    PlayAll({"E2E3", "E7A6"});
    shell_hooks.choose_file = Chooser;
    std::string out = Console([] { ListGame(false); });
    EXPECT_EQ(out, "\nGame listing: 2 plies\n 1. a3W - a6N\n");
    // Cells A..H of each rank index, attack boards and levels as they lie in
    // the index space.
    const char* const ranks[8] = {"rqkrnbbn", "pppp.ppp", "p.......", "........",
                                  "........", "....P...", "PPPP.PPP", "RQKRNBBN"};
    EXPECT_EQ(File(), "Game listing: 2 plies\n\n 1. a3W - a6N" + Picture(ranks));
}

TEST_F(ListGameTest, AnEmptyListIsRebuiltFirst)
{
    NewGame(2, NOTATION_VESKAR);
    PlayAll({"d2d4", "d7d5"});
    memset(game_list_strings, 0, sizeof game_list_strings);
    std::string out = Console([] { ListGame(true); });
    EXPECT_EQ(out, "\n 1. d4 - d5\n");

    // A file that cannot be written is reported.
    target = "/nonexistent-folder/list.txt";
    shell_hooks.choose_file = Chooser;
    out = Console([] { ListGame(false); });
    EXPECT_EQ(out, "\nPanic: can't open list file for writing");
}

}  // namespace
