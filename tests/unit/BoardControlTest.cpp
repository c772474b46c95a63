// Square control and mobility are kept incrementally against the position a
// simple move was made from; they must equal a computation from scratch. Also the control verdicts and pins themselves.
#include "board/board.h"
#include "eval/eval.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<POS_T> Load(const char* text)
{
    auto b = std::make_unique<POS_T>();
    int mode;
    std::string err;
    EXPECT_TRUE(ParsePosition(text, b.get(), &mode, &err)) << err;
    b->stage = OPENING;
    return b;
}

// Distinct control weights, so that a wrong square or sign shows.
struct TestWeights {
    int saved[NUM_COEFFICIENTS];
    TestWeights()
    {
        InitEvalTables();
        memcpy(saved, new_coefficients, sizeof saved);
        for (int i = 189; i < 381; i++)
            new_coefficients[i] = 100 + i;
        coefficients = new_coefficients;
    }
    ~TestWeights() { memcpy(new_coefficients, saved, sizeof saved); }
};

void FromScratch(POS_T* b)
{
    b->oldb = nullptr;
    FindPins(b);
    BoardControl1(b);
}

void ExpectSameControl(const POS_T* a, const POS_T* b, const std::string& where)
{
    for (int sq = 0; sq < 64; sq++) {
        ASSERT_EQ(a->control[sq], b->control[sq]) << where << " square " << sq;
        ASSERT_EQ(a->cont[sq], b->cont[sq]) << where << " square " << sq;
        ASSERT_EQ(a->flight[sq], b->flight[sq]) << where << " square " << sq;
    }
    for (int s = 0; s < 32; s++) {
        if (!a->pieces[s].p)
            continue;
        ASSERT_EQ(a->mobility[s], b->mobility[s]) << where << " slot " << s;
        ASSERT_EQ(a->safe_mobility[s], b->safe_mobility[s]) << where << " slot " << s;
    }
    ASSERT_EQ(a->white_moves, b->white_moves) << where;
    ASSERT_EQ(a->black_moves, b->black_moves) << where;
    ASSERT_EQ(a->board_control, b->board_control) << where;
}

void PlayAndCompare(const char* start, int plies, unsigned seed)
{
    TestWeights weights;
    auto parent = Load(start);
    FromScratch(parent.get());
    parent->flags |= FLAG_EVALUATED;
    for (int ply = 0; ply < plies; ply++) {
        std::vector<MOVE_T> moves;
        if (!LegalChoices(parent.get(), &moves))
            break;
        seed = seed * 1103515245u + 12345u;
        MOVE_T m = moves[(seed >> 8) % moves.size()];
        auto child = std::make_unique<POS_T>();
        ASSERT_TRUE(DoMove(child.get(), parent.get(), &m));
        // A move that rebuilt the maps (captures, promotions, castling on a
        // board) has no link back and is computed afresh.
        child->stage = OPENING;
        FindPins(child.get());
        BoardControl1(child.get());
        POS_T scratch = *child;
        FromScratch(&scratch);
        ExpectSameControl(child.get(), &scratch, FormatPosition(parent.get(), state.dmode) + " then " +
                                                     CoordinateMove(&m));
        if (::testing::Test::HasFailure())
            return;
        child->flags |= FLAG_EVALUATED;
        child->oldb = nullptr;
        parent = std::move(child);
    }
}

TEST(BoardControl, IncrementalEqualsFromScratchInPlayedGames)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        PlayAndCompare("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 60, seed);
        PlayAndCompare("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 60, seed);
        PlayAndCompare(
            "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 "
            "QL1,QL6,KL1,KL6 wbwb",
            60, seed);
    }
}

// A promoted piece is new to its slot: a pawn's slot never counted mobility,
// and a new queen may take the slot of one captured long before. Counting it
// on from the slot's old numbers left it a square or more short whenever the
// pawn and the new piece attacked a square in common.
TEST(BoardControl, APromotedPieceIsCountedAfresh)
{
    TestWeights weights;
    int promotions = 0;
    for (const char* start : {
             "8/1P4k1/8/8/8/8/6K1/8 w - - 0 1",          // the queen's slot is free
             "3q4/1P4k1/8/8/8/8/6K1/3Q4 w - - 0 1",      // it is not
             "r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1",         // capturing as it promotes
             // By a board move, which keeps the link to the position before.
             "3d .P....../......../K......./......../......../......../......k./........ w - - 0 1 "
             "QL5,QL3,KL1,KL6 wbwb",
             "3d .P....../......../K......./......../......../......../.Q....k./........ w - - 0 1 "
             "QL5,QL3,KL1,KL6 wbwb",
         }) {
        auto parent = Load(start);
        FromScratch(parent.get());
        parent->flags |= FLAG_EVALUATED;
        std::vector<MOVE_T> moves;
        ASSERT_GT(LegalChoices(parent.get(), &moves), 0) << start;
        for (MOVE_T m : moves) {
            auto child = std::make_unique<POS_T>();
            ASSERT_TRUE(DoMove(child.get(), parent.get(), &m));
            if (!(child->flags & FLAG_PROMOTED))
                continue;
            promotions++;
            FindPins(child.get());
            BoardControl1(child.get());
            POS_T scratch = *child;
            FromScratch(&scratch);
            ExpectSameControl(child.get(), &scratch, std::string(start) + " then " + CoordinateMove(&m));
        }
    }
    EXPECT_GE(promotions, 12);
}

TEST(BoardControl, ControlVerdicts)
{
    auto b = Load("4k3/8/8/3n4/8/4R3/8/4K3 w - - 0 1");  // rook e3 attacked by the knight d5
    uint32_t attackers = b->topieces[E3];
    ASSERT_NE(attackers & BLACK_SLOTS, 0u);
    EXPECT_EQ(GetControl(b.get(), attackers | 0x1, W_ROOK, E3), -W_ROOK);  // whatever else attacks
    EXPECT_EQ(GetControl(b.get(), 0, W_ROOK, E3), 0);
    // An empty square attacked by one White pawn and one Black pawn: the
    // pieces behind them decide.
    EXPECT_EQ(GetControl(b.get(), 0x100 | 0x01000000 | 0x2, 0, D4), 1);
}

TEST(BoardControl, HangingAndAttackedPieces)
{
    TestWeights weights;
    // The knight d5 attacks the undefended rook e3; the rook attacks nothing.
    auto b = Load("4k3/8/8/3n4/8/4R3/8/K7 w - - 0 1");
    FromScratch(b.get());
    BoardControl2(b.get());
    PS_T* rook = GetPBoard(b.get(), E3);
    PS_T* knight = GetPBoard(b.get(), D5);
    ASSERT_TRUE(rook && knight);
    EXPECT_TRUE(b->hung_mask >> (rook - b->pieces) & 1);
    EXPECT_TRUE(b->attacking_mask >> (knight - b->pieces) & 1);
    EXPECT_FALSE(b->attacking_mask >> (rook - b->pieces) & 1);
}

TEST(FindPins, ASliderBehindAPieceOnItsKingPinsIt)
{
    // The bishop b4 pins the knight c3 to the king e1; the knight d5 is free.
    auto b = Load("4k3/8/8/3n4/1b6/2N5/8/4K3 w - - 0 1");
    FindPins(b.get());
    PS_T* pinned = GetPBoard(b.get(), C3);
    ASSERT_TRUE(pinned);
    EXPECT_EQ(b->pinned_mask, 1u << (pinned - b->pieces));
    b->stage = MATING;
    FindPins(b.get());
    EXPECT_EQ(b->pinned_mask, 0u);
}

}  // namespace
