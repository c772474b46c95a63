// Moves read from coordinates (what a chess protocol sends) and the end of
// the game as a protocol announces it: promotion letters, castling written as
// a king move, refusals, round trips over every legal choice, and mate,
// stalemate, repetition and the fifty-move rule seen through the game record.
#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using rt::NewGame;
using rt::NewGameFrom;
using rt::PlayAll;

std::string Board() { return FormatPosition(&state.position, state.dmode); }

// The position after the move, or "" when the text is refused.
std::string After(const std::string& fen, const std::string& text)
{
    NewGameFrom(fen);
    MOVE_T m;
    if (!ParseCoordinateMove(&state.position, text, &m))
        return "";
    testing::internal::CaptureStdout();
    int made = PlayerMoved(&state.position, &m);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(made, 1) << text;
    return Board().substr(0, Board().find(' '));
}

// ---------------------------------------------------------------- reading moves

TEST(CoordinateMove, PlainMovesAnyCaseAndRefusals)
{
    NewGame(2);
    MOVE_T m;
    ASSERT_TRUE(ParseCoordinateMove(&state.position, "e2e4", &m));
    EXPECT_EQ(CoordinateMove(&m), "e2e4");
    ASSERT_TRUE(ParseCoordinateMove(&state.position, "G1F3", &m));
    EXPECT_EQ(CoordinateMove(&m), "g1f3");
    for (const char* bad : {"", "e2", "e2e5", "e7e5", "e2e4q", "g1g3", "i2i4", "e2e4e6", "e2-e4", "O-O", "0000",
                            "zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz"})
        EXPECT_FALSE(ParseCoordinateMove(&state.position, bad, &m)) << bad;
}

TEST(CoordinateMove, PromotionLettersMakeTheirPiece)
{
    const std::string fen = "1n5k/P7/8/8/8/8/8/K7 w - - 0 1";
    EXPECT_EQ(After(fen, "a7a8q"), "Qn5k/8/8/8/8/8/8/K7");
    EXPECT_EQ(After(fen, "a7a8r"), "Rn5k/8/8/8/8/8/8/K7");
    EXPECT_EQ(After(fen, "a7a8b"), "Bn5k/8/8/8/8/8/8/K7");
    EXPECT_EQ(After(fen, "a7a8n"), "Nn5k/8/8/8/8/8/8/K7");
    EXPECT_EQ(After(fen, "a7b8N"), "1N5k/8/8/8/8/8/8/K7");  // a capture that promotes
    // Without a letter the pawn becomes a queen; a king or a pawn it never is.
    EXPECT_EQ(After(fen, "a7a8"), "Qn5k/8/8/8/8/8/8/K7");
    EXPECT_EQ(After(fen, "a7a8k"), "");
    EXPECT_EQ(After(fen, "a7a8p"), "");
    // A letter on a move that does not promote is refused.
    EXPECT_EQ(After(fen, "a1a2q"), "");
    // Black promotes downwards with the same small letters.
    EXPECT_EQ(After("k7/8/8/8/8/8/p7/7K b - - 0 1", "a2a1r"), "k7/8/8/8/8/8/8/r6K");
}

TEST(CoordinateMove, CastlingIsWrittenAsTheKingsMove)
{
    const std::string fen = "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w KQkq - 0 1";
    EXPECT_EQ(After(fen, "e1g1"), "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R4RK1");
    EXPECT_EQ(After(fen, "e1c1"), "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/2KR3R");
    const std::string black = "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R b KQkq - 0 1";
    EXPECT_EQ(After(black, "e8g8"), "r4rk1/pppppppp/8/8/8/8/PPPPPPPP/R3K2R");
    EXPECT_EQ(After(black, "e8c8"), "2kr3r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R");
    // No castling without the right, nor through an attacked square.
    EXPECT_EQ(After("r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w Qkq - 0 1", "e1g1"), "");
    EXPECT_EQ(After("r3k1r1/ppppp2p/8/8/8/8/PPPPP3/R3K2R w KQq - 0 1", "e1g1"), "");  // onto g1
    EXPECT_EQ(After("r3kr2/ppppp1pp/8/8/8/8/PPPPP1PP/R3K2R w KQq - 0 1", "e1g1"), "");  // through f1
    EXPECT_EQ(After("r3kr2/ppppp1pp/8/8/8/8/PPPPP1PP/R3K2R w KQq - 0 1", "e1c1"),
              "r3kr2/ppppp1pp/8/8/8/8/PPPPP1PP/2KR3R");
    EXPECT_EQ(After(std::string("r3k2r/pppp1ppp/8/8/8/8/PPPP1PPP/R3K2R b KQkq - 0 1"), "e8g8"),
              "r4rk1/pppp1ppp/8/8/8/8/PPPP1PPP/R3K2R");
}

TEST(CoordinateMove, EnPassantIsThePawnsDiagonalStep)
{
    const std::string fen = "k7/8/8/3pP3/8/8/8/K7 w - d6 0 2";
    EXPECT_EQ(After(fen, "e5d6"), "k7/8/3P4/8/8/8/8/K7");
    EXPECT_EQ(After("k7/8/8/3pP3/8/8/8/K7 w - - 0 2", "e5d6"), "");
}

