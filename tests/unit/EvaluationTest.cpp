// The static evaluation: score texts, the shipped weights, game stages,
// material corrections and draw scores, the result cache, the piece, pawn,
// king and tactics terms on small positions, the capture resolver and the
// tactics state after a null move.
#include "EvalTestUtil.h"

#include "hash/hash.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using et::Load;

const ETYPE_T* Stage(int stage)
{
    InitEvalTables();
    return new_coefficients + stage * STAGE_COEFFICIENTS;
}

// The slot of the piece on sq.
int SlotAt(POS_T* b, SQ_T sq)
{
    PS_T* p = GetPBoard(b, sq);
    EXPECT_NE(p, nullptr) << "no piece on " << sq;
    return p ? (int)(p - b->pieces) : 0;
}

// Puts b in a stage and makes the thread read that stage's weights.
void ForceStage(POS_T* b, int stage)
{
    b->stage = stage;
    coefficients = new_coefficients + stage * STAGE_COEFFICIENTS;
}

struct VornakSide {
    int saved = state.vornak;
    explicit VornakSide(int v) { state.vornak = v; }
    ~VornakSide() { state.vornak = saved; }
};

TEST(EvalStr, ScoresMatesAndBounds)
{
    EXPECT_STREQ(EvalStr(400000), "Mate01");
    EXPECT_STREQ(EvalStr(399997), "Mate02");
    EXPECT_STREQ(EvalStr(399873), "Mate64");
    EXPECT_STREQ(EvalStr(-399999), "-Mate01");
    EXPECT_STREQ(EvalStr(-399996), "-Mate02");
    EXPECT_STREQ(EvalStr(12500), "1.25");
    EXPECT_STREQ(EvalStr(-12500), "-1.25");
    EXPECT_STREQ(EvalStr(399872), "39.99");
    EXPECT_STREQ(EvalStr(405000), "Inf");
    EXPECT_STREQ(EvalStr(404999), "Inf");
    EXPECT_STREQ(EvalStr(-405000), "-Inf");
}

// The weights the evaluation was designed with, written down independently
// of the table's source.
TEST(Coefficients, TheGivenWeightsAreShippedExactly)
{
    InitEvalTables();
    const ETYPE_T* o = Stage(OPENING);
    struct Given {
        int first;
        std::vector<int> values;
    };
    const Given given[] = {
        {0, {2000, 2919, 1896, 1380, 1974, 1519, 700, 1500, 3912, 1097}},
        {10, {0, 3000, 5996, 9000, 12000, 15000, 18000, 21000, 0, 1000, 2000, 4000, 6000, 8000, 10000, 12000}},
        {26, {0, 0, 1000, 2000, 3000, 4000, 5000, 6000, 1771, 5827}},
        {41, {23988, 614, 62, -1000, -3000, 10000, 10000, 366, 168, 803, 1204, 1300}},
        {53, {-1260, -670, 768, 958, 887, 782, -600, -1601}},
        {1175, {0, 0, 0, 0, 0, 0, 0, 10052, 40012, 41375, 60163, 119983, 800000, 2715, 1446, 215, 495, 999}},
        {1193, std::vector<int>(12, 1000)},
        {1205, {-811, 922, 1985, 2993, 3999, 5000, 6000, 6000, -1039, 951, 1973, 2994, 4000, 5000, 6000, 6000}},
        {1221, {270, 886, 1037, 1499, 1984, 3001, 3000, 3000, -2126, -127, 882, 1469, 1995, 3000, 3000, 3000}},
        {1237, {474, 315, 2000, 500, 100, 50, 0}},
        {1287, {1900, 200, 200, 0}},
        {1319, {215, -266}},
        {1342, {30000, 1512, 895}},
        {1346, {1997, 2001, 1500, 2345, 501, 567}},
        {1353, {15957, 10994, 5910, 2957, 1977, 874}},   // passed rows 6..1
        {1360, {7900, 5199, 2678, 1270, 872, 373}},      // neighbour rows 6..1
        {1367, {3900, 2496, 1386, 1356, 888, 20, 1110}}, // open rows 6..1, enemy king
        {1438, {1199, 1225, 1187, 1515, 1474, 1457, 1442, 1416, 1382, 1471, 1503, 1504}},
        {1450, {535, 122}},
        {1453, {303, 903, 1374, 1400, 1500}},
    };
    for (const Given& g : given)
        for (size_t i = 0; i < g.values.size(); i++)
            EXPECT_EQ(o[g.first + i], g.values[i]) << "opening coefficient " << g.first + i;
    const int other_material[6] = {10000, 40100, 41200, 60300, 120000, 800000};
    const int draw[4] = {-1000, -1000, -998, -999};
    for (int stage = OPENING; stage <= MATING; stage++) {
        EXPECT_EQ(Stage(stage)[DRAW_SCORE], draw[stage]);
        EXPECT_EQ(Stage(stage)[MATERIAL], 0);
        for (int k = 1; k <= 6; k++) {
            if (stage != OPENING) {
                EXPECT_EQ(Stage(stage)[MATERIAL + k], other_material[k - 1]) << "stage " << stage;
            }
            EXPECT_EQ(Stage(stage)[MATERIAL - k], 0);
        }
        // The terms read in every stage keep one meaning: both tactics states
        // must stay apart for the null-move update to tell them.
        EXPECT_NE(Stage(stage)[TACTICS_WIN], Stage(stage)[TACTICS_THREAT]);
        EXPECT_GT(Stage(stage)[TACTICS_THREAT], 0);
    }
    EXPECT_EQ(memcmp(new_coefficients, orig_coefficients, sizeof new_coefficients), 0);
    for (int t = 0; t < EVAL_TERMS; t++)
        EXPECT_NE(EvalTermName(t), nullptr) << t;
}

