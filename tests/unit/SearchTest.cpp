// The search finds forced mates with the right mate distance, stops when
// asked, and orders moves as its tables say.
#include "board/board.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"
#include "search/search.h"

#include "EvalTestUtil.h"
#include "SearchTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using st::Load;
using st::Mated;

// Searches a copy of the position as the computer's own move.
ETYPE_T Think(POS_T* b, int maxdepth, MOVE_T* best)
{
    state.rules = RULES_TDCL;
    return st::Think(b, maxdepth, best);
}

// A mating move exists when some legal move leaves the opponent in check
// with no legal reply.
bool HasMateInOne(POS_T* b, std::vector<MOVE_T>* mates)
{
    std::vector<MOVE_T> moves;
    LegalChoices(b, &moves);
    for (MOVE_T m : moves) {
        POS_T child;
        MOVE_T made = m;
        if (DoMove(&child, b, &made) && Mated(&child))
            mates->push_back(m);
    }
    return !mates->empty();
}

TEST(Search, MateInOneAndTwoWithTheirDistances)
{
    MOVE_T best;
    auto one = Load("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1");
    EXPECT_EQ(Think(one.get(), 8, &best), 399999);
    EXPECT_STREQ(EvalStr(399999), "Mate01");
    EXPECT_EQ(CoordinateMove(&best), "a1a8");

    // White: Kc6, Rb1; Black: Ka8. Kc7 leaves only Ka7, then Ra1 mates.
    auto two = Load("k7/8/2K5/8/8/8/8/1R6 w - - 0 1");
    std::vector<MOVE_T> none;
    ASSERT_FALSE(HasMateInOne(two.get(), &none));
    EXPECT_EQ(Think(two.get(), 8, &best), 399997);
    POS_T after;
    MOVE_T made = best;
    ASSERT_TRUE(DoMove(&after, two.get(), &made));
    std::vector<MOVE_T> replies;
    LegalChoices(&after, &replies);
    ASSERT_FALSE(replies.empty());
    for (MOVE_T r : replies) {  // every defence loses at once
        POS_T next;
        MOVE_T reply = r;
        ASSERT_TRUE(DoMove(&next, &after, &reply));
        std::vector<MOVE_T> mates;
        EXPECT_TRUE(HasMateInOne(&next, &mates)) << CoordinateMove(&r);
    }

    // Black to move mates as well, with the score from its own side.
    auto black = Load("r5k1/8/8/8/8/8/5PPP/6K1 b - - 0 1");
    EXPECT_EQ(Think(black.get(), 8, &best), 399999);
    EXPECT_EQ(CoordinateMove(&best), "a8a1");
}

// Wherever a mate in one exists, the search plays one, in both games and with
// attack boards scattered (a board move may be the mate).
TEST(Search, FindsEveryMateInOneAlongRandomGames)
{
    const char* starts[] = {
        "4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1",
        "r3k3/8/8/8/8/8/8/4K2Q w - - 0 1",
        "3d R......./Q......./K......./......../......../......../......pk/........ w - - 0 1 QL1,QL6,KL1,KL6 wbwb",
        "3d R......./......../K......./R......./......../......../......../.......k w - - 0 1 QL2,QL6,KL3,KL6 wbwb",
    };
    int positions = 0, mates_found = 0;
    unsigned seed = 7;
    for (const char* start : starts) {
        auto b = std::make_unique<POS_T>();
        int mode;
        std::string err;
        ASSERT_TRUE(ParsePosition(start, b.get(), &mode, &err)) << err;
        for (int ply = 0; ply < 40; ply++) {
            std::vector<MOVE_T> moves;
            if (!LegalChoices(b.get(), &moves))
                break;
            std::vector<MOVE_T> mates;
            if (HasMateInOne(b.get(), &mates)) {
                POS_T probe = *b;
                MOVE_T best;
                ETYPE_T v = Think(&probe, 4, &best);
                // A mate proved through a child's table entry reads one
                // point more; both are a mate in one.
                EXPECT_GE(v, 399999) << FormatPosition(b.get(), mode);
                EXPECT_STREQ(EvalStr(v), "Mate01");
                POS_T after;
                MOVE_T made = best;
                ASSERT_TRUE(DoMove(&after, b.get(), &made)) << FormatPosition(b.get(), mode);
                EXPECT_TRUE(Mated(&after)) << FormatPosition(b.get(), mode) << " " << CoordinateMove(&best);
                mates_found++;
            }
            positions++;
            seed = seed * 1103515245u + 12345u;
            MOVE_T m = moves[(seed >> 8) % moves.size()];
            auto next = std::make_unique<POS_T>();
            ASSERT_TRUE(DoMove(next.get(), b.get(), &m));
            next->oldb = nullptr;
            b = std::move(next);
        }
    }
    EXPECT_GT(positions, 60);
    RecordProperty("mates", mates_found);
}

