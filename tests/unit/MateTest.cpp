// The search plays the shortest mate and names its distance, in both games,
// at every depth; a position without a legal move ends the search quietly.
#include "board/board.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"
#include "search/search.h"

#include "RecordTestUtil.h"
#include "SearchTestUtil.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using st::Mated;

std::unique_ptr<POS_T> Load(const std::string& text, int rules = RULES_TDCL)
{
    state.rules = rules;
    return st::Load(text);
}

// The computer's search of b to `depth` plies, from empty tables.
ETYPE_T Think(POS_T* b, int depth, MOVE_T* best)
{
    hash_c.HashReset();
    hash_c.OrderReset();
    return st::Think(b, depth + 1, best, 600);
}

// Whether every reply to `m` in b loses to a mate within `n - 1` more moves:
// the independent check that m mates in n.
bool MatesIn(POS_T* b, MOVE_T m, int n)
{
    POS_T child;
    if (!DoMove(&child, b, &m))
        return false;
    if (Mated(&child))
        return true;
    if (n == 1)
        return false;
    std::vector<MOVE_T> replies;
    if (!LegalChoices(&child, &replies))
        return false;
    for (MOVE_T r : replies) {
        POS_T after;
        if (!DoMove(&after, &child, &r))
            continue;
        std::vector<MOVE_T> ours;
        LegalChoices(&after, &ours);
        bool found = false;
        for (size_t i = 0; i < ours.size() && !found; i++)
            found = MatesIn(&after, ours[i], n - 1);
        if (!found)
            return false;
    }
    return true;
}

struct MateCase {
    const char* position;
    int rules;
    int n;                   // the shortest mate
    const char* also_mates;  // a longer mate, which must not be chosen
};

// Positions with a shorter and a longer mate; every search deep enough to
// see the shorter one plays it with the score of its distance.
TEST(Mate, TheShortestMateIsPlayedInBothGames)
{
    const MateCase cases[] = {
        {"rkr2Q2/7p/p1pp4/2p1p1pn/3P3q/7B/P2NPP2/R3K3 w - - 0 28", RULES_TDCL, 2, "a1b1"},
        {"7k/4P3/6K1/8/8/8/8/8 w - - 0 1", RULES_TDCL, 1, nullptr},
        {"6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1", RULES_TDCL, 1, nullptr},
        // Black's board move from QL5 to QL3 mates at once.
        {"3d ....B.../.p.....b/Kb....../RP....pk/Np....p./......../......PQ/......r. b - - 1 35 KL3,QL5,KL1,KL6 "
         "bbwb",
         RULES_TDCL, 1, nullptr},
    };
    for (const MateCase& c : cases) {
        for (int depth = 2 * c.n - 1; depth <= 2 * c.n + 2; depth++) {
            auto b = Load(c.position, c.rules);
            MOVE_T best;
            ETYPE_T v = Think(b.get(), depth, &best);
            std::string name = CoordinateMove(&best);
            SCOPED_TRACE(std::string(c.position) + " at depth " + std::to_string(depth) + ": " + name);
            EXPECT_EQ(v, INFINITE_SCORE + 1 - 2 * c.n);
            EXPECT_EQ(MatePlies(v), 2 * c.n - 1);
            auto fresh = Load(c.position, c.rules);
            EXPECT_TRUE(MatesIn(fresh.get(), best, c.n));
            if (c.also_mates) {
                EXPECT_NE(name, c.also_mates);
            }
        }
    }
}

// Far behind in material, with a quiet first move: no static value near the
// leaves may stand in for the search of the mate. (At exactly three plies the
// mating move stands at the frontier, where a side this far below the test
// is sent straight to the capture search.)
TEST(Mate, AQuietMateFarBehindInMaterialIsFound)
{
    const char* position = "7k/1R6/5K2/8/8/8/pp6/qn6 w - - 0 1";  // 1. Kg6 and 2. Rb8
    for (int depth = 4; depth <= 6; depth++) {
        auto b = Load(position);
        MOVE_T best;
        ETYPE_T v = Think(b.get(), depth, &best);
        SCOPED_TRACE("depth " + std::to_string(depth) + ": " + CoordinateMove(&best));
        EXPECT_EQ(v, INFINITE_SCORE - 3);
        auto fresh = Load(position);
        EXPECT_TRUE(MatesIn(fresh.get(), best, 2));
    }
}

// A promotion that mates names its piece, and the piece is one that mates.
TEST(Mate, APromotingMateNamesItsPiece)
{
    auto b = Load("7k/4P3/6K1/8/8/8/8/8 w - - 0 1");
    MOVE_T best;
    EXPECT_EQ(Think(b.get(), 3, &best), MATE_IN_ONE);
    std::string name = CoordinateMove(&best);
    EXPECT_TRUE(name == "e7e8q" || name == "e7e8r") << name;
}

TEST(Mate, DepthOneAnswersAMove)
{
    for (const char* start : {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                              "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 "
                              "1 QL1,QL6,KL1,KL6 wbwb"}) {
        auto b = Load(start);
        MOVE_T best;
        Think(b.get(), 1, &best);
        ASSERT_FALSE(IsZeroMove(&best)) << start;
        MOVE_T m = best;
        auto fresh = Load(start);
        EXPECT_TRUE(LegalMove(fresh.get(), &m, "test")) << CoordinateMove(&best);
    }
    // At depth 1 a mate in one is seen and taken.
    auto b = Load("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1");
    MOVE_T best;
    EXPECT_EQ(Think(b.get(), 1, &best), MATE_IN_ONE);
    EXPECT_EQ(CoordinateMove(&best), "a1a8");
}

TEST(Mate, NoLegalMoveEndsTheSearchQuietly)
{
    for (const char* over : {"7k/6Q1/6K1/8/8/8/8/8 b - - 0 1", "k7/8/1Q6/8/8/8/8/K7 b - - 0 1"}) {
        auto b = Load(over);
        MOVE_T best;
        std::string out = rt::Console([&] { Think(b.get(), 4, &best); });
        EXPECT_TRUE(IsZeroMove(&best)) << over;
        EXPECT_EQ(out.find("Panic"), std::string::npos) << over << ": " << out;
    }
}

// The table gives back a board move and a promotion as the generator wrote
// them: which board moves, and which piece the pawn becomes.
TEST(Mate, TableMovesKeepBoardsAndPromotionPieces)
{
    auto b = Load("3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 "
                  "QL1,QL6,KL1,KL6 wbwb");
    hash_c.HashReset();
    MOVE_T board_move, got;
    InitMove(&board_move, AB_QLW, ABW_QL1, ABW_QL3, 0, 'N', 0);
    hash_c.HashInsert(b.get(), 3, 100, 500, &board_move);
    ETYPE_T v;
    hash_c.CheckHash(b.get(), 3, 100, &v, &got);
    EXPECT_EQ(got.piece_moving, AB_QLW);
    EXPECT_EQ(got.from, (SQ_T)ABW_QL1);
    EXPECT_EQ(got.to, (SQ_T)ABW_QL3);
    EXPECT_EQ(got.move_symbol, 'N');
    EXPECT_EQ(CoordinateMove(&got), "QLW:QL1-QL3N");
}

}  // namespace
