// The game as played: moves accepted and refused, the end of the game (mate,
// stalemate, repetition, material, a full record), the computer giving up,
// taking moves back and stepping through the game for review.
#include "RecordTestUtil.h"
#include "hash/hash.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using rt::Console;
using rt::Find;
using rt::NewGame;
using rt::NewGameFrom;
using rt::Play;
using rt::PlayAll;

// What the shell was asked to do, in order.
std::string calls;
void Clutch(int start) { calls += start ? "C1 " : "C0 "; }
void Redraw() { calls += "R "; }
void StopClocks() { calls += "T "; }

void WatchShell()
{
    calls.clear();
    shell_hooks.clutch = Clutch;
    shell_hooks.redraw = Redraw;
    shell_hooks.stop_clocks = StopClocks;
}

std::string Board() { return FormatPosition(&state.position, state.dmode); }

// ---------------------------------------------------------------- playing

TEST(GameFlow, AShortGameToMateIsLoggedAndListed)
{
    NewGame(2, NOTATION_ALGEBRAIC);
    WatchShell();
    const std::vector<std::string> moves = {"e2e4", "e7e5", "f1c4", "b8c6", "d1h5", "g8f6"};
    PlayAll(moves);
    MOVE_T mate = Find("h5f7");
    // The computer asks before it plays: the move leaves no reply.
    std::string out = Console([&] { EXPECT_EQ(FindWinner(&state.position, &mate), 1); });
    EXPECT_EQ(out, "\nBlack is mated");
    EXPECT_EQ(state.position.winner, 1);
    EXPECT_EQ(calls, "T ");
    state.vornak = VORNAK_WHITE;
    out = Console([&] { EXPECT_EQ(PlayerMoved(&state.position, &mate), 1); });
    EXPECT_EQ(out, "\n4. Qxf7#");
    EXPECT_EQ(state.vornak, VORNAK_OFF);  // the computer stops at a result
    EXPECT_EQ(state.position.winner, 1);
    const char* want[] = {"", "e4", "e5", "Bc4", "Nc6", "Qh5", "Nf6", "Qxf7#"};
    for (int k = 1; k <= 7; k++)
        EXPECT_STREQ(GameListGet(k), want[k]);
    EXPECT_STREQ(GameListGet(0), "Qxf7#");
    EXPECT_EQ(state.game_record[6].from, (SQ_T)H5);
    EXPECT_EQ(state.game_record[6].move_symbol, 'x');
    EXPECT_EQ(state.game_record[6].check, 1);

    // A result is found once; asking again on the same position is fatal.
    EXPECT_EXIT(FindWinner(&state.position, nullptr), testing::ExitedWithCode(420 & 0xFF), "");
}

TEST(GameFlow, LogLinesNumberBothSides)
{
    NewGame(2, NOTATION_VESKAR);
    MOVE_T e4 = Find("e2e4");
    EXPECT_EQ(Console([&] { PlayerMoved(&state.position, &e4); }), "\n1. e4");
    MOVE_T e5 = Find("e7e5");
    EXPECT_EQ(Console([&] { PlayerMoved(&state.position, &e5); }), "\n1. ... e5");
    MOVE_T nf3 = Find("g1f3");
    EXPECT_EQ(Console([&] { PlayerMoved(&state.position, &nf3); }), "\n2. Nf3");
}

TEST(GameFlow, ARefusedMoveChangesNothing)
{
    NewGame(2);
    PlayAll({"e2e4", "e7e5"});
    auto before = rt::SaveImage();
    MOVE_T wrong;
    InitMove(&wrong, W_KING, E1, E3, NO_VALUE, '-', 0);
    state.position.flags |= FLAG_PROMOTED;  // promotion marks of a previous move
    EXPECT_EQ(PlayerMoved(&state.position, &wrong), 0);
    EXPECT_EQ(state.position.flags & FLAG_PROMOTED, 0u);
    state.position.flags &= ~FLAG_PROMOTED;
    EXPECT_EQ(rt::SaveImage(), before);
    EXPECT_EQ(state.position.move_num, 2);
}