TEST(GameStage, FollowsPiecesQueensCastlingAndPawns)
{
    auto b = Load(et::kPlainStart);
    EXPECT_EQ(b->stage, OPENING);
    EXPECT_EQ(coefficients, new_coefficients);
    b = Load("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1");
    EXPECT_EQ(b->stage, MID_GS);  // no castling right left
    b = Load("r3k3/pppppppp/8/8/8/8/PPPPPPPP/R3KB2 w Qq - 0 1");
    EXPECT_EQ(b->stage, ENDING);  // five pieces
    b = Load(et::k3dStart);
    EXPECT_EQ(b->stage, OPENING);

    // The last pawn goes: the mating stage, whatever pieces remain.
    b = Load("4k3/8/8/8/8/8/3p4/3QK2R w K - 0 1");
    EXPECT_EQ(b->stage, ENDING);
    MOVE_T m;
    InitMove(&m, W_QUEEN, D1, D2, 0, '-', 0);
    auto child = std::make_unique<POS_T>();
    ASSERT_TRUE(DoMove(child.get(), b.get(), &m));
    child->piece_change = 0;
    EstimateGameStage(child.get(), 1);
    EXPECT_EQ(child->stage, MATING);
    EXPECT_EQ(coefficients, new_coefficients + MATING * STAGE_COEFFICIENTS);
    EXPECT_EQ(child->piece_change, 0x10003u);  // both kings and the queen re-scored
    EstimateGameStage(child.get(), 0);         // only a root chooses
    EXPECT_EQ(child->stage, MATING);
}

TEST(DrawValue, DependsOnTheComputersSideAndTheStage)
{
    auto b = Load(et::kPlainStart);
    {
        // The side the computer plays is the root's, whatever the shell's
        // setting (both sides when it plays itself).
        VornakSide both(VORNAK_BOTH);
        b->flags |= COMPUTER_IS_WHITE;
        EXPECT_EQ(DrawValue(b.get()), -2000);
        ForceStage(b.get(), ENDING);
        EXPECT_EQ(DrawValue(b.get()), -1998);
        ForceStage(b.get(), MATING);
        EXPECT_EQ(DrawValue(b.get()), -1999);
    }
    b->flags &= ~COMPUTER_IS_WHITE;
    EXPECT_EQ(DrawValue(b.get()), 1);
    ForceStage(b.get(), OPENING);
    EXPECT_EQ(DrawValue(b.get()), 0);
}

TEST(CheckMaterial, DeadDrawsRookEndingsAndWeakSides)
{
    // Rook against rook without pawns: twice the draw score.
    auto b = Load("4k3/8/8/8/8/8/r7/4K2R w - - 0 1");
    ASSERT_EQ(b->stage, MATING);
    ASSERT_EQ(b->tactics, 0);
    EXPECT_EQ(b->eval_result, 2 * DrawValue(b.get()));
    EXPECT_TRUE(b->flags & FLAG_MATERIAL_DRAWN);
    EXPECT_EQ(Evaluate(b.get(), 0, 1), 2 * DrawValue(b.get()));  // White to move
    // Rook against knight, rook and bishop against rook.
    b = Load("4k3/8/8/8/8/8/n7/4K2R w - - 0 1");
    EXPECT_EQ(b->eval_result, -coefficients[ROOK_MINOR_ENDING]);
    b = Load("4k3/8/8/8/8/8/r7/2B1K2R b - - 0 1");
    EXPECT_EQ(b->eval_result, -coefficients[ROOK_MINOR_ENDING]);
    b = Load("4k2r/8/8/8/8/8/8/2N1K3 w - - 0 1");
    EXPECT_EQ(b->eval_result, coefficients[ROOK_MINOR_ENDING]);
    // A lone bishop cannot win: the score is at most the draw score.
    b = Load("4k3/8/8/8/8/8/8/2B1K3 w - - 0 1");
    EXPECT_EQ(b->eval_result, DrawValue(b.get()));
    EXPECT_TRUE(b->flags & FLAG_MATERIAL_DRAWN);
    // Two knights cannot force it either; against a pawn the weaker side
    // keeps its own chances.
    b = Load("4k3/8/8/8/8/8/p7/1NN1K3 w - - 0 1");
    EXPECT_LE(b->eval_result, DrawValue(b.get()));
}