TEST(Search, NoLegalMoveGivesStalemateOrMate)
{
    MOVE_T best;
    auto stalemate = Load("k7/2Q5/1K6/8/8/8/8/8 b - - 0 1");
    EXPECT_EQ(Think(stalemate.get(), 6, &best), 0);
    EXPECT_TRUE(IsZeroMove(&best));
    auto mated = Load("k7/1Q6/1K6/8/8/8/8/8 b - - 0 1");
    EXPECT_LE(Think(mated.get(), 6, &best), -399999);
    EXPECT_TRUE(IsZeroMove(&best));
}

TEST(Search, StopsWhenAskedAndObeysTheDifficulty)
{
    MOVE_T best;
    auto b = Load("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 0 1");
    Think(b.get(), 4, &best);
    EXPECT_FALSE(IsZeroMove(&best));
    EXPECT_LE(search.search_depth, 3);  // easy: iterations of depth 2 and 3 only

    // A stop request stands before the search starts: it returns at once
    // with the first iteration's (unfinished) answer.
    state.maxdepth = 50;
    POS_T copy = *b;
    copy.moves = nullptr;
    state.vornak = 1;
    state.stop_search = 1;
    search_stop_requested = GameStopRequested;
    Search(&copy, &best, state.maxdepth);
    EXPECT_LT(search.nodes, 50);

    // The game's wishes reach the search only through the request its
    // caller lends it: without one, neither flag stops it.
    search_stop_requested = nullptr;
    state.vornak = VORNAK_OFF;
    copy = *b;
    copy.moves = nullptr;
    hash_c.HashReset();
    Search(&copy, &best, 4);
    EXPECT_GT(search.nodes, 100);
    state.stop_search = 0;
}

// Brute force, independent of the search: whether the side to move mates in
// at most n moves, whatever the defence.
bool MatesWithin(POS_T* b, int n);

bool EveryReplyMatedWithin(POS_T* after, int n)
{
    std::vector<MOVE_T> replies;
    if (LegalChoices(after, &replies) == 0)
        return after->flags & FLAG_IN_CHECK;
    if (n == 0)
        return false;
    for (MOVE_T r : replies) {
        auto next = std::make_unique<POS_T>();
        MOVE_T reply = r;
        if (!DoMove(next.get(), after, &reply) || !MatesWithin(next.get(), n))
            return false;
    }
    return true;
}

bool MatesWithin(POS_T* b, int n)
{
    std::vector<MOVE_T> moves;
    LegalChoices(b, &moves);
    for (MOVE_T m : moves) {
        auto after = std::make_unique<POS_T>();
        MOVE_T made = m;
        if (DoMove(after.get(), b, &made) && EveryReplyMatedWithin(after.get(), n - 1))
            return true;
    }
    return false;
}

// The search scores a mate in n as 400000 - (2n - 1) and plays a move that
// keeps the mate, and no shorter mate exists. With `slack` the search may
// settle for a mate one move longer: an iteration ends at the first mate its
// window proves.
void ExpectMateIn(const char* position, int n, const char* first = nullptr, int slack = 0)
{
    SCOPED_TRACE(position);
    auto b = Load(position);
    ASSERT_TRUE(PositionPlayable(b.get()));
    hash_c.HashReset();
    hash_c.OrderReset();
    if (n > 1) {
        ASSERT_FALSE(MatesWithin(b.get(), n - 1));
    }
    MOVE_T best;
    ETYPE_T v = Think(b.get(), 12, &best);
    EXPECT_LE(v, 400000 - (2 * n - 1));
    EXPECT_GE(v, 400000 - (2 * (n + slack) - 1));
    if (first) {
        EXPECT_EQ(CoordinateMove(&best), first);
    }
    auto after = std::make_unique<POS_T>();
    MOVE_T made = best;
    ASSERT_TRUE(DoMove(after.get(), b.get(), &made)) << CoordinateMove(&best);
    EXPECT_TRUE(EveryReplyMatedWithin(after.get(), n - 1 + slack)) << CoordinateMove(&best) << " lets the king out";
}