// Every legal choice read back from its own text is that very move.
void ExpectRoundTrips(const std::string& fen)
{
    NewGameFrom(fen);
    std::vector<MOVE_T> legal;
    ASSERT_GT(LegalChoices(&state.position, &legal), 0) << fen;
    for (const MOVE_T& m : legal) {
        std::string text = CoordinateMove(&m);
        MOVE_T back;
        ASSERT_TRUE(ParseCoordinateMove(&state.position, text, &back)) << fen << " " << text;
        EXPECT_EQ(back.from, m.from) << text;
        EXPECT_EQ(back.to, m.to) << text;
        EXPECT_EQ(back.move_symbol, m.move_symbol) << text;
        EXPECT_EQ(back.piece_moving, m.piece_moving) << text;
    }
}

TEST(CoordinateMove, EveryLegalChoiceReadsBackAsItself)
{
    ExpectRoundTrips(rt::kStart2d);
    ExpectRoundTrips("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    ExpectRoundTrips("r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1");
    ExpectRoundTrips("n1n5/PPPk4/8/8/8/8/4Kppp/5N1N b - - 0 1");
    // The tri-dimensional game's texts, attack-board moves among them.
    ExpectRoundTrips(
        "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 "
        "QL1,QL6,KL1,KL6 wbwb");
}

// ---------------------------------------------------------------- the end of the game

int Result(std::string* why)
{
    const char* text = nullptr;
    int r = GameResult(&state.position, &text);
    *why = text ? text : "(null)";
    return r;
}

TEST(GameResult, MateAndStalemateOfEitherSide)
{
    std::string why;
    NewGame(2);
    PlayAll({"f2f3", "e7e5", "g2g4"});
    EXPECT_EQ(Result(&why), 0);
    EXPECT_EQ(why, "");
    PlayAll({"d8h4"});
    EXPECT_EQ(Result(&why), -1);
    EXPECT_EQ(why, "Black mates");

    NewGame(2);
    PlayAll({"e2e4", "e7e5", "f1c4", "b8c6", "d1h5", "g8f6", "h5f7"});
    EXPECT_EQ(Result(&why), 1);
    EXPECT_EQ(why, "White mates");

    // A promotion mates; a knight instead leaves the king a square.
    EXPECT_NE(After("8/P7/8/8/8/8/8/k1K5 w - - 0 1", "a7a8q"), "");
    EXPECT_EQ(Result(&why), 1);
    EXPECT_NE(After("8/P7/8/8/8/8/8/k1K5 w - - 0 1", "a7a8n"), "");
    EXPECT_EQ(Result(&why), 0);

    NewGameFrom("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1");
    EXPECT_EQ(Result(&why), 2);
    EXPECT_EQ(why, "Stalemate");
    // Check with a way out is no end.
    NewGameFrom("7k/8/6K1/8/8/8/8/Q7 b - - 0 1");
    EXPECT_EQ(Result(&why), 0);
}

TEST(GameResult, ThreefoldRepetitionCountsTheGamesKeys)
{
    std::string why;
    NewGame(2);
    const std::vector<std::string> shuffle = {"g1f3", "g8f6", "f3g1", "f6g8"};
    PlayAll(shuffle);
    EXPECT_EQ(RepetitionCount(&state.position), 2);
    EXPECT_EQ(Result(&why), 0);
    // Asking twice changes nothing the next question sees.
    EXPECT_EQ(Result(&why), 0);
    PlayAll({"g1f3", "g8f6", "f3g1"});
    EXPECT_EQ(RepetitionCount(&state.position), 2);  // the position after 1. Nf3 Nf6 2. Ng1
    EXPECT_EQ(Result(&why), 0);
    PlayAll({"f6g8"});
    EXPECT_EQ(RepetitionCount(&state.position), 3);
    EXPECT_EQ(Result(&why), 2);
    EXPECT_EQ(why, "Draw by repetition");

    // A pawn move in between starts the count again.
    NewGame(2);
    PlayAll(shuffle);
    PlayAll({"e2e3", "e7e6"});
    PlayAll(shuffle);
    EXPECT_EQ(RepetitionCount(&state.position), 2);
    EXPECT_EQ(Result(&why), 0);
}

TEST(GameResult, FiftyMovesWithoutCaptureOrPawnMoveDraw)
{
    std::string why;
    // After a move the count is the half-moves since the last capture or
    // pawn move plus one: 99 here stands for 98 half-moves.
    NewGameFrom("k7/8/8/8/8/8/8/K6R w - - 98 80");
    state.position.fifty_count = 99;
    PlayAll({"h1h2"});
    EXPECT_EQ(Result(&why), 0);
    PlayAll({"a8b8"});
    EXPECT_EQ(Result(&why), 2);
    EXPECT_EQ(why, "Draw by fifty move rule");
    // A capture resets it.
    NewGameFrom("k7/8/8/8/8/8/r7/K6R w - - 98 80");
    state.position.fifty_count = 100;
    PlayAll({"a1a2"});
    EXPECT_EQ(Result(&why), 0);
    // Mate on the last move counts as mate.
    NewGameFrom("k7/8/1K6/8/8/8/8/7R w - - 98 80");
    state.position.fifty_count = 100;
    PlayAll({"h1h8"});
    EXPECT_EQ(Result(&why), 1);
}

}  // namespace
