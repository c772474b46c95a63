// Properties of the evaluation over many positions from random legal games
// of both games: a position and its colour-mirrored twin score alike term by
// term; the cached, incremental evaluation of a child equals an evaluation
// from scratch, also when the parent was evaluated only after the child was
// made; and two threads evaluating at once see their own results.
#include "EvalTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace {

// The pawn locators cannot tell a pawn on index row 0 from no pawn (only
// the tri-dimensional game has such pawns, on boards away from their
// promotion pins), so positions with a pawn on row 0 or 7 have no exact twin.
bool PawnOnEdgeRow(const POS_T* b)
{
    for (int sq = 0; sq < 64; sq++)
        if ((b->board[sq] == W_PAWN || b->board[sq] == B_PAWN) && (YPOS(sq) == 0 || YPOS(sq) == 7))
            return true;
    return false;
}

struct MirrorCount {
    int positions = 0, draws = 0, edge_rows = 0, reach_asymmetric = 0, pins_asymmetric = 0;
};

// Squares of the pieces in a slot mask, mirrored when asked.
std::vector<int> SquaresOf(const POS_T* b, uint32_t mask, bool mirror)
{
    std::vector<int> out;
    for (int s = 0; s < 32; s++)
        if (mask >> s & 1)
            out.push_back((int)(b->pieces[s].pos ^ (mirror ? 7 : 0)));
    std::sort(out.begin(), out.end());
    return out;
}

// The reach map is the union of every configuration met in the run, so it
// is mirror-symmetric only where the mirror of each configuration has been
// met too. Whether it is for the bishops' look at the heavy pieces here:
bool BishopReachMirrored(const POS_T* b)
{
    for (int s = 0; s < 32; s++) {
        const PS_T& bishop = b->pieces[s];
        if (bishop.p != W_BISHOP && bishop.p != B_BISHOP)
            continue;
        for (int t = 0; t < 32; t++) {
            const PS_T& target = b->pieces[t];
            if (!target.p || target.pos > 63)
                continue;
            char here = capture_map[bishop.p + 6][bishop.pos][target.pos].load();
            char there = capture_map[-bishop.p + 6][bishop.pos ^ 7][target.pos ^ 7].load();
            if (here != there)
                return false;
        }
    }
    return true;
}

void ExpectMirrored(const POS_T* p, int dmode, bool computer_white, const std::string& where, MirrorCount* count)
{
    if (dmode == 3 && PawnOnEdgeRow(p)) {
        count->edge_rows++;
        return;
    }
    POS_T src = *p;
    src.flags = computer_white ? src.flags | COMPUTER_IS_WHITE : src.flags & ~COMPUTER_IS_WHITE;
    auto a = et::Rebuild(&src, dmode, false);
    auto m = et::Rebuild(&src, dmode, true);
    ASSERT_FALSE(::testing::Test::HasFailure()) << where;
    if (dmode == 3) {
        // The game met the configurations of the original's moves; let the
        // reach map meet their mirrors too.
        std::vector<MOVE_T> moves;
        LegalChoices(m.get(), &moves);
    }
    EstimateGameStage(a.get(), 1);
    EstimateGameStage(m.get(), 1);
    ASSERT_EQ(a->stage, m->stage) << where;
    EVAL_TRACE_T ta, tm;
    ETYPE_T va = EvaluateTraced(a.get(), &ta);
    ETYPE_T vm = EvaluateTraced(m.get(), &tm);
    // The tri-dimensional line map lets the later of two diagonal directions
    // name a pair of squares joined both ways (over overlapping levels), so
    // its lines, and the pins found along them, need not mirror. Such
    // positions have no exact twin; the attack maps themselves must.
    for (SQ_T sq = 0; sq < 64; sq++)
        ASSERT_EQ(SquaresOf(a.get(), a->topieces[sq], false), SquaresOf(m.get(), m->topieces[sq ^ 7], true))
            << "attackers of square " << sq << " at " << where;
    if (SquaresOf(a.get(), a->pinned_mask, false) != SquaresOf(m.get(), m->pinned_mask, true)) {
        ASSERT_EQ(dmode, 3) << "pins differ at " << where;
        count->pins_asymmetric++;
        return;
    }
    // The draw score leans to the computer's side whichever colour it
    // plays, so a balance judged drawn has no mirrored score.
    bool draw = (a->flags | m->flags) & FLAG_MATERIAL_DRAWN;
    bool reach = BishopReachMirrored(a.get());
    count->draws += draw;
    count->reach_asymmetric += !reach;
    count->positions++;
    for (int t = 0; t < EVAL_TERMS; t++) {
        if ((t == TERM_MATERIAL_CORRECTION && draw) || (t == TERM_BISHOP_XRAY && !reach))
            continue;
        EXPECT_EQ(ta.term[t], -tm.term[t]) << EvalTermName(t) << " at " << where;
    }
    if (!draw && reach) {
        EXPECT_EQ(va, vm) << where;
        EXPECT_EQ(a->eval_result, -m->eval_result) << where;
    }
}