TEST(Search, MatesInTwoAndThreeInBothGames)
{
    ExpectMateIn("r1b2k1r/ppp1bppp/8/1B1Q4/5q2/2P5/PPP2PPP/R3R1K1 w - - 0 1", 2, "d5d8");
    ExpectMateIn("3k4/1R4p1/8/8/1K6/8/6R1/8 w - - 0 1", 3);
    ExpectMateIn("8/8/8/2Q5/p7/8/1k1K4/8 w - - 0 1", 3, nullptr, 1);

    // Tri-dimensional: the defender's attack-board moves are among its
    // replies, and none of them helps.
    ExpectMateIn(
        "3d ......../....Q.../...N.k../......../......../......../...K..../........ w - - 0 1 QL4,QL5,KL6,KL2 wbbw", 2,
        nullptr, 1);
    ExpectMateIn(
        "3d ......../......../.....k../......../.....K../.....R../......../.R...... w - - 0 1 QL3,QL6,KL5,KL4 wbwb",
        2);
    ExpectMateIn(
        "3d ......R./......../......../......../K......./..Q....k/......../........ w - - 0 1 QL3,QL4,KL6,KL1 bbww",
        3);
    ExpectMateIn(
        "3d ......k./......../K......./......../......../.......R/....Q.../........ w - - 0 1 QL4,QL2,KL6,KL2 bbww", 3,
        nullptr, 1);
}

TEST(Search, MatesMadeByMovingAnAttackBoard)
{
    // The board's move is the only mate: it carries a piece into line with
    // the king or takes away its last flight square.
    ExpectMateIn(
        "3d ......../.Q....../.....K../......../......k./......../......../........ w - - 0 1 QL4,QL1,KL2,KL5 wwbb", 1,
        "QLW:QL4-QL6");
    ExpectMateIn(
        "3d ......../.....R../.K....../..k..R../......../......../......../........ w - - 0 1 QL4,QL6,KL5,KL1 bbww", 1,
        "KLW:KL5-KL3");
    // The only mate in two starts with a board move; the defender's own
    // board moves are no escape.
    ExpectMateIn(
        "3d ......K./......../......../.....k../..R...../......../......../........ w - - 0 1 QL5,QL4,KL2,KL6 bbww", 2,
        "QLB:QL4-KL4");
    ExpectMateIn(
        "3d ......../K......./.......N/......../......../......../.....Q.k/........ w - - 0 1 QL6,QL1,KL5,KL1 bbww", 2,
        "KLB:KL1-KL2");
}

// The MTD(f) driver's test values, with the root test scripted: each entry
// answers one test (a value at or above the test value fails high).
struct SCRIPTED_ROOT_T {
    static inline std::vector<ETYPE_T> answers, asked;
    static ETYPE_T Test(POS_T*, int, ETYPE_T testv, MOVE_T*)
    {
        asked.push_back(testv);
        size_t i = asked.size() - 1;
        return i < answers.size() ? answers[i] : testv;
    }
};