TEST(CheckMaterial, TheAdvantageFadesWithTheFiftyMoveCount)
{
    auto b = Load("4k3/4p3/8/8/8/8/4P3/4K3 w - - 0 1");
    ASSERT_NE(b->stage, MATING);
    b->tactics = 0;
    b->fifty_count = 84;
    EXPECT_EQ(CheckMaterial(b.get(), 10000), -5000);
    EXPECT_EQ(CheckMaterial(b.get(), -10000), 5000);
    b->fifty_count = 20;
    EXPECT_EQ(CheckMaterial(b.get(), 10000), 0);
    b->fifty_count = 100;
    EXPECT_EQ(CheckMaterial(b.get(), 12800), 48 * 100 - 12800);
    // Past the limit the advantage is gone, never turned round.
    b->fifty_count = 300;
    EXPECT_EQ(CheckMaterial(b.get(), 10000), -10000);
    b->stage = MATING;
    b->fifty_count = 84;
    EXPECT_EQ(CheckMaterial(b.get(), 10000), 0);
}

TEST(CheckMaterial, TheSideAheadPrefersTradingPieces)
{
    // White a rook up; 4 pieces (kings included) and 2 pawns on the board.
    auto b = Load("4k3/4p3/8/8/8/8/4P3/R3K2R w - - 0 1");
    b->fifty_count = 1;
    ETYPE_T trade = coefficients[TRADE_DOWN + 4] - coefficients[PAWN_COUNT + 2];
    EXPECT_EQ(CheckMaterial(b.get(), 70000), trade);
    b = Load("r3k2r/4p3/8/8/8/8/4P3/4K3 w - - 0 1");
    b->fifty_count = 1;
    EXPECT_EQ(CheckMaterial(b.get(), -70000), -trade);
}

TEST(Evaluate, ASecondCallAnswersTheStoredResult)
{
    auto b = Load("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3");
    ASSERT_TRUE(b->flags & FLAG_EVALUATED);
    ETYPE_T first = Evaluate(b.get(), 0, 1);
    EXPECT_EQ(first, b->eval_result);
    b->eval_result = 777;  // a recomputation would overwrite it
    EXPECT_EQ(Evaluate(b.get(), 0, 1), 777);
    b->move_num++;
    EXPECT_EQ(Evaluate(b.get(), 0, 1), -777);
    // Scores stay out of the mate range.
    b->eval_result = 1000000;
    EXPECT_EQ(Evaluate(b.get(), 0, 1), -399852);
}

TEST(Evaluate, TheTraceAddsUpToTheScore)
{
    for (const char* text : {et::kPlainStart, et::k3dStart, "4k3/8/8/8/8/8/r7/4K2R w - - 0 1",
                             "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"}) {
        auto b = Load(text);
        EVAL_TRACE_T t;
        ETYPE_T v = EvaluateTraced(b.get(), &t);
        ETYPE_T sum = 0, pieces = 0;
        for (int k = 0; k < EVAL_TERMS; k++)
            sum += t.term[k];
        for (int s = 0; s < 32; s++)
            pieces += t.piece[s];
        ETYPE_T piece_terms = 0;
        for (int k = 0; k < TERM_PIECES_END; k++)
            piece_terms += t.term[k];
        EXPECT_EQ(sum, t.total) << text;
        EXPECT_EQ(t.total, b->eval_result) << text;
        EXPECT_EQ(v, b->eval_result * NextToPlay(b.get())) << text;
        EXPECT_EQ(pieces, piece_terms) << text;
        EXPECT_EQ(t.term[TERM_MATERIAL], b->w_material - b->b_material) << text;
        EXPECT_EQ(eval_trace, nullptr);
    }
}

TEST(Evaluate, TheLazyEstimateAnswersClearQuestionsOnly)
{
    auto parent = Load("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3");
    MOVE_T m;
    InitMove(&m, W_PAWN, D2, D3, 0, '-', 0);
    POS_T child;
    ASSERT_TRUE(DoMove(&child, parent.get(), &m));
    ASSERT_EQ(child.oldb, parent.get());
    // Far below the estimate: answered without the costly terms.
    ETYPE_T v = Evaluate(&child, -100000, 0);
    EXPECT_GE(v, -100000);
    EXPECT_FALSE(child.flags & FLAG_EVALUATED);
    // Near the estimate: the full evaluation.
    ETYPE_T full = Evaluate(&child, v, 0);
    EXPECT_TRUE(child.flags & FLAG_EVALUATED);
    EXPECT_EQ(full, child.eval_result * NextToPlay(&child));
}

TEST(PieceTerms, KnightAndBishopOutposts)
{
    // White knight d5 with a pawn on c4; no Black pawn on the c or e files.
    auto b = Load("4k3/pp5p/8/3N4/2P5/8/8/4K3 w - - 0 1");
    const ETYPE_T* c = coefficients;
    EXPECT_EQ(EvalKnight(b.get(), SlotAt(b.get(), D5)), c[KNIGHT_SQUARE_TABLE + D5] + c[2] + c[4]);
    // A Black pawn ahead on a neighbouring file can chase it away.
    b = Load("4k3/pp2p2p/8/3N4/2P5/8/8/4K3 w - - 0 1");
    EXPECT_EQ(EvalKnight(b.get(), SlotAt(b.get(), D5)), c[KNIGHT_SQUARE_TABLE + D5]);
    // The mirror for Black: knight d4 with a pawn on e5, the table read at
    // the square XOR 7.
    b = Load("4k3/8/8/4p3/3n4/8/PP5P/4K3 b - - 0 1");
    EXPECT_EQ(EvalKnight(b.get(), SlotAt(b.get(), D4)), c[KNIGHT_SQUARE_TABLE + (D4 ^ 7)] + c[2] + c[4]);
    // A bishop outpost without support, and its x-ray on the enemy king on
    // the same diagonal (a piece in between does not matter).
    b = Load("8/8/8/3B4/4n3/8/8/K6k w - - 0 1");
    c = coefficients;
    EXPECT_EQ(EvalBishopXray(b.get(), SlotAt(b.get(), D5)), c[BISHOP_XRAY + 1]);
    EXPECT_EQ(EvalBishop(b.get(), SlotAt(b.get(), D5)), c[3] + c[BISHOP_XRAY + 1]);
}