TEST(GameFlow, PromotionAndEnPassantAreRecordedAsMade)
{
    // A promotion chosen in the box, for a move entered without a piece,
    // stays that piece when the game is rebuilt. The box is shown once:
    // the legality check's choice is the one the move is made with.
    NewGameFrom("8/4P3/8/8/8/8/k7/4K3 w - - 0 1");
    static int asked;
    asked = 0;
    shell_hooks.mouse_move = [] { return true; };
    shell_hooks.ask_promotion = [] { return ++asked, 4; };  // the knight's button
    MOVE_T push;
    InitMove(&push, W_PAWN, E7, E8, NO_VALUE, '-', 0);
    Console([&] { EXPECT_EQ(PlayerMoved(&state.position, &push), 1); });
    shell_hooks = SHELL_HOOKS_T{};
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(state.position.board[E8], W_KNIGHT);
    EXPECT_EQ(state.game_record[0].move_symbol, 'N');
    EXPECT_STREQ(GameListGet(1), "e8N");
    Console([] { UndoMoves(0); });
    EXPECT_EQ(state.position.board[E8], W_KNIGHT);
    EXPECT_STREQ(GameListGet(1), "e8N");

    // The pawn taken in passing is counted with the captured pieces.
    NewGameFrom("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    Play("e5d6");
    EXPECT_EQ(cap_t.blk_cnt, 1);
    EXPECT_EQ(cap_t.blk_pn, 1);
    EXPECT_EQ(GetCapturedPiece(1), B_PAWN);
}

// ---------------------------------------------------------------- the end of the game

TEST(GameEnd, StalemateAndMateFoundBeforeTheMove)
{
    NewGameFrom("k7/8/8/8/8/8/8/1Q2K3 w - - 0 1");
    WatchShell();
    MOVE_T qb6 = Find("b1b6");
    std::string out = Console([&] { EXPECT_EQ(FindWinner(&state.position, &qb6), 1); });
    EXPECT_EQ(out, "\nStalemate");
    EXPECT_EQ(state.position.winner, 2);
    out = Console([&] { PlayerMoved(&state.position, &qb6); });
    EXPECT_EQ(out, "\nStalemate - draw\n1. Qb6");

    // A legal reply exists: no result, nothing written.
    NewGame(2);
    MOVE_T e4 = Find("e2e4");
    EXPECT_EQ(FindWinner(&state.position, &e4), 0);
    EXPECT_EQ(FindWinner(&state.position, nullptr), 0);
    MOVE_T wrong;
    InitMove(&wrong, W_KING, E1, E3, NO_VALUE, '-', 0);
    EXPECT_EQ(FindWinner(&state.position, &wrong), 0);
    EXPECT_EQ(state.position.winner, 0);

    // The side that just moved left its king attacked.
    NewGameFrom("4k3/8/8/8/8/8/4R3/4K3 w - - 0 1");
    out = Console([] { EXPECT_EQ(FindWinner(&state.position, nullptr), 1); });
    EXPECT_EQ(out, "\nBlack is mated!");
    EXPECT_EQ(state.position.winner, 1);
}

TEST(GameEnd, RepetitionBothWays)
{
    const std::vector<std::string> shuffle = {"g1f3", "g8f6", "f3g1", "f6g8"};
    NewGame(2);
    for (int i = 0; i < 2; i++)
        PlayAll(shuffle);
    PlayAll({"g1f3", "g8f6", "f3g1"});
    // The computer's Ng8 would bring the start position back a fourth time.
    MOVE_T ng8 = Find("f6g8");
    std::string out = Console([&] { EXPECT_EQ(FindWinner(&state.position, &ng8), 1); });
    EXPECT_EQ(out, "\nDraw - I'm repeating");
    EXPECT_EQ(state.position.winner, 2);

    // The human made it: found before the computer's move.
    state.position.winner = 0;
    Play("f6g8");
    out = Console([] { EXPECT_EQ(FindWinner(&state.position, nullptr), 1); });
    EXPECT_EQ(out, "\nDraw - you're repeating");

    // Three times is not yet a repetition.
    NewGame(2);
    PlayAll(shuffle);
    PlayAll(shuffle);
    EXPECT_EQ(FindWinner(&state.position, nullptr), 0);

    // So long without a capture or a pawn move counts the same.
    NewGameFrom("4k3/8/8/8/8/8/8/4K2R w - - 102 60");
    out = Console([] { EXPECT_EQ(FindWinner(&state.position, nullptr), 1); });
    EXPECT_EQ(out, "\nDraw - you're repeating");
}

TEST(GameEnd, InsufficientMaterial)
{
    struct Case {
        const char* fen;
        const char* move;
        bool drawn;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/2B1K3 w - - 0 1", "e1d2", true},    // king and bishop
        {"4k1n1/8/8/8/8/8/8/2B1K3 w - - 0 1", "e1d2", true},  // a minor piece each
        {"4k3/8/8/8/8/8/8/1NB1K3 w - - 0 1", "e1d2", false},  // two minor pieces
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "e1d2", false},    // a rook
        {"4k3/8/8/8/8/8/P7/4K3 w - - 0 1", "e1d2", false},    // a pawn
    };
    for (const Case& c : cases) {
        NewGameFrom(c.fen);
        MOVE_T m = Find(c.move);
        std::string out = Console([&] { EXPECT_EQ(FindWinner(&state.position, &m), c.drawn ? 1 : 0) << c.fen; });
        EXPECT_EQ(out, c.drawn ? "\nDraw - insufficient material" : "") << c.fen;
        EXPECT_EQ(state.position.winner, c.drawn ? 2 : 0) << c.fen;
    }
}

