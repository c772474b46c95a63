// Boards that editing leaves unfit for play: which ones are told apart, and
// that the game waits on them, for every move, until they are repaired.
#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using rt::Console;
using rt::NewGame;
using rt::NewGameFrom;

std::string Why(const POS_T* b)
{
    const char* why = PositionUnplayableWhy(b);
    return why ? why : "";
}

// What the board editor does after each change: rebuild from the cells.
int Rebuild(POS_T* b)
{
    int built = 0;
    Console([&] { built = CreatePBoard(b, state.dmode); });
    UpdateMaps(b);
    return built;
}

TEST(PositionPlayable, StartPositionsAndPlayedGamesPass)
{
    NewGame(2);
    EXPECT_TRUE(PositionPlayable(&state.position)) << Why(&state.position);
    rt::PlayAll({"e2e4", "d7d5", "e4d5", "d8d5"});
    EXPECT_TRUE(PositionPlayable(&state.position)) << Why(&state.position);

    NewGame(3);
    EXPECT_TRUE(PositionPlayable(&state.position)) << Why(&state.position);
    // A promotion leaves a queen in a pawn's slot; that is sound.
    NewGameFrom("8/4P3/8/8/8/8/k7/4K3 w - - 0 1");
    rt::Play("e7e8q");
    EXPECT_TRUE(PositionPlayable(&state.position)) << Why(&state.position);
}