TEST(PieceTerms, RooksQueensAndMobility)
{
    auto b = Load("4k3/8/8/8/8/8/8/R2RK3 w - - 0 1");
    const ETYPE_T* c = coefficients;
    EXPECT_EQ(EvalRook(b.get(), SlotAt(b.get(), A1)), c[ROOK_SQUARE_TABLE + A1] + c[ROOK_DEFENDED]);
    b = Load("4k3/R2R4/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(EvalRook(b.get(), SlotAt(b.get(), A7)),
              c[ROOK_SQUARE_TABLE + A7] + c[ROOK_DEFENDED] + c[ROOKS_SEVENTH]);

    // The queen sortie costs only in the opening stage.
    b = Load("rnbqkbnr/pppppppp/8/8/3Q4/8/PPPPPPPP/RNB1KBNR w KQkq - 0 1");
    ASSERT_EQ(b->stage, OPENING);
    EXPECT_EQ(EvalQueen(b.get(), SlotAt(b.get(), D4)), -coefficients[QUEEN_SORTIE]);
    ForceStage(b.get(), MID_GS);
    EXPECT_EQ(EvalQueen(b.get(), SlotAt(b.get(), D4)), 0);
    ForceStage(b.get(), ENDING);
    EXPECT_EQ(EvalQueen(b.get(), SlotAt(b.get(), D4)), 0);
    b = Load("rnb1kbnr/pppppppp/3q4/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    EXPECT_EQ(EvalQueen(b.get(), SlotAt(b.get(), D6)), 0);  // row 2 seen from Black
    b = Load("rnb1kbnr/pppppppp/8/3q4/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    EXPECT_EQ(EvalQueen(b.get(), SlotAt(b.get(), D5)), -coefficients[QUEEN_SORTIE]);

    // Twelve moves read the table at count 9, by the row seen from the side.
    b = Load("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
    c = coefficients;
    int rook = SlotAt(b.get(), A1);
    b->mobility[rook] = 12;
    b->safe_mobility[rook] = 12;
    EXPECT_EQ(MobilityFunction(b.get(), rook), c[ROOK_MOBILITY + 9] + c[ROOK_SAFE_MOBILITY + 9]);
    b->mobility[rook] = 3;  // few moves, attacking nothing, none safe
    b->safe_mobility[rook] = 0;
    b->attacking_mask = 0;
    EXPECT_EQ(MobilityFunction(b.get(), rook),
              c[ROOK_MOBILITY + 3] - c[LOW_MOBILITY] + c[ROOK_SAFE_MOBILITY] - c[NO_SAFE_MOVE]);
    b = Load("r3k3/8/8/8/8/8/8/4K3 b - - 0 1");
    rook = SlotAt(b.get(), A8);
    b->mobility[rook] = 12;
    b->safe_mobility[rook] = 1;
    EXPECT_EQ(MobilityFunction(b.get(), rook), c[ROOK_MOBILITY + 9] + c[ROOK_SAFE_MOBILITY + 1]);
}

TEST(PawnTerms, PassedPawnAgainstALoneKing)
{
    // Row 6, nothing in front, the Black king far away: the passed part is at
    // least its minimum, and the square rule adds the unstoppable bonus.
    auto b = Load("8/1P6/8/8/8/8/8/K6k w - - 0 1");
    int slot = SlotAt(b.get(), B7);
    EXPECT_GE(EvalPawnWhite(b.get(), slot), coefficients[PASSED_MINIMUM] + coefficients[PAWN_UNSTOPPABLE]);
    EXPECT_TRUE(b->wpassed_pawn_mask >> slot & 1);

    // Row 4: the king on e6 is inside the square, on h1 outside; nothing else
    // about the pawn differs.
    auto inside = Load("8/8/4k3/1P6/8/8/8/K7 w - - 0 1");
    auto outside = Load("8/8/8/1P6/8/8/8/K6k w - - 0 1");
    int s1 = SlotAt(inside.get(), B5), s2 = SlotAt(outside.get(), B5);
    EXPECT_EQ(EvalPawnWhite(outside.get(), s2) - EvalPawnWhite(inside.get(), s1), coefficients[PAWN_UNSTOPPABLE]);

    // One step from the square: unstoppable with White to move, but a pass
    // would let the king in; with Black to move the king is just in time, and
    // a pass would let the pawn go.
    auto white = Load("8/8/5k2/1P6/8/8/8/K7 w - - 0 1");
    int s = SlotAt(white.get(), B5);
    EXPECT_TRUE(white->null_stoppable_pawn >> s & 1);
    EXPECT_FALSE(white->null_unstoppable_pawn >> s & 1);
    auto black = Load("8/8/5k2/1P6/8/8/8/K7 b - - 0 1");
    s = SlotAt(black.get(), B5);
    EXPECT_FALSE(black->null_stoppable_pawn >> s & 1);
    EXPECT_TRUE(black->null_unstoppable_pawn >> s & 1);
    EXPECT_EQ(EvalPawnWhite(white.get(), SlotAt(white.get(), B5)) -
                  EvalPawnWhite(black.get(), SlotAt(black.get(), B5)),
              coefficients[PAWN_UNSTOPPABLE]);
}

TEST(PawnTerms, StructureAndPassedPawnDetails)
{
    const ETYPE_T* c;
    // Doubled and isolated: the front pawn of the a-file pair.
    auto b = Load("4k3/8/8/8/P7/P7/8/4K3 w - - 0 1");
    c = coefficients;
    EVAL_TRACE_T t;
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_PAWN_DOUBLED], -c[PAWN_DOUBLED]);
    EXPECT_EQ(t.term[TERM_PAWN_ISOLATED], -2 * c[PAWN_ISOLATED]);
    // The same for Black scores the other way.
    b = Load("4k3/8/p7/p7/8/8/8/4K3 w - - 0 1");
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_PAWN_DOUBLED], c[PAWN_DOUBLED]);
    EXPECT_EQ(t.term[TERM_PAWN_ISOLATED], 2 * c[PAWN_ISOLATED]);

    // A passed pawn blocked by an enemy piece, with an own rook behind it.
    auto blocked = Load("r3k3/8/3n4/3P4/8/8/8/3RK3 w - - 0 1");
    c = coefficients;
    EvaluateTraced(blocked.get(), &t);
    EXPECT_EQ(t.term[TERM_PASSED_BLOCKED], -c[PASSED_BLOCKED]);
    EXPECT_EQ(t.term[TERM_PASSED_ROOKS], c[PASSED_OWN_ROOK_BEHIND]);
    auto pinned_support = Load("3rk3/8/8/3P4/8/8/8/3RK3 w - - 0 1");
    EvaluateTraced(pinned_support.get(), &t);
    EXPECT_EQ(t.term[TERM_PASSED_ROOKS], c[PASSED_OWN_ROOK_BEHIND]);  // the Black rook is not behind

    // Plain game: the squares ahead count while the enemy does not control
    // them. The king on e8 holds d7 and d8 against the bare pawn; the rook
    // behind supports the pawn through it and evens them out.
    const ETYPE_T* a = coefficients + PASSED_CONTROL_AHEAD + 15;  // a pawn on row 4
    auto bare = Load("4k2r/8/8/3P4/8/8/8/4K3 w - - 0 1");
    EvaluateTraced(bare.get(), &t);
    EXPECT_EQ(t.term[TERM_PASSED_CONTROL], a[0]);
    auto supported = Load("4k2r/8/8/3P4/8/8/8/3RK3 w - - 0 1");
    EvaluateTraced(supported.get(), &t);
    EXPECT_EQ(t.term[TERM_PASSED_CONTROL], a[0] + a[1] + a[2]);
    auto knight = Load("7k/8/1n6/3P4/8/8/8/4K3 w - - 0 1");  // the knight holds d7
    EvaluateTraced(knight.get(), &t);
    EXPECT_EQ(t.term[TERM_PASSED_CONTROL], a[0]);

    // A backward pawn attacked by two pieces, on a file without Black pawns.
    b = Load("4k3/8/8/8/1b6/1n6/3P4/4K3 w - - 0 1");
    c = coefficients;
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_PAWN_BACKWARD], -(c[PAWN_BACKWARD] + c[PAWN_BACKWARD_OPEN] + c[PAWN_BACKWARD_ATTACKED + 2]));
}