TEST(GameEnd, AFullRecordEndsTheGameDrawn)
{
    // Ply 996: four plies fill the record.
    NewGameFrom("r3k3/8/8/8/8/8/8/R3K3 w - - 0 499");
    ASSERT_EQ(state.position.move_num, 996);
    uint32_t keys_after_record = state.hash_list[0];
    PlayAll({"e1d2", "e8d7", "d2e2"});
    MOVE_T last = Find("d7e7");
    std::string out = Console([&] { EXPECT_EQ(PlayerMoved(&state.position, &last), 1); });
    EXPECT_EQ(out, "\nDraw - the game record is full\n500. ... Ke7");
    EXPECT_EQ(state.position.move_num, MAX_GAME_PLIES);
    EXPECT_EQ(state.position.winner, 2);
    EXPECT_STREQ(GameListGet(MAX_GAME_PLIES), "Ke7");
    // Nothing more is taken, and nothing is written past the record.
    state.position.winner = 0;
    MOVE_T more = Find("e2d2");
    out = Console([&] { EXPECT_EQ(PlayerMoved(&state.position, &more), 0); });
    EXPECT_EQ(out, "\nThe game record is full (1000 plies): no more moves, the game is drawn");
    EXPECT_EQ(state.position.winner, 2);
    EXPECT_EQ(state.hash_list[0], keys_after_record);
    state.position.winner = 0;
    out = Console([] { EXPECT_EQ(FindWinner(&state.position, nullptr), 1); });
    EXPECT_EQ(out, "\nDraw - the game record is full");
}

TEST(GameEnd, TheComputerGivesUp)
{
    NewGame(2);
    state.vornak = VORNAK_WHITE;
    std::string out = Console([] { VornakLoses("Vornak cannot move"); });
    EXPECT_EQ(out, "\nPanic: Vornak cannot move\nVornakLoses:White");
    EXPECT_EQ(state.position.winner, -1);  // Black wins
    EXPECT_EQ(state.vornak, VORNAK_OFF);
    EXPECT_EQ(state.stop_search, 1);

    NewGame(2);
    state.vornak = VORNAK_BLACK;
    out = Console([] { VornakLoses("Vornak has no more moves"); });
    EXPECT_EQ(out, "\nPanic: Vornak has no more moves\nVornakLoses:Black");
    EXPECT_EQ(state.position.winner, 1);

    // A result already found stands.
    NewGame(2);
    state.vornak = VORNAK_BLACK;
    state.position.winner = 2;
    Console([] { VornakLoses("MoveThread: Vornak cannot move"); });
    EXPECT_EQ(state.position.winner, 2);
}

