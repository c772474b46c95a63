// The tri-dimensional text record: games played under both rule sets (board
// moves, castling, a promotion by a board move, a set-up start, random games)
// written as a record, read back into a save image, restored and written
// again give the same moves, position and text; refusals name the move and
// leave the game in progress alone.
#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using rt::NewGame;
using rt::NewGameFrom;
using rt::Board;
using rt::PlayAll;
using rt::RecordedMoves;


std::string RecordText()
{
    PGN_GAME_T g;
    std::string err;
    EXPECT_TRUE(TriRecordOfState(&g, &err)) << err;
    return FormatPgn(g);
}

// The game in progress through its record and a save image and back.
void RoundTrip(const std::string& what)
{
    SCOPED_TRACE(what);
    std::vector<std::string> moves = RecordedMoves();
    std::string position = Board();
    int rules = state.rules;
    std::string text = RecordText();
    EXPECT_NE(text.find(rules == RULES_TOURNAMENT ? "[Rules \"Tournament\"]" : "[Rules \"TDCL\"]"),
              std::string::npos);
    EXPECT_NE(text.find("[Variant \"Tri-dimensional\"]"), std::string::npos);

    // Read back while a plain game is in progress under the other rules.
    NewGame(2);
    SetGameRules(rules == RULES_TDCL ? RULES_TOURNAMENT : RULES_TDCL);
    PlayAll({"e2e4"});
    std::string other = Board();
    std::vector<PGN_GAME_T> games;
    std::string err;
    ASSERT_TRUE(ReadPgn(text, &games, &err)) << err << "\n" << text;
    ASSERT_EQ(games.size(), 1u);
    std::vector<uint8_t> image;
    ASSERT_TRUE(TriRecordToSaveImage(games[0], &image, &err)) << err << "\n" << text;
    EXPECT_EQ(Board(), other);
    EXPECT_EQ(state.dmode, 2);
    EXPECT_NE(state.rules, rules);

    SAVE_LAYOUT_E layout;
    ASSERT_TRUE(RestoreFromBuffer(image.data(), image.size(), &layout, &err)) << err;
    EXPECT_EQ(state.rules, rules);
    EXPECT_EQ(RecordedMoves(), moves);
    EXPECT_EQ(Board(), position);
    EXPECT_EQ(RecordText(), text);
}

void NewTriGame(int rules, int notation)
{
    NewGame(3, notation);
    SetGameRules(rules);
}

TEST(TriRecord, ChosenGamesComeBackUnderBothRuleSets)
{
    for (int rules : {RULES_TDCL, RULES_TOURNAMENT}) {
        NewTriGame(rules, NOTATION_STANDARD);
        PlayAll({"E1B3", "C8D8(O-O)", "H2H4", "E7A6", "B3H2", "B7E6", "C1D1(O-O)", "G7G5", "H4G5", "E8G7"});
        std::string text = RecordText();
        EXPECT_NE(text.find("C8D8/O-O"), std::string::npos) << text;
        EXPECT_NE(text.find("1. E1B3 {"), std::string::npos) << text;
        RoundTrip("castling");

        NewGameFrom("3d .P....../......../K......./......../......../......../......k./........ w - - 0 1 "
                    "QL5,QL3,KL1,KL6 wbwb",
                    NOTATION_ALGEBRAIC);
        SetGameRules(rules);
        PlayAll({"KLW:KL1-KL3", "G7G8", "QLW:QL5-QL6N", "G8H8"});
        text = RecordText();
        EXPECT_NE(text.find("[SetUp \"1\"]"), std::string::npos) << text;
        EXPECT_NE(text.find("[Position \"3d "), std::string::npos) << text;
        EXPECT_NE(text.find("QLW:QL5-QL6N {Q6N}"), std::string::npos) << text;
        RoundTrip("promotion by a board move");
    }
}

TEST(TriRecord, RandomGamesComeBackUnderBothRuleSets)
{
    std::mt19937 rng(16);
    for (int rules : {RULES_TDCL, RULES_TOURNAMENT}) {
        int board_moves = 0;
        for (int game = 0; game < 4; game++) {
            NewTriGame(rules, game % 2 ? NOTATION_VESKAR : NOTATION_ALGEBRAIC);
            for (int ply = 0; ply < 80; ply++) {
                std::vector<MOVE_T> legal;
                POS_T copy = state.position;
                if (!LegalChoices(&copy, &legal) || state.position.winner)
                    break;
                // One ply in four moves a board when one can: random play
                // alone seldom does.
                std::vector<MOVE_T> boards;
                for (const MOVE_T& b : legal)
                    if (CoordinateMove(&b).find(':') != std::string::npos)
                        boards.push_back(b);
                MOVE_T m = !boards.empty() && rng() % 4 == 0 ? boards[rng() % boards.size()] : legal[rng() % legal.size()];
                board_moves += CoordinateMove(&m).find(':') != std::string::npos;
                testing::internal::CaptureStdout();
                int made = PlayerMoved(&state.position, &m);
                testing::internal::GetCapturedStdout();
                ASSERT_EQ(made, 1);
            }
            RoundTrip("random game " + std::to_string(game) + " under rules " + std::to_string(rules));
        }
        EXPECT_GT(board_moves, 0) << "rules " << rules;
    }
}

TEST(TriRecord, RefusalsNameTheMoveAndChangeNothing)
{
    NewTriGame(RULES_TDCL, NOTATION_STANDARD);
    PlayAll({"E1B3"});
    std::string before = Board();
    const std::string head = "[Variant \"Tri-dimensional\"]\n[Rules \"TDCL\"]\n";
    struct {
        std::string text;
        const char* why;
    } cases[] = {
        {head + "1. E1B3 E8B6 2. B3B4 *", "move 2. B3B4: no legal move fits"},
        {head + "1. E2E3 QLB:QL6-QL4 *", "no legal move fits"},
        {"[Variant \"Tri-dimensional\"]\n[Rules \"Chess\"]\n1. E1B3 *", "Rules tag"},
        {"1. e4 *", "not a tri-dimensional record"},
        {head + "[SetUp \"1\"]\n[Position \"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1\"]\n1. E1B3 *",
         "Position tag"},
    };
    for (const auto& c : cases)
        rt::ExpectRefusedImport(TriRecordToSaveImage, c.text, c.why, before, {"E1B3"});
    NewGame(2);
    PGN_GAME_T g;
    std::string err;
    EXPECT_FALSE(TriRecordOfState(&g, &err));
}

}  // namespace