TEST(KingTerms, SafetyCountsAttackersAndOpenColumns)
{
    // Computer plays White, no Black queen, nothing near the White king, and
    // every column of its zone holds a pawn.
    auto b = Load("4k3/8/8/8/8/8/5PPP/6K1 w - - 0 1");
    ForceStage(b.get(), OPENING);
    b->flags |= COMPUTER_IS_WHITE;
    EXPECT_EQ(WhiteKingSafety(b.get()), 811);
    b->flags &= ~COMPUTER_IS_WHITE;
    EXPECT_EQ(WhiteKingSafety(b.get()), 1039);  // the opponent's table
    // A Black queen on the board switches tables; its rook's attack on the
    // zone counts twice; the open h-file costs once.
    b = Load("4k2r/q7/8/8/8/8/5PP1/6K1 w - - 0 1");
    ForceStage(b.get(), OPENING);
    b->flags |= COMPUTER_IS_WHITE;
    const ETYPE_T* c = coefficients;
    EXPECT_EQ(WhiteKingSafety(b.get()), -c[KING_ATTACK_OWN_QUEEN + 3] - c[OPEN_COLUMN_QUEEN]);
    // Seven attackers and a rook are as many as the table holds.
    b = Load("6qr/1b6/8/k1b5/5n2/8/4n3/r6K w - - 0 1");
    b->flags |= COMPUTER_IS_WHITE;
    c = coefficients;
    EXPECT_EQ(WhiteKingSafety(b.get()), -c[KING_ATTACK_OWN_QUEEN + 7] - 2 * c[OPEN_COLUMN_QUEEN]);
    EXPECT_EQ(KingSafety(b.get()), WhiteKingSafety(b.get()) - BlackKingSafety(b.get()));
}