TEST(PositionPlayable, KingsAreCountedOnTheBoard)
{
    NewGame(2);
    POS_T* b = &state.position;
    b->board[E8] = 0;
    EXPECT_EQ(Why(b), "Black has no king");
    EXPECT_EQ(Rebuild(b), 0);  // the rebuild refuses too, and leaves no piece list
    EXPECT_FALSE(PositionPlayable(b));

    NewGameFrom("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    b->board[E4] = W_KING;
    EXPECT_EQ(Rebuild(b), 1);  // the rebuild takes the second king as an extra piece
    EXPECT_EQ(Why(b), "White has more than one king");

    NewGame(3);
    b->board[C1] = 0;
    Rebuild(b);
    EXPECT_EQ(Why(b), "White has no king");
}

TEST(PositionPlayable, APieceListThatDisagreesWithTheBoardFails)
{
    // "Clear board" empties the cells only.
    NewGame(2);
    POS_T* b = &state.position;
    for (int& cell : b->board)
        cell = 0;
    EXPECT_FALSE(PositionPlayable(b));

    // A piece put on the board without a slot.
    NewGameFrom("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    b->board[D4] = B_QUEEN;
    EXPECT_EQ(Why(b), "the piece list does not match the board");
    Rebuild(b);
    EXPECT_TRUE(PositionPlayable(b)) << Why(b);

    // A piece taken off the board but left in its slot: the kings still
    // stand, so only the list tells.
    NewGame(2);
    b->board[B1] = 0;
    EXPECT_EQ(Why(b), "the piece list does not match the board");

    // Slots of the wrong side or kind.
    NewGame(2);
    PS_T* pawn = GetPBoard(b, E2);
    ASSERT_NE(pawn, nullptr);
    int slot = int(pawn - b->pieces);
    std::swap(b->pieces[slot], b->pieces[W_QUEEN_SLOT]);
    b->pboard[E2] = W_QUEEN_SLOT;
    b->pboard[D1] = (unsigned char)slot;
    EXPECT_EQ(Why(b), "the piece list does not match the board");
}

TEST(PositionPlayable, AttackBoardsCountersAndEnPassant)
{
    NewGame(3);
    POS_T* b = &state.position;
    POS_T saved = *b;
    b->whereis_board[1] = b->whereis_board[0];
    EXPECT_EQ(Why(b), "two attack boards share a pin");
    *b = saved;
    b->whereis_board[3] = ABWHERE_E(33);
    EXPECT_EQ(Why(b), "an attack board stands on no pin");
    // The plain game has no attack boards to check.
    b->dmode = 2;
    EXPECT_TRUE(PositionPlayable(b)) << Why(b);
    b->dmode = 3;

    *b = saved;
    b->move_num = -1;
    EXPECT_EQ(Why(b), "the ply count is out of range");
    b->move_num = MAX_GAME_PLIES + 1;
    EXPECT_FALSE(PositionPlayable(b));

    *b = saved;
    b->enpassant = C1;  // where the white king stands
    EXPECT_EQ(Why(b), "the en-passant square is not an empty square");
    b->enpassant = 64;
    EXPECT_FALSE(PositionPlayable(b));

    *b = saved;
    b->board[E4] = 9;
    EXPECT_EQ(Why(b), "a square holds no known piece");
}

TEST(PositionPlayable, TooManyPiecesFail)
{
    NewGameFrom("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    POS_T* b = &state.position;
    for (SQ_T sq = A2; sq <= A8; sq++)
        b->board[sq] = W_PAWN;
    b->board[B2] = W_PAWN;
    b->board[C2] = W_PAWN;  // nine pawns
    EXPECT_EQ(Rebuild(b), 0);
    EXPECT_EQ(Why(b), "too many pieces");
}

TEST(PositionPlayable, TheGameWaitsOnAnUnplayableBoardAndGoesOnOnceRepaired)
{
    NewGame(2);
    rt::PlayAll({"e2e4", "e7e5"});
    POS_T* b = &state.position;
    b->board[E8] = 0;
    Rebuild(b);
    state.oeb.pos_0 = *b;
    state.oeb.inited = 1;
    auto before = rt::SaveImage();

    MOVE_T knight;
    InitMove(&knight, W_KNIGHT, G1, F3, NO_VALUE, '-', 0);
    std::string out = Console([&] { EXPECT_EQ(PlayerMoved(b, &knight), 0); });
    EXPECT_EQ(out, "\nNo move can be played until the board is set up again: Black has no king");
    EXPECT_EQ(rt::SaveImage(), before);

    // Taking back and reviewing rebuild from the edited start: no crash,
    // and the board still waits.
    Console([] { UndoMoves(1); });
    EXPECT_FALSE(PositionPlayable(&state.position));
    Console([] {
        ReplayMoves(-1);
        ReplayMoves(1);
        ReplayExit();
    });
    EXPECT_FALSE(PositionPlayable(&state.position));

    // The king comes back: the game goes on from the edited board.
    b->board[E8] = B_KING;
    EXPECT_EQ(Rebuild(b), 1);
    state.oeb.pos_0 = *b;
    ASSERT_TRUE(PositionPlayable(b)) << Why(b);
    InitMove(&knight, W_KNIGHT, G1, F3, NO_VALUE, '-', 0);
    Console([&] { EXPECT_EQ(PlayerMoved(b, &knight), 1); });
    EXPECT_EQ(b->board[F3], W_KNIGHT);
}

// The thinking thread, as the record's commands stop and start it.
std::vector<int> clutch_calls;

TEST(Review, SavingOrAFailedRestoreDoesNotWakeTheThreadDuringAReview)
{
    std::string dir = testing::TempDir() + "vornak_review_thread";
    mkdir(dir.c_str(), 0700);
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(dir.c_str()), 0);

    NewGame(2);
    rt::PlayAll({"e2e4", "e7e5"});
    clutch_calls.clear();
    shell_hooks.clutch = [](int start) { clutch_calls.push_back(start); };
    Console([] { ReplayMoves(-1); });
    ASSERT_NE(replay, -1);
    Console([] { EXPECT_TRUE(SaveGame(1)); });
    FILE* f = fopen("vornak.sav", "w");  // a file no layout has
    fputs("short", f);
    fclose(f);
    Console([] { EXPECT_FALSE(RestoreGame(1)); });
    for (int start : clutch_calls)
        EXPECT_EQ(start, 0) << "the thread was started during the review";

    // Once the review ends, saving starts it again as before.
    Console([] { ReplayExit(); });
    clutch_calls.clear();
    Console([] { EXPECT_TRUE(SaveGame(1)); });
    EXPECT_EQ(clutch_calls, (std::vector<int>{0, 1}));
    shell_hooks = SHELL_HOOKS_T{};
    std::remove("vornak.sav");
    EXPECT_EQ(chdir(cwd), 0);
    rmdir(dir.c_str());
}

TEST(Promotion, ABoxThatCannotBeShownStillPromotesToAQueen)
{
    NewGameFrom("8/4P3/8/8/8/8/k7/4K3 w - - 0 1");
    shell_hooks.mouse_move = [] { return true; };
    shell_hooks.ask_promotion = [] { return -1; };
    MOVE_T push;
    InitMove(&push, W_PAWN, E7, E8, NO_VALUE, '-', 0);
    std::string out = Console([&] { EXPECT_EQ(PlayerMoved(&state.position, &push), 1); });
    shell_hooks = SHELL_HOOKS_T{};
    EXPECT_NE(out.find("\nPanic: error displaying message box"), std::string::npos) << out;
    EXPECT_EQ(out.find("UNSTABLE"), std::string::npos) << out;
    EXPECT_EQ(state.position.board[E8], W_QUEEN);
    EXPECT_EQ(state.game_record[0].move_symbol, 'Q');
}

}  // namespace
