// Standard algebraic notation written and read back over every legal move of
// positions with castling both ways, en passant, every promotion, checks,
// mates and each kind of disambiguation; the forms people type (0-0, missing
// check signs, long algebraic, e8Q) and the refusals; EPD lines.
#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kPositions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",  // castling both ways
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq - 0 1",
    "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2",                 // en passant
    "r1n1k3/1P6/8/8/8/8/6p1/4K2R w K - 0 1",             // promotions with and without capture
    "r1n1k3/1P6/8/8/8/8/6p1/4K2R b K - 0 1",
    "3k4/8/8/1N5K/8/1N3N2/8/R6R w - - 0 1",              // knights and rooks to tell apart
    "2k5/8/8/8/4Q2Q/K7/8/7Q w - - 0 1",                  // three queens on e1
    "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 0 1",  // Qxf7#
};

std::unique_ptr<POS_T> Position(const std::string& fen)
{
    std::unique_ptr<POS_T> b(new POS_T());
    int mode = 0;
    std::string err;
    EXPECT_TRUE(ParsePosition(fen, b.get(), &mode, &err)) << fen << ": " << err;
    state.dmode = 2;
    return b;
}

bool Same(const MOVE_T& a, const MOVE_T& b)
{
    return a.from == b.from && a.to == b.to && a.piece_moving == b.piece_moving && a.move_symbol == b.move_symbol;
}

// The SAN of the move given in coordinates.
std::string San(const std::string& fen, const std::string& coordinates)
{
    std::unique_ptr<POS_T> b = Position(fen);
    MOVE_T m;
    if (!ParseCoordinateMove(b.get(), coordinates, &m))
        return "(illegal " + coordinates + ")";
    return SanMove(b.get(), &m);
}

// The coordinates of the move the text names, or "refused: reason".
std::string Read(const std::string& fen, const std::string& text)
{
    std::unique_ptr<POS_T> b = Position(fen);
    MOVE_T m;
    std::string err;
    if (!ParseSanMove(b.get(), text, &m, &err))
        return "refused: " + err;
    return CoordinateMove(&m);
}

TEST(SanMove, EveryLegalMoveReadsBackFromItsSanAndItsCoordinates)
{
    for (const char* fen : kPositions) {
        std::unique_ptr<POS_T> b = Position(fen);
        std::vector<MOVE_T> legal;
        ASSERT_GT(LegalChoices(b.get(), &legal), 0) << fen;
        std::vector<std::string> seen;
        for (const MOVE_T& m : legal) {
            std::string san = SanMove(b.get(), &m);
            ASSERT_FALSE(san.empty()) << fen << " " << CoordinateMove(&m);
            for (const std::string& other : seen)
                EXPECT_NE(san, other) << fen << ": two moves written alike";
            seen.push_back(san);
            for (const std::string& text : {san, CoordinateMove(&m)}) {
                MOVE_T back;
                std::string err;
                ASSERT_TRUE(ParseSanMove(b.get(), text, &back, &err)) << fen << " " << text << ": " << err;
                EXPECT_TRUE(Same(back, m)) << fen << " " << text << " read as " << CoordinateMove(&back);
            }
        }
    }
}

TEST(SanMove, WritesCastlingCapturesPromotionsChecksAndDisambiguation)
{
    const char* kiwi = kPositions[1];
    EXPECT_EQ(San(kiwi, "e1g1"), "O-O");
    EXPECT_EQ(San(kiwi, "e1c1"), "O-O-O");
    EXPECT_EQ(San(kPositions[2], "e8c8"), "O-O-O");
    EXPECT_EQ(San(kiwi, "e5f7"), "Nxf7");
    EXPECT_EQ(San(kiwi, "d5e6"), "dxe6");
    EXPECT_EQ(San(kiwi, "c3b5"), "Nb5");
    EXPECT_EQ(San(kPositions[3], "e5d6"), "exd6");
    EXPECT_EQ(San(kPositions[4], "b7b8q"), "b8=Q");  // the knight on c8 blocks
    EXPECT_EQ(San(kPositions[4], "b7a8n"), "bxa8=N");
    EXPECT_EQ(San(kPositions[4], "b7c8r"), "bxc8=R+");
    EXPECT_EQ(San(kPositions[4], "b7c8b"), "bxc8=B");
    EXPECT_EQ(San(kPositions[5], "g2h1q"), "gxh1=Q+");
    EXPECT_EQ(San(kPositions[5], "g2g1n"), "g1=N");
    EXPECT_EQ(San(kPositions[6], "b3d4"), "Nb3d4");  // file and rank both shared
    EXPECT_EQ(San(kPositions[6], "b5d4"), "N5d4");
    EXPECT_EQ(San(kPositions[6], "f3d4"), "Nfd4");
    EXPECT_EQ(San(kPositions[6], "b5c7"), "Nc7");
    EXPECT_EQ(San(kPositions[6], "a1d1"), "Rad1+");
    EXPECT_EQ(San(kPositions[6], "h1d1"), "Rhd1+");
    EXPECT_EQ(San(kPositions[7], "h4e1"), "Qh4e1");
    EXPECT_EQ(San(kPositions[7], "e4e1"), "Qee1");
    EXPECT_EQ(San(kPositions[7], "h1e1"), "Q1e1");
    EXPECT_EQ(San(kPositions[8], "h5f7"), "Qxf7#");
    std::unique_ptr<POS_T> b = Position(kPositions[0]);
    MOVE_T none{};
    none.from = 12;
    none.to = 36;  // e2 to e5
    EXPECT_EQ(SanMove(b.get(), &none), "");
}