TEST(KingTerms, PlaceCastlingAndShield)
{
    const ETYPE_T* c;
    // Castled White king behind f2, g2, h2 with the queens on.
    auto b = Load("rnbqk2r/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1RK1 w kq - 0 1");
    b->flags |= FLAG_CASTLED_W;
    ForceStage(b.get(), OPENING);
    c = coefficients;
    EXPECT_EQ(EvalWhiteKing(b.get(), 0), c[CASTLING] + c[KING_SHIELD] + c[KING_SHIELD + 1] + c[KING_SHIELD + 2]);
    // Without castling rights and not castled: the castling penalty.
    b = Load("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1");
    ForceStage(b.get(), OPENING);
    EXPECT_EQ(EvalWhiteKing(b.get(), 0), -c[CASTLING]);
    // Off the first row with the queens on.
    b = Load("rnbqkbnr/pppppppp/8/8/8/4K3/PPPPPPPP/RNBQ1BNR w kq - 0 1");
    ForceStage(b.get(), OPENING);
    EXPECT_EQ(EvalWhiteKing(b.get(), 0), -c[KING_ROW_OPENING + 2] - c[CASTLING]);
    ForceStage(b.get(), MID_GS);
    c = coefficients;
    EXPECT_EQ(EvalWhiteKing(b.get(), 0), -c[KING_ROW_MIDDLE + 2] - c[CASTLING]);
    // Without the enemy queen: centralisation, in any stage but mating.
    b = Load("4k3/8/8/8/3K4/8/8/8 w - - 0 1");
    ForceStage(b.get(), ENDING);
    c = coefficients;
    EXPECT_EQ(EvalWhiteKing(b.get(), 0), c[KING_CENTRE + 3] + c[KING_CENTRE + 3]);
    EXPECT_EQ(EvalBlackKing(b.get(), 16), c[KING_CENTRE + 4] + c[KING_CENTRE + 0]);  // e8: row 0 for Black
    // Mating stage: the stronger king approaches, the weaker centralises.
    b = Load("4k3/8/8/8/3K4/8/8/7R w - - 0 1");
    ASSERT_EQ(b->stage, MATING);
    c = coefficients;
    EXPECT_EQ(EvalWhiteKing(b.get(), 0), -c[KING_DISTANCE_MATING + 4]);
    EXPECT_EQ(EvalBlackKing(b.get(), 16), (c[KING_CENTRE + 4] + c[KING_CENTRE + 0]) * 10);
}

TEST(Specifics, PatternsPairsAndTheMatingDrive)
{
    // A knight at home behind an occupied development square, and a blocked
    // centre pawn, for both sides.
    auto b = Load("rn2k3/3p4/3b4/8/8/2P5/3P4/1N2K3 w - - 0 1");
    const ETYPE_T* c = coefficients;
    EVAL_TRACE_T t;
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_KNIGHT_BLOCKED], -c[KNIGHT_BLOCKED]);
    EXPECT_EQ(t.term[TERM_CENTRE_PAWN_BLOCKED], c[CENTRE_PAWN_BLOCKED_D]);
    // The bishop pair, and opposite bishops when a side is ahead.
    b = Load("4k3/8/8/2b5/8/8/8/2B1KB2 w - - 0 1");
    c = coefficients;
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_BISHOP_PAIR], c[BISHOP_PAIR]);
    b = Load("4k3/8/8/2b5/8/8/PPP5/2B1K3 w - - 0 1");  // c1 dark, c5 dark: same colour
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_OPPOSITE_BISHOPS], 0);
    b = Load("4k3/8/8/3b4/8/8/PPP5/2B1K3 w - - 0 1");  // d5 light
    c = coefficients;
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_OPPOSITE_BISHOPS], -c[OPPOSITE_BISHOPS]);
    // Mating stage: a lone king is driven; a single bishop of the light
    // squares wants it in a8 or h1.
    b = Load("8/8/8/8/3k4/8/8/K1B2N2 w - - 0 1");
    ASSERT_EQ(b->stage, MATING);
    c = coefficients;
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_MATING_DRIVE], c[MATING_DRIVE] + c[MATING_CORNER] * (7 - CornerDistance(D4)));
    b = Load("8/8/8/8/3k4/8/8/K2B1N2 w - - 0 1");
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_MATING_DRIVE], c[MATING_DRIVE] + c[MATING_CORNER] * (7 - CornerDistance(D4 ^ 7)));
    EXPECT_EQ(CornerDistance(A1), 0);
    EXPECT_EQ(CornerDistance(H8), 0);
    EXPECT_EQ(CornerDistance(D4), 3);
    EXPECT_EQ(CornerDistance(A8), 7);
}

TEST(Specifics, OverloadedDefenders)
{
    // The d4 knight guards two pieces standing on balanced squares.
    // The queen guards both knights, each attacked by one knight.
    auto b = Load("4k3/7p/1n5n/8/N5N1/8/P6K/3Q4 w - - 0 1");
    EVAL_TRACE_T t;
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_OVERLOADED], -coefficients[OVERLOADED + 2]);
    b = Load("4k3/7p/1n6/8/N5N1/8/P6K/3Q4 w - - 0 1");  // one duty only
    EvaluateTraced(b.get(), &t);
    EXPECT_EQ(t.term[TERM_OVERLOADED], 0);
    b = Load("4k3/8/8/8/8/8/8/R3K2R w - - 0 1");
    ForceStage(b.get(), MATING);
    EXPECT_EQ(OverloadedPieces(b.get()), 0);
}

