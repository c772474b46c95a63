// PGN of the plain game: round trips from a played game through PGN text
// and a save file back to the same moves (castling both ways, en passant,
// every promotion, checks, mate, a game from a set-up position with Black to
// move); the reader's tolerances; refusals that name the move and leave the
// game in progress alone; hostile text refused quickly; and a fuzz of the
// reader and the move resolution (short here, a million inputs in Slow*).
#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

namespace {

using rt::NewGame;
using rt::NewGameFrom;
using rt::Board;
using rt::PlayAll;
using rt::RecordedMoves;

struct GAME_CASE_T {
    const char* start;  // null for the standard start
    std::vector<std::string> moves;
    std::vector<std::string> sans;  // texts the PGN must hold
};

const GAME_CASE_T kGames[] = {
    {nullptr,
     {"e2e4", "d7d5", "e4e5", "f7f5", "e5f6", "g8f6", "g1f3", "c8g4", "f1e2", "b8c6", "e1g1", "d8d6", "d2d3", "e8c8",
      "c1g5", "d6b4"},
     {"3. exf6", "6. O-O", "O-O-O", "Qb4"}},
    {"7k/PPP5/8/8/8/8/5ppp/K7 w - - 0 1",
     {"a7a8q", "h8g7", "b7b8r", "f2f1n", "c7c8b", "g2g1r", "a1a2", "h2h1q"},
     {"[SetUp \"1\"]", "[FEN \"7k/PPP5/8/8/8/8/5ppp/K7 w - - 0 1\"]", "1. a8=Q+", "b8=R", "f1=N", "c8=B", "g1=R",
      "h1=Q"}},
    {nullptr, {"e2e4", "e7e5", "f1c4", "b8c6", "d1h5", "g8f6", "h5f7"}, {"4. Qxf7# 1-0", "[Result \"1-0\"]"}},
    {"4k3/8/8/8/8/8/4P3/4K3 b - - 0 10", {"e8d7", "e2e4", "d7e6"}, {"10... Kd7 11. e4 Ke6 *"}},
};


void StartCase(const GAME_CASE_T& c)
{
    if (c.start)
        NewGameFrom(c.start);
    else
        NewGame(2);
    PlayAll(c.moves);
}

std::string PgnOfGame()
{
    PGN_GAME_T g;
    std::string err;
    EXPECT_TRUE(PgnGameOfState(&g, &err)) << err;
    return FormatPgn(g);
}

TEST(Pgn, PlayedGamesComeBackMoveForMoveThroughPgnAndASaveFile)
{
    for (const GAME_CASE_T& c : kGames) {
        StartCase(c);
        ASSERT_EQ(RecordedMoves(), c.moves);
        std::string position = Board();
        std::string text = PgnOfGame();
        for (const std::string& san : c.sans)
            EXPECT_NE(text.find(san), std::string::npos) << san << " not in\n" << text;
        for (size_t at = 0, next; at < text.size(); at = next + 1) {
            next = text.find('\n', at);
            ASSERT_NE(next, std::string::npos);
            EXPECT_LT(next - at, 80u) << "a line longer than 79 characters";
        }

        // Read back into a save image, while another game is in progress.
        NewGame(2);
        PlayAll({"d2d4", "g8f6"});
        std::string other = Board();
        std::string listed = std::string(GameListGet(1)) + " " + GameListGet(2);
        std::vector<PGN_GAME_T> games;
        std::string err;
        ASSERT_TRUE(ReadPgn(text, &games, &err)) << err << "\n" << text;
        ASSERT_EQ(games.size(), 1u);
        std::vector<uint8_t> image;
        ASSERT_TRUE(PgnGameToSaveImage(games[0], &image, &err)) << err;
        EXPECT_EQ(Board(), other);
        EXPECT_EQ(RecordedMoves(), (std::vector<std::string>{"d2d4", "g8f6"}));
        EXPECT_EQ(std::string(GameListGet(1)) + " " + GameListGet(2), listed);

        SAVE_LAYOUT_E layout;
        ASSERT_TRUE(RestoreFromBuffer(image.data(), image.size(), &layout, &err)) << err;
        EXPECT_EQ(RecordedMoves(), c.moves);
        EXPECT_EQ(Board(), position);
        EXPECT_EQ(PgnOfGame(), text);
    }
}

TEST(Pgn, TheTriDimensionalGameHasNoPgn)
{
    NewGame(3);
    PGN_GAME_T g;
    std::string err;
    EXPECT_FALSE(PgnGameOfState(&g, &err));
    EXPECT_NE(err.find("plain game"), std::string::npos) << err;
}

TEST(Pgn, ReadsCommentsVariationsGlyphsEscapesAndManyGames)
{
    const std::string text =
        "\xef\xbb\xbf% an escape line after a byte order mark\n"
        "[Event \"A \\\"quoted\\\" event\"]\n[White \"M\xc3\xbcller\"]\n[Black \"B\"]\n[Result \"1/2-1/2\"]\n\n"
        "1. e4 {a comment (with parentheses)} e5 ; to the end of the line\n"
        "2. Nf3 (2. f4 exf4 (2... d5 3. exd5) 3. Nf3) 2... Nc6 $1 3. Bb5!? a6 4.Ba4 Nf6 5.0-0 1/2-1/2\n"
        "\n[Event \"second\"]\n1. d4 d5 *\n\n1. c4 0-1";
    std::vector<PGN_GAME_T> games;
    std::string err;
    ASSERT_TRUE(ReadPgn(text, &games, &err)) << err;
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].Tag("Event"), "A \"quoted\" event");
    EXPECT_EQ(games[0].moves, (std::vector<std::string>{"e4", "e5", "Nf3", "Nc6", "Bb5!?", "a6", "Ba4", "Nf6", "0-0"}));
    EXPECT_EQ(games[0].result, "1/2-1/2");
    EXPECT_EQ(games[1].moves.size(), 2u);
    EXPECT_EQ(games[2].result, "0-1");
    POS_T start;
    std::vector<MOVE_T> moves;
    bool set_up = true;
    state.dmode = 2;  // for the names of the moves
    ASSERT_TRUE(PgnGameMoves(games[0], &start, &moves, &set_up, &err)) << err;
    EXPECT_FALSE(set_up);
    EXPECT_EQ(CoordinateMove(&moves.back()), "e1g1");

    // A thousand games are read; a limit below them refuses.
    std::string many;
    for (int i = 0; i < 1000; i++)
        many += "[Event \"" + std::to_string(i) + "\"]\n1. e4 e5 2. Nf3 *\n";
    ASSERT_TRUE(ReadPgn(many, &games, &err)) << err;
    EXPECT_EQ(games.size(), 1000u);
    EXPECT_FALSE(ReadPgn(many, &games, &err, 999));
}