TEST(SanMove, ReadsTheFormsPeopleTypeAndRefusesTheRest)
{
    const char* kiwi = kPositions[1];
    EXPECT_EQ(Read(kiwi, "0-0"), "e1g1");
    EXPECT_EQ(Read(kiwi, "O-O-O"), "e1c1");
    EXPECT_EQ(Read(kiwi, "e1g1"), "e1g1");
    EXPECT_EQ(Read(kiwi, "Nxf7"), "e5f7");
    EXPECT_EQ(Read(kiwi, "Nf7"), "e5f7");      // the capture sign left out
    EXPECT_EQ(Read(kiwi, "Ne5xf7!?"), "e5f7");
    EXPECT_EQ(Read(kiwi, "Ng1-f3") , "refused: no legal move fits");
    EXPECT_EQ(Read(kPositions[0], "Ng1-f3"), "g1f3");
    EXPECT_EQ(Read(kPositions[0], "e2-e4"), "e2e4");
    EXPECT_EQ(Read(kPositions[3], "exd6e.p."), "e5d6");
    EXPECT_EQ(Read(kPositions[3], "ed6"), "e5d6");  // the capture sign left out
    EXPECT_EQ(Read(kPositions[4], "b8Q"), "b7b8q");
    EXPECT_EQ(Read(kPositions[4], "b8(N)"), "b7b8n");
    EXPECT_EQ(Read(kPositions[4], "b7b8r"), "b7b8r");
    EXPECT_EQ(Read(kPositions[4], "b8"), "b7b8q");     // a queen when none is named
    EXPECT_EQ(Read(kPositions[4], "bxa8=K"), "refused: not a promotion piece");
    EXPECT_EQ(Read(kPositions[4], "bxc8=R"), "b7c8r");  // the check sign left out
    EXPECT_EQ(Read(kPositions[4], "b8=Q+"), "b7b8q");   // a check sign too many
    EXPECT_EQ(Read(kPositions[8], "Qxf7"), "h5f7");
    EXPECT_EQ(Read(kPositions[6], "Nd4"), "refused: ambiguous");
    EXPECT_EQ(Read(kPositions[6], "Nbd4"), "refused: ambiguous");
    EXPECT_EQ(Read(kPositions[6], "N3d4"), "refused: ambiguous");
    EXPECT_EQ(Read(kPositions[7], "Qe1"), "refused: ambiguous");
    EXPECT_EQ(Read(kPositions[7], "Qhe1"), "refused: ambiguous");
    EXPECT_EQ(Read(kPositions[7], "Q4e1"), "refused: ambiguous");
    EXPECT_EQ(Read(kPositions[7], "Qh4xe1"), "h4e1");
    EXPECT_EQ(Read(kPositions[6], "Nb3d4"), "b3d4");
    EXPECT_EQ(Read(kPositions[0], "Ke2"), "refused: no legal move fits");
    EXPECT_EQ(Read(kPositions[0], "O-O"), "refused: castling is not legal here");
    for (const char* junk : {"", "x", "Zf3", "e9", "i4", "Nf3f3f3", "e4\x01", "\xff\xfe", "==Q", "0-0-0-0-0-0-0-0-0"})
        EXPECT_EQ(Read(kPositions[0], junk).substr(0, 8), "refused:") << junk;
}

TEST(EpdLine, ReadsOperationsQuotesAndCounters)
{
    EPD_LINE_T e;
    std::string err;
    ASSERT_TRUE(ParseEpdLine("r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - bm Qxf7# Qxe5+; "
                             "id \"scholar; the mate\"; hmvc 4; fmvn 4; c0 \"ignored\";",
                             &e, &err))
        << err;
    EXPECT_EQ(e.fen, "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4");
    EXPECT_EQ(e.id, "scholar; the mate");
    ASSERT_EQ(e.best.size(), 2u);
    EXPECT_EQ(e.best[1], "Qxe5+");
    EXPECT_TRUE(e.avoid.empty());
    ASSERT_TRUE(ParseEpdLine("8/8/8/8/8/8/8/K1k5 w - - am Kb1 Ka2;", &e, &err));
    EXPECT_EQ(e.fen, "8/8/8/8/8/8/8/K1k5 w - - 0 1");
    EXPECT_EQ(e.avoid.size(), 2u);
    EXPECT_FALSE(ParseEpdLine("8/8/8 w -", &e, &err));
    EXPECT_FALSE(ParseEpdLine("8/8/8/8/8/8/8/K1k5 w - - id \"open", &e, &err));
    EXPECT_FALSE(ParseEpdLine("8/8/8/8/8/8/8/K1k5 w - - hmvc x;", &e, &err));
    EXPECT_FALSE(ParseEpdLine(std::string(5000, 'a'), &e, &err));
}

}  // namespace