// ---------------------------------------------------------------- undo

// The rules chosen during a game govern its moves from then on: through a
// move taken back and a save image restored, and whatever the setting says
// when the search copies the position.
TEST(GameFlow, TheRulesChosenMidGameGovernItsMoves)
{
    // White's queen's-side board carries a rook alone: TDCL lets it go back.
    NewGameFrom("3d .R....pr/......pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w - - 0 1 "
                "QL3,QL6,KL1,KL6 wbwb");
    auto board_moves = [](const POS_T& from) {
        POS_T copy = from;
        std::vector<MOVE_T> legal;
        LegalChoices(&copy, &legal);
        std::vector<std::string> texts;
        for (const MOVE_T& m : legal)
            if (CoordinateMove(&m).find("QLW:") == 0)
                texts.push_back(CoordinateMove(&m));
        return texts;
    };
    SetGameRules(RULES_TDCL);
    std::vector<std::string> tdcl = board_moves(state.position);
    SetGameRules(RULES_TOURNAMENT);
    std::vector<std::string> tournament = board_moves(state.position);
    EXPECT_GT(tdcl.size(), tournament.size());

    POS_T copy = state.position;
    state.rules = RULES_TDCL;  // a setting changed behind the copy's back
    EXPECT_EQ(board_moves(copy), tournament);
    state.rules = RULES_TOURNAMENT;

    std::string quiet;
    POS_T here = state.position;
    std::vector<MOVE_T> legal;
    LegalChoices(&here, &legal);
    for (const MOVE_T& m : legal)
        if (CoordinateMove(&m).find(':') == std::string::npos) {
            quiet = CoordinateMove(&m);
            break;
        }
    ASSERT_FALSE(quiet.empty());
    Play(quiet);
    Console([] { UndoMoves(1); });
    EXPECT_EQ(board_moves(state.position), tournament);

    std::vector<uint8_t> image = rt::SaveImage();
    SetGameRules(RULES_TDCL);
    SAVE_LAYOUT_E layout;
    std::string err;
    ASSERT_TRUE(RestoreFromBuffer(image.data(), image.size(), &layout, &err)) << err;
    EXPECT_EQ(state.rules, RULES_TOURNAMENT);
    EXPECT_EQ(board_moves(state.position), tournament);
    SetGameRules(RULES_TDCL);
    EXPECT_EQ(board_moves(state.position), tdcl);
}

TEST(Undo, TakesBackPliesAndNeverPassesTheStart)
{
    NewGame(2, NOTATION_ALGEBRAIC);
    WatchShell();
    PlayAll({"e2e4", "d7d5"});
    std::string after_two = Board();
    PlayAll({"e4d5", "d8d5"});
    EXPECT_EQ(cap_t.blk_cnt + cap_t.wht_cnt, 2);
    state.vornak = VORNAK_BLACK;
    calls.clear();
    std::string out = Console([] { UndoMoves(2); });
    EXPECT_EQ(out, "\nmove undone");
    EXPECT_EQ(calls, "C0 R C1 ");
    EXPECT_EQ(Board(), after_two);
    EXPECT_EQ(state.position.move_num, 2);
    EXPECT_EQ(state.vornak, VORNAK_OFF);
    EXPECT_EQ(state.stop_search, 1);
    EXPECT_EQ(cap_t.blk_cnt + cap_t.wht_cnt, 0);
    // The record keeps the plies taken back.
    EXPECT_EQ(state.game_record[3].to, (SQ_T)D5);
    // The game goes on from there.
    EXPECT_EQ(Play("g1f3"), "Nf3");

    Console([] { UndoMoves(50); });
    EXPECT_EQ(Board(), rt::kStart2d);
    EXPECT_EQ(state.position.move_num, 0);

    // Undo 0 rebuilds the game as it stands.
    PlayAll({"b1c3", "g8f6"});
    std::string now = Board();
    out = Console([] { UndoMoves(0); });
    EXPECT_EQ(out, "");
    EXPECT_EQ(Board(), now);
    EXPECT_STREQ(GameListGet(2), "Nf6");
}