TEST(Pgn, RefusedMovesNameTheirNumberAndTextAndChangeNothing)
{
    NewGame(2);
    PlayAll({"e2e4", "c7c5"});
    std::string before = Board();
    struct {
        const char* text;
        const char* why;
    } cases[] = {
        {"1. e4 e5 2. Ke3 *", "move 2. Ke3: no legal move fits"},
        {"1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6 dxc6 5. Qxd8 *", "move 5. Qxd8: no legal move fits"},
        {"1. Nf3 Nf6 2. d3 d6 3. Nd2 *", "move 3. Nd2: ambiguous"},
        {"1. d4 e5 2. dxe5 O-O *", "move 2... O-O: castling is not legal here"},
        {"[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n1. e4 *", "the FEN tag"},
        {"[Variant \"Tri-dimensional\"]\n1. e4 *", "variant"},
    };
    for (const auto& c : cases)
        rt::ExpectRefusedImport(PgnGameToSaveImage, c.text, c.why, before, {"e2e4", "c7c5"});
}

// Hostile text is refused, each in well under a second.
TEST(Pgn, HostileTextIsRefusedQuickly)
{
    std::string game = "[Event \"x\"]\n1. e4 {comment} e5 2. Nf3 Nc6 1-0\n";
    std::vector<std::string> hostile = {
        game.substr(0, game.size() - 5),                  // truncated before the result
        game.substr(0, 20),                               // inside a tag
        "1. e4 {a comment never closed",                  // truncated comment
        "[Event \"" + std::string(1 << 20, 'a') + "\"]",  // a megabyte tag value
        "1. " + std::string(1 << 20, 'e') + " *",         // a megabyte word
        std::string(1 << 20, '(') + "1. e4",              // deep variations, never closed
        "1. e4 " + std::string(5000, ')') + " *",         // closed that were never opened
        std::string("1. e4 \x01\x02\xff\xfe e5 *", 16),   // binary junk
        std::string(100, '\0'),
        "[Event \"a\"] [Event \"b\"] 1. e4 [Round \"c\"] 2. e5 *",  // a tag inside moves
    };
    std::string moves = "1. ";
    for (int i = 0; i < 5000; i++)
        moves += "Nf3 Nf6 Ng1 Ng8 ";
    hostile.push_back(moves + "*");  // more moves than a game holds
    for (const std::string& text : hostile) {
        auto t0 = std::chrono::steady_clock::now();
        std::vector<PGN_GAME_T> games;
        std::string err;
        EXPECT_FALSE(ReadPgn(text, &games, &err)) << text.substr(0, 60);
        EXPECT_FALSE(err.empty());
        EXPECT_TRUE(games.empty());
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(), 1.0)
            << text.substr(0, 60);
    }
    // Deep variations that are closed are skipped, and a megabyte comment too.
    std::vector<PGN_GAME_T> games;
    std::string err;
    EXPECT_TRUE(ReadPgn("1. e4 " + std::string(100000, '(') + "1. d4" + std::string(100000, ')') + " e5 {" +
                            std::string(1 << 20, 'c') + "} *",
                        &games, &err))
        << err;
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].moves, (std::vector<std::string>{"e4", "e5"}));
    // A game longer than the record holds is read but refused on import.
    std::string long_game;
    for (int i = 0; i < 260; i++)
        long_game += "Nf3 Nf6 Ng1 Ng8 ";
    ASSERT_TRUE(ReadPgn(long_game + "*", &games, &err)) << err;
    std::vector<uint8_t> image;
    EXPECT_FALSE(PgnGameToSaveImage(games[0], &image, &err));
    EXPECT_NE(err.find("more moves than a game record holds"), std::string::npos) << err;
}

