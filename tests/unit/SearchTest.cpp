// The search finds forced mates with the right mate distance, stops when
// asked, and orders moves as its tables say.
#include "board/board.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"
#include "search/search.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<POS_T> Load(const std::string& text)
{
    auto b = std::make_unique<POS_T>();
    int mode;
    std::string err;
    EXPECT_TRUE(ParsePosition(text, b.get(), &mode, &err)) << err;
    return b;
}

// Searches a copy of the position as the computer's own move.
ETYPE_T Think(POS_T* b, int maxdepth, MOVE_T* best)
{
    state.maxdepth = maxdepth;
    state.vornak = NextToPlay(b);
    state.stop_search = 0;
    state.rules = RULES_TDCL;
    if (state.vornak == 1)
        b->flags |= 0x8000000;
    else
        b->flags &= ~0x8000000u;
    RegenToPieces(b);
    EstimateGameStage(b, 1);
    POS_T copy = *b;
    copy.moves = nullptr;
    move_timer.timer_limit = 60;
    move_timer.TimerStart();
    return Search(&copy, best);
}

bool Mated(POS_T* b)
{
    std::vector<MOVE_T> replies;
    return (b->flags & FLAG_IN_CHECK) && LegalChoices(b, &replies) == 0;
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
    Search(&copy, &best);
    EXPECT_LT(search.nodes, 50);
    state.stop_search = 0;
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

TEST(MoveOrdering, CutoffsTeachKillersHistoryAndRefutations)
{
    auto b = Load("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 0 1");
    state.maxdepth = 8;
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