TEST(Undo, FromAnEditedStart)
{
    const char* edited = "3d ......../......../K......./......../NP....../......../......../.......k w - - 0 6 "
                         "QL1,QL6,KL1,KL6 wbwb";
    NewGameFrom(edited);
    ASSERT_EQ(state.position.move_num, 10);
    PlayAll({"E2E3", "H8G8"});
    std::string after_two = Board();
    PlayAll({"E1F3", "G8H8"});
    Console([] { UndoMoves(2); });
    EXPECT_EQ(Board(), after_two);
    Console([] { UndoMoves(100); });
    EXPECT_EQ(Board(), edited);
    EXPECT_EQ(state.oeb.inited, 1);
    // Plies before the start have no text.
    EXPECT_STREQ(GameListGet(1), "");
    EXPECT_STREQ(GameListGet(10), "");
}

// ---------------------------------------------------------------- replay

TEST(Replay, StepsThroughTheGameAndStaysWithinIt)
{
    NewGame(2, NOTATION_ALGEBRAIC);
    WatchShell();
    std::vector<std::string> boards = {Board()};
    for (const char* m : {"e2e4", "e7e5", "g1f3", "b8c6"}) {
        Play(m);
        boards.push_back(Board());
    }
    auto board_only = [](const std::string& fen) { return fen.substr(0, fen.find(' ')); };
    state.vornak = VORNAK_BLACK;
    calls.clear();

    // The first step enters review at the last ply.
    ReplayMoves(-1);
    EXPECT_EQ(replay, 4);
    EXPECT_EQ(calls, "C0 R ");
    EXPECT_EQ(state.vornak, VORNAK_OFF);
    ReplayMoves(-1);
    EXPECT_EQ(replay, 3);
    EXPECT_EQ(board_only(Board()), board_only(boards[3]));
    EXPECT_EQ(state.position.move_num, 4);  // the record keeps its length
    ReplayMoves(-200);
    EXPECT_EQ(replay, 0);
    EXPECT_EQ(board_only(Board()), board_only(boards[0]));
    ReplayMoves(-1);
    EXPECT_EQ(replay, 0);
    ReplayMoves(2);
    EXPECT_EQ(board_only(Board()), board_only(boards[2]));
    ReplayMoves(200);
    EXPECT_EQ(replay, 4);
    ReplayMoves(1);
    EXPECT_EQ(replay, 4);
    EXPECT_EQ(board_only(Board()), board_only(boards[4]));
    EXPECT_STREQ(GameListGet(4), "Nc6");

    // Leaving review rebuilds the whole game.
    ReplayMoves(-3);
    calls.clear();
    ReplayExit();
    EXPECT_EQ(replay, -1);
    EXPECT_EQ(Board(), boards[4]);
    EXPECT_EQ(calls, "C0 R C1 ");
    calls.clear();
    ReplayExit();  // not reviewing: nothing to do
    EXPECT_EQ(calls, "");
}

TEST(Replay, AGameFromAnEditedBoardReplaysOntoThatBoard)
{
    const char* edited = "4k3/8/8/8/8/8/4P3/4K3 w - - 0 6";
    NewGameFrom(edited, NOTATION_VESKAR);
    PlayAll({"e2e4", "e8d7", "e4e5"});
    ReplayMoves(-1);
    ReplayMoves(-200);
    EXPECT_EQ(replay, 10);  // the game's first ply
    std::string shown = Board();
    EXPECT_EQ(shown.substr(0, shown.find(' ')), "4k3/8/8/8/8/8/4P3/4K3");
    ReplayMoves(1);
    shown = Board();
    EXPECT_EQ(shown.substr(0, shown.find(' ')), "4k3/8/8/8/4P3/8/8/4K3");
    ReplayExit();
    EXPECT_EQ(state.oeb.inited, 1);  // the edited start survives the review
    EXPECT_EQ(state.position.move_num, 13);
    EXPECT_EQ(Board(), "8/3k4/8/4P3/8/8/8/4K3 b - - 0 7");  // a pawn moved last
}

}  // namespace