// Mutations of real PGN texts and tri-dimensional records through the
// reader and the move resolution;
// every 50th that reads goes on to a save image. Nothing may crash or hang.
void Fuzz(long inputs, unsigned seed)
{
    NewGame(2);
    PlayAll({"e2e4", "e7e5"});
    std::string before = Board();
    const std::vector<std::string> seeds = {
        "[Event \"F\"]\n[Result \"1-0\"]\n1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7# 1-0\n",
        "[SetUp \"1\"]\n[FEN \"7k/PPP5/8/8/8/8/5ppp/K7 w - - 0 1\"]\n1. a8=Q+ Kg7 2. b8=R f1=N 3. c8=B g1=R *\n",
        "1. e4 {c} d5 (1... e5 2. Nf3 (2. f4)) 2. exd5 $1 Qxd5 3. Nc3 Qa5 4. d4 c6 5. Nf3 Bf5 6. Bc4 e6 "
        "7. O-O Nf6 8. Re1 Nbd7 1/2-1/2\n",
        "1. d4 d5 2. c4 e6 3. Nc3 Nf6 4. Bg5 Be7 5. e3 O-O 6. Nf3 h6 7. Bh4 b6 8. cxd5 exd5 9. Bd3 Bb7 0-1",
        "[Variant \"Tri-dimensional\"]\n[Rules \"TDCL\"]\n1. E1B3 {Nb3W} C8D8/O-O 2. H2H4 E7A6 3. B3H2 B7E6 "
        "4. C1D1/O-O G7G5 5. H4G5 E8G7 *",
        "[Variant \"Tri-dimensional\"]\n[Rules \"Tournament\"]\n[SetUp \"1\"]\n[Position \"3d .P....../......../"
        "K......./......../......../......../......k./........ w - - 0 1 QL5,QL3,KL1,KL6 wbwb\"]\n"
        "1. KLW:KL1-KL3 G7G8 2. QLW:QL5-QL6N G8H8 *",
    };
    const char alphabet[] = "abcdefgh12345678KQRBNxO0-+#=!?(){}[];$%.*/ \n\"\\\x00\xff";
    std::mt19937 rng(seed);
    long read = 0, imported = 0;
    for (long i = 0; i < inputs; i++) {
        std::string text = seeds[rng() % seeds.size()];
        int edits = 1 + (int)(rng() % 4);
        for (int e = 0; e < edits && !text.empty(); e++) {
            size_t at = rng() % text.size();
            switch (rng() % 5) {
            case 0: text[at] = alphabet[rng() % (sizeof alphabet - 1)]; break;
            case 1: text.erase(at, 1 + rng() % 8); break;
            case 2: text.insert(at, 1, alphabet[rng() % (sizeof alphabet - 1)]); break;
            case 3: text.resize(at); break;  // truncated
            default: text.insert(at, text.substr(rng() % text.size(), rng() % 20)); break;
            }
        }
        std::vector<PGN_GAME_T> games;
        std::string err;
        if (!ReadPgn(text, &games, &err)) {
            ASSERT_FALSE(err.empty());
            continue;
        }
        read++;
        for (const PGN_GAME_T& g : games) {
            POS_T start;
            std::vector<MOVE_T> moves;
            bool set_up, tri = g.Tag("Variant") == "Tri-dimensional";
            int rules, notation;
            if (tri)
                TriRecordMoves(g, &start, &moves, &set_up, &rules, &notation, &err);
            else
                PgnGameMoves(g, &start, &moves, &set_up, &err);
            if (read % 50 == 0) {
                std::vector<uint8_t> image;
                imported += tri ? TriRecordToSaveImage(g, &image, &err) : PgnGameToSaveImage(g, &image, &err);
            }
        }
    }
    EXPECT_EQ(Board(), before);
    EXPECT_GT(read, 0);
    testing::Test::RecordProperty("read", (int)read);
    testing::Test::RecordProperty("imported", (int)imported);
}

TEST(PgnFuzz, MutatedTextsNeverCrash) { Fuzz(20000, 1); }

TEST(SlowPgnFuzz, AMillionMutatedTextsNeverCrash) { Fuzz(1000000, 2); }

}  // namespace