std::vector<ETYPE_T> MtdTests(ETYPE_T guess, std::vector<ETYPE_T> answers, ETYPE_T* result)
{
    auto b = Load("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    hash_c.HashReset();  // nothing in the table decides a test or converges
    state.stop_search = 0;
    state.vornak = 1;
    RegenToPieces(b.get());
    b->moves = nullptr;
    move_timer.timer_limit = 60;
    move_timer.TimerStart();
    SCRIPTED_ROOT_T::answers = answers;
    SCRIPTED_ROOT_T::asked.clear();
    root_test = SCRIPTED_ROOT_T::Test;
    MOVE_T move;
    ZeroMove(&move);
    *result = MTDSearch(b.get(), &move, 4, guess);
    root_test = abroot;
    return SCRIPTED_ROOT_T::asked;
}

// The side to move has a move in hand. Without a bonus for it the scores of
// successive depths from the start swung by half a pawn in both games
// (+0.37, -0.27, +0.36, -0.19 from the plain start), which cost MTD(f),
// starting each iteration from the last score, passes it need not make. Now
// the steps stay under 0.3 pawn; without the bonus every one was above 0.4.
TEST(Search, SuccessiveDepthsAgreeFromTheStart)
{
    for (const char* start : {PLAIN_START_TEXT, TRI_START_TEXT}) {
        auto b = Load(start);
        MOVE_T best;
        std::vector<ETYPE_T> scores;
        for (int depth = 3; depth <= 6; depth++)
            scores.push_back(Think(b.get(), depth, &best));
        for (size_t i = 1; i < scores.size(); i++)
            EXPECT_LT(std::abs(scores[i] - scores[i - 1]), 4000)
                << start << ": depth " << i + 2 << " " << scores[i - 1] << ", depth " << i + 3 << " " << scores[i];
    }
}

// The search builds every position's control and piece scores on the root's.
// When the root was evaluated before its stage was estimated, it kept the
// weights the thread had used last (a fresh thread's are the opening's), and
// in an ending nearly every position of the search scored otherwise than the
// same position evaluated afresh. Each root here follows one of another stage,
// on a thread of its own as a new thinking thread would be.
TEST(Search, ThePositionsOfASearchScoreAsTheyWouldAfresh)
{
    const char* roots[] = {
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
        "r4rk1/p4ppp/1pb2q2/n1p5/2P1RB2/P1P2N2/2Q2PPP/2K2B1R b - - 0 1",
        "3d ....B.../.p.....b/Kb....../RP....pk/Np....p./......../......PQ/......r. b - - 1 35 "
        "KL3,QL5,KL1,KL6 bbwb",
        TRI_START_TEXT,
        "6k1/5pp1/8/3R4/8/6P1/5PK1/2r5 w - - 0 40",
    };
    std::vector<std::string> faults;
    int compared = 0;
    std::thread([&] {
        et::Rng rng(5);
        for (const char* text : roots) {
            auto root = Load(text);
            PrepareRoot(root.get());
            for (int line = 0; line < 12; line++) {
                std::vector<std::unique_ptr<POS_T>> path;
                POS_T* b = root.get();
                for (int ply = 0; ply < 4; ply++) {
                    MOVE_T m;
                    if (!et::RandomMove(b, &rng, &m))
                        break;
                    path.push_back(std::make_unique<POS_T>());
                    if (!DoMove(path.back().get(), b, &m))
                        break;
                    b = path.back().get();
                    Evaluate(b, 1, 1);
                    auto fresh = std::make_unique<POS_T>(*b);
                    fresh->oldb = nullptr;
                    fresh->flags &= ~(FLAG_EVALUATED | FLAG_TACTICS_DONE);
                    Evaluate(fresh.get(), NO_VALUE, 2);
                    compared++;
                    if (fresh->eval_result != b->eval_result && faults.size() < 5)
                        faults.push_back(FormatPosition(b, b->dmode) + ": " + std::to_string(b->eval_result) +
                                         " in the search, " + std::to_string(fresh->eval_result) + " afresh");
                }
            }
        }
    }).join();
    EXPECT_GT(compared, 200);
    for (const std::string& f : faults)
        ADD_FAILURE() << f;
}

TEST(MtdSearch, TestValuesStepDownThenCloseTheWindow)
{
    ETYPE_T v;
    // A fail low at -5000 returning -8000 steps 20000 further down; the
    // fail high there ends the first phase; the window then closes.
    EXPECT_EQ(MtdTests(0, {-8000, -28000, -28000}, &v), (std::vector<ETYPE_T>{-5000, -28000, -27300}));
    EXPECT_EQ(v, -28000);

    // Fail highs in a row widen the step 700, 2800, 6300; a fail low then
    // steps back, never past the middle of the window, until the bounds are
    // within 700.
    EXPECT_EQ(MtdTests(0, {0, 700, 3500, 5000, 4300}, &v), (std::vector<ETYPE_T>{-5000, 700, 3500, 9800, 4300}));
    EXPECT_EQ(v, 4300);

    // A single fail high below the guess restarts close to the guess.
    EXPECT_EQ(MtdTests(5000, {0, 4000}, &v)[1], 4650);

    // The first phase never tests beyond the bounds, however far down the
    // fail lows go, and gives up after seven tests.
    std::vector<ETYPE_T> asked = MtdTests(0, {-5001, -25002, -85003, -215004, -399000, -399500, -399800}, &v);
    EXPECT_EQ(std::vector<ETYPE_T>(asked.begin(), asked.begin() + 4),
              (std::vector<ETYPE_T>{-5000, -25001, -85002, -215003}));
    for (ETYPE_T y : asked) {
        EXPECT_GT(y, -INFINITE_SCORE);
        EXPECT_LT(y, INFINITE_SCORE);
    }
}

TEST(Search, DifficultySetsTheDepthAndTimeEndsTheHardest)
{
    std::vector<int> depths;
    static std::vector<int>* seen;
    seen = &depths;
    search_iteration_hook = [](POS_T*, int depth, ETYPE_T, const MOVE_T*) { seen->push_back(depth); };

    MOVE_T best;
    auto quiet = Load("8/5k2/3p4/1p1Pp2p/pP2Pp1P/P4P1K/8/8 w - - 0 1");
    hash_c.HashReset();
    Think(quiet.get(), DIFF_EASY, &best);
    EXPECT_EQ(depths, (std::vector<int>{2, 3}));
    depths.clear();
    hash_c.HashReset();
    Think(quiet.get(), DIFF_MED, &best);
    EXPECT_EQ(depths, (std::vector<int>{2, 3, 4, 5, 6, 7}));

    // The hardest level is ended by the clock, with a legal move.
    depths.clear();
    hash_c.HashReset();
    auto b = Load("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 0 1");
    state.maxdepth = DIFF_HARD;
    state.vornak = 1;
    state.stop_search = 0;
    PrepareRoot(b.get());
    POS_T copy = *b;
    copy.moves = nullptr;
    move_timer.timer_limit = 1;
    move_timer.TimerStart();
    auto started = std::chrono::steady_clock::now();
    Search(&copy, &best, state.maxdepth);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 10.0);
    ASSERT_FALSE(depths.empty());
    EXPECT_LT(depths.back(), DIFF_HARD);
    std::vector<MOVE_T> legal;
    LegalChoices(b.get(), &legal);
    bool found = false;
    for (MOVE_T m : legal)
        found |= SameMove(&m, &best);
    EXPECT_TRUE(found) << CoordinateMove(&best);

    // A single legal move: no deeper than four plies.
    depths.clear();
    hash_c.HashReset();
    auto forced = Load("k7/8/1K6/8/8/8/8/7R b - - 0 1");
    Think(forced.get(), DIFF_HARD, &best);
    EXPECT_EQ(CoordinateMove(&best), "a8b8");
    ASSERT_FALSE(depths.empty());
    EXPECT_LE(depths.back(), 4);
    search_iteration_hook = nullptr;
}