void MirrorAlongGame(const char* start, int plies, unsigned seed, MirrorCount* count)
{
    auto b = et::Load(start);
    int dmode = state.dmode;
    et::Rng rng(seed);
    std::vector<std::unique_ptr<POS_T>> line;
    line.push_back(std::move(b));
    for (int ply = 0; ply < plies && !::testing::Test::HasFailure(); ply++) {
        POS_T* cur = line.back().get();
        std::string where = FormatPosition(cur, dmode);
        ExpectMirrored(cur, dmode, ply % 3 == 1, where, count);
        MOVE_T m;
        if (!et::RandomMove(cur, &rng, &m))
            break;
        auto child = std::make_unique<POS_T>();
        ASSERT_TRUE(DoMove(child.get(), cur, &m)) << where << " " << CoordinateMove(&m);
        line.push_back(std::move(child));
    }
}

TEST(EvaluationSymmetry, MirroredTwinsScoreAlikeTermByTermInBothGames)
{
    MirrorCount plain, tri;
    for (unsigned seed : {1u, 2u, 3u}) {
        MirrorAlongGame(et::kPlainStart, 90, seed, &plain);
        MirrorAlongGame("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 60, seed, &plain);
        MirrorAlongGame("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 60, seed, &plain);
    }
    for (unsigned seed : {1u, 2u, 3u, 4u})
        MirrorAlongGame(et::k3dStart, 90, seed, &tri);
    EXPECT_GT(plain.positions, 400);
    EXPECT_GT(tri.positions, 200);
    RecordProperty("plain_positions", plain.positions);
    RecordProperty("tri_positions", tri.positions);
    RecordProperty("tri_edge_row_positions_skipped", tri.edge_rows);
    RecordProperty("drawn_balances", plain.draws + tri.draws);
    RecordProperty("asymmetric_reach", plain.reach_asymmetric + tri.reach_asymmetric);
    // The exclusions must leave most positions compared in full.
    RecordProperty("tri_pins_asymmetric_skipped", tri.pins_asymmetric);
    // Earlier work in the run may leave the reach map asymmetric in many
    // places; the x-ray term must still have been compared often.
    EXPECT_GT(tri.positions - tri.reach_asymmetric, 100);
    EXPECT_LT(tri.draws + tri.pins_asymmetric, tri.positions / 4);
}

// Everything an evaluation leaves in the position for its children.
void ExpectSameEvaluation(const POS_T& a, const POS_T& b, const std::string& where)
{
    for (int s = 0; s < 32; s++) {
        if (!a.pieces[s].p)
            continue;
        ASSERT_EQ(a.piece_values[s], b.piece_values[s]) << "slot " << s << " at " << where;
        if (a.piece_mask >> s & 1) {
            ASSERT_EQ(a.mobility[s], b.mobility[s]) << "slot " << s << " at " << where;
            ASSERT_EQ(a.safe_mobility[s], b.safe_mobility[s]) << "slot " << s << " at " << where;
        }
    }
    ASSERT_EQ(a.wpassed_pawn_mask, b.wpassed_pawn_mask) << where;
    ASSERT_EQ(a.bpassed_pawn_mask, b.bpassed_pawn_mask) << where;
    ASSERT_EQ(a.null_stoppable_pawn, b.null_stoppable_pawn) << where;
    ASSERT_EQ(a.null_unstoppable_pawn, b.null_unstoppable_pawn) << where;
    ASSERT_EQ(a.tactics, b.tactics) << where;
    ASSERT_EQ(a.expensive, b.expensive) << where;
    ASSERT_EQ(a.flags & FLAG_MATERIAL_DRAWN, b.flags & FLAG_MATERIAL_DRAWN) << where;
    if (a.stage != MATING) {
        for (int sq = 0; sq < 64; sq++) {
            ASSERT_EQ(a.control[sq], b.control[sq]) << "square " << sq << " at " << where;
            ASSERT_EQ(a.flight[sq], b.flight[sq]) << "square " << sq << " at " << where;
        }
        ASSERT_EQ(a.white_moves, b.white_moves) << where;
        ASSERT_EQ(a.black_moves, b.black_moves) << where;
        ASSERT_EQ(a.attacking_mask, b.attacking_mask) << where;
        ASSERT_EQ(a.hung_mask, b.hung_mask) << where;
    }
    ASSERT_EQ(a.eval_result, b.eval_result) << where;
}

void ExpectAsFromScratch(POS_T* b, int dmode, const std::string& where)
{
    ASSERT_TRUE(b->flags & FLAG_EVALUATED) << where;
    POS_T scratch = *b;
    scratch.oldb = nullptr;
    scratch.flags &= ~(FLAG_EVALUATED | FLAG_TACTICS_DONE);
    Evaluate(&scratch, NO_VALUE, 2);
    ExpectSameEvaluation(*b, scratch, where + " (" + (dmode == 2 ? "plain" : "3d") + ")");
}

// Plays a random game, evaluating each child through its parent's caches the
// way the search asks: sometimes a lazy probe first, sometimes re-scoring
// every piece.
void PlayIncremental(const char* start, int plies, unsigned seed, int* linked)
{
    auto b = et::Load(start);
    int dmode = state.dmode;
    et::Rng rng(seed);
    std::vector<std::unique_ptr<POS_T>> line;
    line.push_back(std::move(b));
    for (int ply = 0; ply < plies && !::testing::Test::HasFailure(); ply++) {
        POS_T* parent = line.back().get();
        MOVE_T m;
        if (!et::RandomMove(parent, &rng, &m))
            break;
        std::string where = FormatPosition(parent, dmode) + " then " + CoordinateMove(&m);
        auto child = std::make_unique<POS_T>();
        ASSERT_TRUE(DoMove(child.get(), parent, &m)) << where;
        *linked += child->oldb != nullptr;
        unsigned how = rng.Next(4);
        ETYPE_T testv = (ETYPE_T)rng.Next(60000) - 30000;
        if (how == 0)
            Evaluate(child.get(), testv, 0);
        Evaluate(child.get(), testv, how == 3 ? 2 : 1);
        ExpectAsFromScratch(child.get(), dmode, where);
        line.push_back(std::move(child));
    }
}

TEST(IncrementalEvaluation, EqualsEvaluationFromScratchAlongRandomGames)
{
    int linked = 0;
    for (unsigned seed : {11u, 12u, 13u, 14u}) {
        PlayIncremental(et::kPlainStart, 100, seed, &linked);
        PlayIncremental("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 60, seed, &linked);
        PlayIncremental("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 60, seed, &linked);
        PlayIncremental("8/8/3k4/8/8/2N5/3B4/4K2R w K - 0 1", 40, seed, &linked);  // mating stage
        PlayIncremental(et::k3dStart, 40, seed, &linked);
    }
    EXPECT_GT(linked, 400);  // most plain-game children evaluate through their parent
}

TEST(IncrementalEvaluation, ChildrenMadeBeforeTheirParentWasEvaluated)
{
    for (unsigned seed : {21u, 22u, 23u}) {
        auto b = et::Load("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4");
        int dmode = state.dmode;
        et::Rng rng(seed);
        std::vector<std::unique_ptr<POS_T>> line;
        line.push_back(std::move(b));
        for (int ply = 0; ply < 40 && !::testing::Test::HasFailure(); ply++) {
            POS_T* parent = line.back().get();
            MOVE_T m1, m2, m3;
            if (!et::RandomMove(parent, &rng, &m1))
                break;
            auto c1 = std::make_unique<POS_T>();
            ASSERT_TRUE(DoMove(c1.get(), parent, &m1));
            if (!et::RandomMove(c1.get(), &rng, &m2) || !et::RandomMove(c1.get(), &rng, &m3))
                break;
            // Two children of a parent nobody has evaluated yet: the first
            // evaluation evaluates the parent, the second child's copy was
            // made before that all the same.
            POS_T a, s;
            ASSERT_TRUE(DoMove(&a, c1.get(), &m2));
            ASSERT_TRUE(DoMove(&s, c1.get(), &m3));
            std::string where = FormatPosition(c1.get(), dmode);
            Evaluate(&a, 0, 1);
            ExpectAsFromScratch(&a, dmode, where + " then " + CoordinateMove(&m2));
            Evaluate(&s, 0, 1);
            ExpectAsFromScratch(&s, dmode, where + " then " + CoordinateMove(&m3));
            Evaluate(c1.get(), 0, 1);  // not yet done when both moves rebuilt their maps
            ExpectAsFromScratch(c1.get(), dmode, where);
            line.push_back(std::move(c1));
        }
    }
}

// Positions of a game evaluated from scratch, on two threads at once and in
// opposite orders; each thread reads its own stage's weights.
void EvaluateOnTwoThreads(const char* start, int plies)
{
    auto b = et::Load(start);
    et::Rng rng(5);
    std::vector<POS_T> positions;
    std::vector<ETYPE_T> expected;
    positions.push_back(*b);
    for (int ply = 0; ply < plies; ply++) {
        MOVE_T m;
        POS_T* cur = &positions.back();
        if (!et::RandomMove(cur, &rng, &m))
            break;
        POS_T child;
        ASSERT_TRUE(DoMove(&child, cur, &m));
        child.oldb = nullptr;
        positions.push_back(child);
    }
    for (POS_T& p : positions) {
        EstimateGameStage(&p, 1);
        p.flags &= ~(FLAG_EVALUATED | FLAG_TACTICS_DONE);
        POS_T copy = p;
        Evaluate(&copy, NO_VALUE, 2);
        expected.push_back(copy.eval_result);
    }
    std::vector<ETYPE_T> got[2];
    auto work = [&](int which) {
        for (size_t k = 0; k < positions.size(); k++) {
            size_t i = which ? positions.size() - 1 - k : k;
            POS_T copy = positions[i];
            coefficients = new_coefficients + copy.stage * STAGE_COEFFICIENTS;
            Evaluate(&copy, NO_VALUE, 2);
            got[which].push_back(copy.eval_result);
        }
    };
    std::thread other(work, 1);
    work(0);
    other.join();
    for (size_t i = 0; i < positions.size(); i++) {
        EXPECT_EQ(got[0][i], expected[i]) << i;
        EXPECT_EQ(got[1][positions.size() - 1 - i], expected[i]) << i;
    }
}

TEST(EvaluationThreads, TwoThreadsEvaluateAtOnce)
{
    EvaluateOnTwoThreads("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 60);
    EvaluateOnTwoThreads(et::k3dStart, 60);
}

}  // namespace