TEST(Tactics, ComputedOnceAndForTheSideToMove)
{
    // White to move wins the undefended rook.
    auto b = Load("4k3/8/8/3r4/8/4N3/8/4K3 w - - 0 1");
    EXPECT_EQ(b->tactics, coefficients[TACTICS_WIN]);
    EXPECT_EQ(b->best_capture.from, (SQ_T)E3);
    EXPECT_EQ(b->best_capture.to, (SQ_T)D5);
    b->tactics = 12345;  // cached until the board changes
    EXPECT_EQ(EvalTactics(b.get()), 12345);
    b->flags &= ~FLAG_TACTICS_DONE;
    EXPECT_EQ(EvalTactics(b.get()), coefficients[TACTICS_WIN]);
    // The same board with Black to move: the rook is threatened.
    b = Load("4k3/8/8/3r4/8/4N3/8/4K3 b - - 0 1");
    EXPECT_EQ(b->tactics, coefficients[TACTICS_THREAT]);
    // A defended pawn is no win.
    b = Load("4k3/8/2p5/3p4/8/4N3/8/4K3 w - - 0 1");
    EXPECT_EQ(b->tactics, 0);
}

// The resolver's verdicts are remembered by position: a verdict must not
// outlive the piece values it was found with (the tuner changes them).
TEST(Tactics, ARememberedVerdictFollowsThePieceValues)
{
    const char* fen = "4k3/8/8/3r4/8/4N3/8/4K3 w - - 0 1";
    auto b = Load(fen);
    EXPECT_EQ(b->tactics, coefficients[TACTICS_WIN]);
    b->flags &= ~FLAG_TACTICS_DONE;
    ZeroMove(&b->best_capture);
    EXPECT_EQ(EvalTactics(b.get()), coefficients[TACTICS_WIN]);  // remembered, with its capture
    EXPECT_EQ(b->best_capture.to, (SQ_T)D5);
    {
        struct Saved {
            int rook = new_coefficients[MATERIAL + W_ROOK];
            ~Saved() { new_coefficients[MATERIAL + W_ROOK] = rook; }
        } saved;
        new_coefficients[MATERIAL + W_ROOK] = 1000;  // a tenth of a pawn: not worth a win
        b = Load(fen);
        EXPECT_EQ(b->tactics, 0);
    }
    b = Load(fen);
    EXPECT_EQ(b->tactics, coefficients[TACTICS_WIN]);
    // Black to move in the same placement is a different position.
    b = Load("4k3/8/8/3r4/8/4N3/8/4K3 b - - 0 1");
    EXPECT_EQ(b->tactics, coefficients[TACTICS_THREAT]);
}

TEST(Tactics, RootMovesScoreWhatTheOpponentWinsBack)
{
    auto b = Load("4k3/8/8/4p3/8/8/8/3QK3 w - - 0 1");
    MOVE_T m;
    InitMove(&m, W_QUEEN, D1, D4, 0, '-', 0);
    ETYPE_T hang = EvalMoveTactics(b.get(), &m);
    EXPECT_LE(hang, -119983 + 5000);
    EXPECT_GE(hang, -119983 - 5000);
    InitMove(&m, W_QUEEN, D1, D2, 0, '-', 0);
    EXPECT_EQ(EvalMoveTactics(b.get(), &m), 0);
    // A move that leaves the own king attacked cannot be made.
    b = Load("4k3/4r3/8/8/8/8/4B3/4K3 w - - 0 1");
    InitMove(&m, W_BISHOP, E2, D3, 0, '-', 0);
    EXPECT_EQ(EvalMoveTactics(b.get(), &m), -405000);
}

TEST(MiniQuiesce, StandPatVictimOrderAndBatteries)
{
    // Black to move: the queen attacks the undefended knight.
    auto b = Load("4k3/8/8/3q4/8/3N4/8/4K3 b - - 0 1");
    ETYPE_T base = b->b_material - b->w_material;
    EXPECT_EQ(MiniQuiesceB(b.get(), b->material_mask, 0, base, 0), base);  // stand pat reaches beta
    EXPECT_EQ(MiniQuiesceB(b.get(), b->material_mask, 0, base + 1, 0), base + 40012);
    // A victim worth less than the test stops the search at that gain.
    EXPECT_EQ(MiniQuiesceB(b.get(), b->material_mask, 0, base + 50000, 0), base + 40012);
    // Nothing changed in the position.
    POS_T copy = *b;
    MiniQuiesceB(b.get(), b->material_mask, 0, base + 1, 0);
    EXPECT_EQ(memcmp(copy.board, b->board, sizeof copy.board), 0);
    EXPECT_EQ(memcmp(copy.topieces, b->topieces, sizeof copy.topieces), 0);
    EXPECT_EQ(memcmp(copy.pieces, b->pieces, sizeof copy.pieces), 0);
    EXPECT_EQ(copy.w_material, b->w_material);

    // A defended knight: the queen takes and is taken back.
    b = Load("4k3/8/8/3q4/8/3N4/4P3/4K3 b - - 0 1");
    base = b->b_material - b->w_material;
    EXPECT_LT(MiniQuiesceB(b.get(), b->material_mask, 0, base + 1, 0), base + 1);

    // Plain game: the rook behind the rook joins the exchange once the front
    // one has captured (a battery).
    b = Load("3rk3/8/8/3p4/8/8/3R4/3RK3 w - - 0 1");
    base = b->w_material - b->b_material;
    EXPECT_GE(MiniQuiesceW(b.get(), b->material_mask, 0, base + 5000, 0), base + 5000);
    b = Load("3rk3/8/8/3p4/8/8/3R4/4K3 w - - 0 1");
    EXPECT_LT(MiniQuiesceW(b.get(), b->material_mask, 0, base + 5000, 0), base + 5000);
}