TEST(Search, AStopRequestEndsTheSearchWithinANode)
{
    static long nodes_when_stopped, nodes_after;
    static int calls;
    calls = 0;
    root_test = [](POS_T* b, int depth, ETYPE_T testv, MOVE_T* move) {
        if (++calls == 3) {
            state.stop_search = 1;
            nodes_when_stopped = search.nodes;
            ETYPE_T v = abroot(b, depth, testv, move);
            nodes_after = search.nodes;
            return v;
        }
        return abroot(b, depth, testv, move);
    };
    auto b = Load("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 0 1");
    MOVE_T best;
    Think(b.get(), DIFF_HARD, &best);
    root_test = abroot;
    state.stop_search = 0;
    EXPECT_GE(calls, 3);
    EXPECT_LE(nodes_after - nodes_when_stopped, 2);  // the root test's node and one below it
    EXPECT_FALSE(IsZeroMove(&best));
}

TEST(MoveOrdering, StableSortAndTheFirstChoiceFirst)
{
    std::vector<MOVE_T> moves(MAX_MOVES);
    for (int i = 0; i < MAX_MOVES; i++)
        InitMove(&moves[i], W_KNIGHT, i % 64, i / 64, (i * 37) % 11, '-', 0);  // squares name the index
    std::vector<MOVE_T> sorted = moves;
    SortMoves(sorted.data(), MAX_MOVES);
    for (int i = 1; i < MAX_MOVES; i++)
        ASSERT_GE(sorted[i - 1].v, sorted[i].v);
    // Stability: among equal scores the original index order survives.
    std::vector<int> last_index(11, -1);
    for (const MOVE_T& m : sorted) {
        int index = (int)(m.to * 64 + m.from);
        ASSERT_GT(index, last_index[m.v]);
        last_index[m.v] = index;
    }

    auto b = Load("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 0 1");
    state.maxdepth = 8;
    hash_c.OrderReset();
    MOVE_T list[MAX_MOVES];
    int n = GetMoveCount(b.get(), list);
    MOVE_T first = list[n - 1];
    MOVE_T favourite = list[0];
    hash_c.history[favourite.from][favourite.to] = 1u << 29;  // a huge history score elsewhere
    OrderMoves(b.get(), list, n, 1, &first, 0);
    EXPECT_TRUE(SameMove(&list[0], &first));
    EXPECT_TRUE(SameMove(&list[1], &favourite));
}

