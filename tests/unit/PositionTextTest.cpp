// Positions written as text: FEN and "3d" lines, their refusals and round trips.
#include "board/board.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"

#include <gtest/gtest.h>

namespace {

const char* const start3d =
    "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb";
const char* const start2d = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

TEST(PositionText, RoundTripsBothGames)
{
    const char* lines[] = {
        start2d,
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
        "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3",
        "4k3/8/8/8/3pP3/8/8/4K3 b - e3 12 40",
        start3d,
        "3d R.....pr/QP....pq/KP....pk/RP....pr/N..P..pn/BP....pb/BP....pb/NP....pn b Kk E3 0 1 QL1,QL6,KL1,KL6 wbwb",
        "3d ......../......../......../......../K......./......../......k./........ w - - 5 30 QL3,QL4,KL2,KL5 wbwb",
    };
    for (const char* line : lines) {
        POS_T pos;
        int mode = 0;
        std::string err;
        ASSERT_TRUE(ParsePosition(line, &pos, &mode, &err)) << line << ": " << err;
        EXPECT_EQ(FormatPosition(&pos, mode), line);
    }
}

TEST(PositionText, StartLinesMatchTheNewGame)
{
    for (int mode : {2, 3}) {
        state.dmode = mode;
        ASSERT_TRUE(ResetBoard(false));
        POS_T parsed;
        int parsed_mode;
        std::string err;
        ASSERT_TRUE(ParsePosition(mode == 2 ? start2d : start3d, &parsed, &parsed_mode, &err)) << err;
        EXPECT_EQ(parsed_mode, mode);
        EXPECT_EQ(FormatPosition(&state.position, mode), mode == 2 ? start2d : start3d);
        for (int sq = 0; sq < 64; sq++)
            EXPECT_EQ(parsed.board[sq], state.position.board[sq]) << sq;
        for (int s = 0; s < 32; s++) {
            EXPECT_EQ(parsed.pieces[s].p, state.position.pieces[s].p) << "slot " << s;
            if (parsed.pieces[s].p) {
                EXPECT_EQ(parsed.pieces[s].pos, state.position.pieces[s].pos) << "slot " << s;
            }
        }
        EXPECT_EQ(parsed.hash1, state.position.hash1);
        EXPECT_EQ(parsed.hash2, state.position.hash2);
        EXPECT_EQ(parsed.flags & FLAG_CASTLE_RIGHTS, FLAG_CASTLE_RIGHTS);
        for (int i = 0; i < 64; i++)
            EXPECT_EQ(parsed.topieces[i], state.position.topieces[i]) << "square " << i;
    }
}

TEST(PositionText, MoveNumbersAndSide)
{
    POS_T pos;
    int mode;
    std::string err;
    ASSERT_TRUE(ParsePosition("4k3/8/8/8/8/8/8/4K3 b - - 7 12", &pos, &mode, &err)) << err;
    EXPECT_EQ(pos.move_num, 23);
    EXPECT_EQ(pos.fifty_count, 8);  // the game counts a capture's ply as 1
    EXPECT_EQ(FormatPosition(&pos, 2), "4k3/8/8/8/8/8/8/4K3 b - - 7 12");
    {
        // Right after a capture the text's clock is 0 again.
        POS_T before, after;
        ASSERT_TRUE(ParsePosition("4k3/8/8/8/8/8/3p4/4K3 w - - 3 30", &before, &mode, &err)) << err;
        MOVE_T capture;
        InitMove(&capture, W_KING, E1, D2, 0, 'x', 0);
        ASSERT_TRUE(DoMove(&after, &before, &capture));
        EXPECT_EQ(FormatPosition(&after, 2), "4k3/8/8/8/8/8/3K4/8 b - - 0 30");
        // A quiet move from a clock of 0 makes it 1, in both games: from a
        // start read as text and from the game's own start.
        std::vector<MOVE_T> moves;
        for (const char* start : {PLAIN_START_TEXT, TRI_START_TEXT}) {
            ASSERT_TRUE(ParsePosition(start, &before, &mode, &err)) << err;
            state.dmode = mode;
            ASSERT_TRUE(ParseCoordinateMove(&before, mode == 2 ? "g1f3" : "H1G3", &capture));
            ASSERT_TRUE(DoMove(&after, &before, &capture));
            std::string text = FormatPosition(&after, mode);
            EXPECT_NE(text.find(" b KQkq - 1 1"), std::string::npos) << text;
        }
        SetupStartPosition(&before, 2);
        ASSERT_TRUE(CreatePBoard(&before, 2));
        UpdateMaps(&before);
        state.dmode = 2;
        ASSERT_TRUE(ParseCoordinateMove(&before, "b1c3", &capture));
        ASSERT_TRUE(DoMove(&after, &before, &capture));
        EXPECT_EQ(FormatPosition(&after, 2), "rnbqkbnr/pppppppp/8/8/8/2N5/PPPPPPPP/R1BQKBNR b KQkq - 1 1");
    }
    EXPECT_EQ(NextToPlay(&pos), -1);
    EXPECT_EQ(pos.hash1 & 1, 1u);
    ASSERT_TRUE(ParsePosition(
        "3d ..K...../......../......../......../......../......../......../......k. w - - 0 3 QL2,QL5,KL3,KL4 bwbw",
        &pos, &mode, &err))
        << err;
    EXPECT_EQ(pos.move_num, 4);
    EXPECT_EQ(pos.whereis_board[0], ABW_QL2);
    EXPECT_EQ(pos.whereis_board[3], ABW_KL4);
    EXPECT_EQ(mode, 3);
}

// A refused line names its problem and leaves the caller's position and the
// game mode exactly as they were.
TEST(PositionText, RefusalsNameTheProblemAndChangeNothing)
{
    struct Case {
        const char* line;
        const char* says;
    } cases[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0", "6 fields"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1", "8 ranks"},
        {"rnbqkbnr/ppppxppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "piece letter 'x'"},
        {"rnbqkbnr/ppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "rank 7"},
        {"rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "'9'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1BNR w KQkq - 0 1", "missing White king"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBKKBNR w KQkq - 0 1", "more than one White king"},
        {"rnbqkbnr/pppppppp/8/8/8/P7/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "too many White pawns"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1", "side to move"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkx - 0 1", "castling"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KKq - 0 1", "castling"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e3 0 1", "en-passant"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq i6 0 1", "en-passant"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - -1 1", "half-move"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 0", "full-move"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 100000", "full-move"},
        {"3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,QL1 wbwb",
         "two boards on pin QL1"},
        {"3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL7 wbwb",
         "bad pin 'KL7'"},
        {"3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1 wbwb",
         "4 pins"},
        {"3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbxb",
         "bad owner 'x'"},
        {"3d RP....pr/QP....pq/QP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb",
         "missing White king"},
        {"3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pk/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb",
         "more than one Black king"},
        {"3d RP....pr/QP....pq/KP....pk/RP....pr/NP...pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb",
         "column E"},
        {"3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq E2 0 1 QL1,QL6,KL1,KL6 wbwb",
         "en-passant"},
        {"3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6",
         "9 fields"},
        {"", "empty"},
    };
    state.dmode = 3;
    ASSERT_TRUE(ResetBoard(false));
    POS_T before = state.position;
    for (const Case& c : cases) {
        POS_T out = before;
        int mode = 77;
        std::string err;
        EXPECT_FALSE(ParsePosition(c.line, &out, &mode, &err)) << c.line;
        EXPECT_NE(err.find(c.says), std::string::npos) << c.line << " -> " << err;
        EXPECT_EQ(memcmp(&out, &before, sizeof out), 0) << c.line;
        EXPECT_EQ(mode, 77);
        EXPECT_EQ(state.dmode, 3);
    }
}

// No byte pattern may crash the parser or write out of bounds.
TEST(PositionText, GarbageIsRefusedSafely)
{
    unsigned seed = 12345;
    auto next = [&] { return seed = seed * 1103515245u + 12345u; };
    std::string alphabet = "KQRBNPkqrbnp.12345678/ -wb3dEQL,0123456789xyz\t";
    for (int i = 0; i < 3000; i++) {
        std::string s = i % 2 ? start3d : start2d;
        int edits = 1 + next() % 6;
        for (int k = 0; k < edits; k++) {
            size_t at = (next() >> 8) % (s.size() + 1);
            switch ((next() >> 4) % 3) {
            case 0: s.insert(at, 1, alphabet[(next() >> 8) % alphabet.size()]); break;
            case 1: if (at < s.size()) s.erase(at, 1); break;
            default: if (at < s.size()) s[at] = alphabet[(next() >> 8) % alphabet.size()];
            }
        }
        POS_T out;
        int mode;
        std::string err;
        if (ParsePosition(s, &out, &mode, &err))
            EXPECT_TRUE(mode == 2 || mode == 3);
        else
            EXPECT_FALSE(err.empty()) << s;
    }
}

}  // namespace