TEST(UpdateTactics, ANullMoveTurnsTheStateRound)
{
    const ETYPE_T t1 = Stage(OPENING)[TACTICS_WIN], t2 = Stage(OPENING)[TACTICS_THREAT];
    auto pass = [](POS_T* b) {
        b->move_num++;
        b->hash1 ^= 1;
        UpdateTactics(b);
    };
    // White wins the rook; after a pass Black saves nothing by capturing
    // first: White's threat remains.
    auto b = Load("4k3/8/8/3r4/8/4N3/8/4K3 w - - 0 1");
    ASSERT_EQ(b->tactics, t1);
    ETYPE_T before = b->eval_result;
    pass(b.get());
    EXPECT_EQ(b->tactics, t2);
    EXPECT_EQ(b->eval_result, before + t2 - t1);
    pass(b.get());  // White to move again: the threat is a win
    EXPECT_EQ(b->tactics, t1);
    EXPECT_EQ(b->eval_result, before);
    // Both sides can take, the knight that wins the rook being the bishop's
    // prey: after a pass Black wins first.
    b = Load("4k3/8/8/3r2b1/8/4N3/8/K7 w - - 0 1");
    ASSERT_EQ(b->tactics, t1);
    before = b->eval_result;
    pass(b.get());
    EXPECT_EQ(b->tactics, -t1);
    EXPECT_EQ(b->eval_result, before - 2 * t1);
    // Black threatens the rook: after a pass Black wins it; Black wins it,
    // and after a pass White has nothing to take first: the threat stays.
    b = Load("4k3/8/8/3R4/8/4n3/8/4K3 w - - 0 1");
    ASSERT_EQ(b->tactics, -t2);
    before = b->eval_result;
    pass(b.get());
    EXPECT_EQ(b->tactics, -t1);
    EXPECT_EQ(b->eval_result, before + t2 - t1);
    pass(b.get());
    EXPECT_EQ(b->tactics, -t2);
    EXPECT_EQ(b->eval_result, before);
    // Without the flag it is computed afresh.
    b = Load("4k3/8/8/3r4/8/4N3/8/4K3 w - - 0 1");
    b->flags &= ~FLAG_TACTICS_DONE;
    before = b->eval_result;
    b->tactics = 0;
    UpdateTactics(b.get());
    EXPECT_EQ(b->tactics, t1);
    EXPECT_EQ(b->eval_result, before + t1);
}

}  // namespace

// Making a move evaluates nothing; the score asked for later, whatever was
// evaluated in between, is the score that evaluating at once would give.
TEST(Evaluate, LazyAndEagerAgreeAlongRandomGames)
{
    for (const char* start : {et::kPlainStart, et::k3dStart}) {
        auto b = Load(start);
        et::Rng rng(start == et::kPlainStart ? 11 : 12);
        int compared = 0;
        for (int ply = 0; ply < 60; ply++) {
            std::vector<MOVE_T> moves;
            if (!LegalChoices(b.get(), &moves))
                break;
            std::vector<std::pair<std::unique_ptr<POS_T>, ETYPE_T>> later;
            for (int i = 0; i < 8; i++) {
                MOVE_T m = moves[rng.Next((unsigned)moves.size())];
                auto eager = std::make_unique<POS_T>(), lazy = std::make_unique<POS_T>();
                MOVE_T m1 = m, m2 = m;
                ASSERT_TRUE(DoMove(eager.get(), b.get(), &m1));
                ASSERT_TRUE(DoMove(lazy.get(), b.get(), &m2));
                EXPECT_FALSE(eager->flags & FLAG_EVALUATED) << "making a move evaluated it";
                ETYPE_T now = Evaluate(eager.get(), 1, 1);
                later.emplace_back(std::move(lazy), now);
            }
            // Evaluated in the reverse order, after all the others.
            for (size_t i = later.size(); i-- > 0;) {
                EXPECT_EQ(Evaluate(later[i].first.get(), 1, 1), later[i].second)
                    << FormatPosition(later[i].first.get(), state.dmode);
                compared++;
            }
            MOVE_T next;
            ASSERT_TRUE(et::RandomMove(b.get(), &rng, &next));
            auto child = std::make_unique<POS_T>();
            ASSERT_TRUE(DoMove(child.get(), b.get(), &next));
            child->oldb = nullptr;
            et::Restage(child.get());
            b = std::move(child);
        }
        EXPECT_GT(compared, 200);
    }
}