// The list a search ply generates, as texts in the order it is searched,
// with `killer` a killer of the ply and `first` its first choice ("" none).
std::vector<std::string> PlyList(POS_T* b, const std::string& first, const std::string& killer)
{
    search.ply_limit = 8;
    hash_c.OrderReset();
    MOVE_T list[MAX_MOVES], chosen{};
    int n = GetMoveCount(b, list);
    for (int i = 0; i < n; i++) {
        if (CoordinateMove(&list[i]) == killer)
            hash_c.killers[3].k2 = list[i];
        if (CoordinateMove(&list[i]) == first)
            chosen = list[i];
    }
    GenMoveList(b, 3, first.empty() ? nullptr : &chosen, 0);
    std::vector<std::string> texts;
    for (int i = 0; i < b->num_moves; i++)
        texts.push_back(CoordinateMove(&b->moves[i]));
    b->moves = nullptr;
    hash_c.OrderReset();
    return texts;
}

// Every list a search ply generates comes ordered: the first-choice move,
// then (plain game) captures that win their exchange, then a killer; a
// capture that loses its exchange comes later.
TEST(MoveOrdering, EveryPlysListComesOrdered)
{
    auto b = Load("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 0 1");
    std::vector<std::string> texts = PlyList(b.get(), "a2a3", "h2h4");
    ASSERT_GT(texts.size(), 3u);
    EXPECT_EQ(texts[0], "a2a3");
    EXPECT_EQ(texts[1], "h2h4");
    // Without a first choice (evasions in quiescence) the killer leads.
    EXPECT_EQ(PlyList(b.get(), "", "h2h4")[0], "h2h4");

    // Rxa5 wins a knight, Bxh7 a pawn; Nxd5 loses the knight to the pawn.
    auto captures = Load("4k3/7p/2p5/n2p4/8/3BN3/8/R3K3 w - - 0 1");
    texts = PlyList(captures.get(), "e1d1", "e1f2");
    ASSERT_GT(texts.size(), 4u);
    EXPECT_EQ(texts[1], "a1a5");
    EXPECT_EQ(texts[2], "d3h7");
    EXPECT_EQ(texts[3], "e1f2");
    EXPECT_NE(std::find(texts.begin() + 4, texts.end(), "e3d5"), texts.end());
}

TEST(MoveOrdering, CutoffsTeachKillersHistoryAndRefutations)
{
    auto b = Load("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 0 1");
    search.ply_limit = 8;  // as a search to depth 8 sets it
    hash_c.OrderReset();
    MOVE_T list[MAX_MOVES];
    b->moves = list;
    b->num_moves = GetMoveCount(b.get(), list);
    int capture = -1, quiet = -1;
    for (int i = 0; i < b->num_moves; i++) {
        if (list[i].move_symbol == 'x' && capture < 0)
            capture = i;
        if (list[i].move_symbol == '-' && quiet < 0)
            quiet = i;
    }
    ASSERT_GE(capture, 0);
    ASSERT_GE(quiet, 0);
    CutoffHint(b.get(), quiet, 4, 3);
    CutoffHint(b.get(), capture, 4, 3);
    EXPECT_TRUE(SameMove(&hash_c.killers[3].k1, &list[capture]));
    EXPECT_TRUE(SameMove(&hash_c.killers[3].k2, &list[quiet]));
    EXPECT_EQ(hash_c.history[list[capture].from][list[capture].to], 16u);
    CutoffHint(b.get(), capture, 2, 3);  // again: killers stay, history grows
    EXPECT_TRUE(SameMove(&hash_c.killers[3].k2, &list[quiet]));
    EXPECT_EQ(hash_c.history[list[capture].from][list[capture].to], 20u);
    // Beyond the difficulty's depth no killers are kept.
    CutoffHint(b.get(), quiet, 1, 8);
    EXPECT_TRUE(IsZeroMove(&hash_c.killers[8].k2));
    b->moves = nullptr;
}

}  // namespace
