// The transposition table's store and replacement rules, its two-key match,
// generations, and repetition detection.
#include "board/board.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<POS_T> Load(const char* text)
{
    auto b = std::make_unique<POS_T>();
    int mode;
    std::string err;
    EXPECT_TRUE(ParsePosition(text, b.get(), &mode, &err)) << err;
    return b;
}

const char* const kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

struct FreshTable {
    FreshTable()
    {
        hash_c.HashReset();
        hash_c.hash_tag = 1;
        hash_c.bad_updates = hash_c.good_updates = 0;
        hash_c.hash_hits = hash_c.hash_misses = hash_c.hash_shallow = 0;
    }
};

TEST(HashTable, OppositeBoundsOfEqualDepthMeetAsAnExactValue)
{
    FreshTable fresh;
    auto b = Load(kStart);
    MOVE_T m;
    InitMove(&m, W_PAWN, E2, E4, 0, '-', 0);
    hash_c.HashInsert(b.get(), 3, 800, 700, nullptr);  // fail low: high = 700 at depth 3
    hash_c.HashInsert(b.get(), 3, 100, 500, &m);       // fail high: low = 500 at depth 3
    hash_c.HashInsert(b.get(), 3, 600, 400, nullptr);  // fail low below it: high = 400
    TABLE_ENTRY_T* e = hash_c.FetchHash(b.get());
    ASSERT_TRUE(e);
    EXPECT_EQ(e->low, 400);
    EXPECT_EQ(e->high, 400);
    EXPECT_EQ(e->depth_low, 3);
    EXPECT_EQ(e->from, (uint32_t)E2);  // the fail-low keeps the move

    // A deeper lower bound contradicted by a shallower upper bound is dropped.
    hash_c.HashInsert(b.get(), 5, 100, 500, &m);
    hash_c.HashInsert(b.get(), 3, 600, 400, nullptr);
    e = hash_c.FetchHash(b.get());
    EXPECT_EQ(e->low, -NO_VALUE);
    EXPECT_EQ(e->depth_low, 0);
    EXPECT_EQ(e->high, 400);
    EXPECT_EQ(hash_c.bad_updates, 0);
    hash_c.HashInsert(b.get(), 2, 600, 300, nullptr);  // shallower than the stored upper bound
    EXPECT_EQ(hash_c.bad_updates, 1);
}

TEST(HashTable, ProbesDecideOnlyWithDeepEnoughBounds)
{
    FreshTable fresh;
    auto b = Load(kStart);
    hash_c.HashInsert(b.get(), 4, 100, 300, nullptr);  // low 300 at depth 4
    ETYPE_T v = 0;
    MOVE_T m;
    EXPECT_EQ(hash_c.CheckHash(b.get(), 4, 200, &v, &m), 1);
    EXPECT_EQ(v, 300);
    EXPECT_EQ(hash_c.CheckHash(b.get(), 5, 200, &v, &m), 0);  // too shallow
    EXPECT_EQ(hash_c.CheckHash(b.get(), 4, 301, &v, &m), 0);  // does not decide
    EXPECT_EQ(hash_c.hash_hits, 1);
    EXPECT_EQ(hash_c.hash_shallow, 2);
    // Quiescence probes at depth 0 use any bound and count nothing.
    EXPECT_EQ(hash_c.CheckHash(b.get(), 0, 200, &v, &m), 1);
    auto other = Load("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(hash_c.CheckHash(other.get(), 0, 200, &v, &m), 0);
    EXPECT_EQ(hash_c.hash_hits, 1);
    EXPECT_EQ(hash_c.hash_misses, 0);
    EXPECT_EQ(hash_c.CheckHash(other.get(), 3, 200, &v, &m), 0);
    EXPECT_EQ(hash_c.hash_misses, 1);
}

TEST(HashTable, SideToMoveSharesTheBucketButNeverMatches)
{
    FreshTable fresh;
    auto white = Load(kStart);
    auto black = Load("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1");
    EXPECT_EQ(hash_c.GetIndex(white.get()), hash_c.GetIndex(black.get()));
    hash_c.HashInsert(white.get(), 2, 0, 50, nullptr);
    EXPECT_TRUE(hash_c.FetchHash(white.get()));
    EXPECT_FALSE(hash_c.FetchHash(black.get()));
    hash_c.HashInsert(black.get(), 2, 0, -50, nullptr);
    ASSERT_TRUE(hash_c.FetchHash(white.get()));
    EXPECT_EQ(hash_c.FetchHash(white.get())->low, 50);
    EXPECT_EQ(hash_c.FetchHash(black.get())->high, -50);
}

TEST(HashTable, ReplacementKeepsDeepEntriesOfTheCurrentSearch)
{
    FreshTable fresh;
    // Three positions in one bucket: the same placement, keys forced apart
    // only in the second key.
    auto a = Load(kStart);
    POS_T b = *a, c = *a;
    b.hash2 ^= 0x1234;
    c.hash2 ^= 0x4321;
    unsigned bucket = hash_c.GetIndex(a.get());
    hash_c.HashInsert(a.get(), 6, 0, 10, nullptr);  // front, deep, this search
    hash_c.HashInsert(&b, 2, 0, 10, nullptr);         // goes to the back
    EXPECT_EQ(hash_c.hash_table[bucket].hash2, a->hash2);
    EXPECT_EQ(hash_c.hash_table[bucket + 1].hash2, b.hash2);
    hash_c.HashInsert(&c, 0, 0, 10, nullptr);  // a quiescence result is refused
    EXPECT_FALSE(hash_c.FetchHash(&c));
    hash_c.HashInsert(&c, 1, 0, 10, nullptr);  // a real one replaces the back
    EXPECT_TRUE(hash_c.FetchHash(&c));
    EXPECT_EQ(hash_c.hash_table[bucket].hash2, a->hash2);

    // In the next search the old front entry gives way and moves back.
    hash_c.HashChangeTag(0);
    hash_c.HashInsert(&b, 1, 0, 10, nullptr);
    EXPECT_EQ(hash_c.hash_table[bucket].hash2, b.hash2);
    EXPECT_EQ(hash_c.hash_table[bucket + 1].hash2, a->hash2);
}

TEST(HashTable, GenerationsWrapAndGoingBackEmptiesTheTable)
{
    FreshTable fresh;
    hash_c.hash_tag = 15;
    hash_c.HashChangeTag(10);
    EXPECT_EQ(hash_c.hash_tag, 1u);
    auto b = Load(kStart);
    hash_c.HashInsert(b.get(), 3, 0, 10, nullptr);
    hash_c.HashChangeTag(12);
    EXPECT_TRUE(hash_c.FetchHash(b.get()));
    hash_c.HashChangeTag(4);  // an undo or a new game
    EXPECT_FALSE(hash_c.FetchHash(b.get()));
}

TEST(Repetition, FindsEarlierOccurrencesWithinTheFiftyMoveWindow)
{
    auto b = Load(kStart);
    EXPECT_EQ(CheckRepetition(b.get(), 1), 0);
    b->fifty_count = 102;
    EXPECT_EQ(CheckRepetition(b.get(), 1), 1);

    // Knights out and back twice: the start position stands three times.
    auto pos = Load(kStart);
    const SQ_T hops[8][2] = {{G1, F3}, {G8, F6}, {F3, G1}, {F6, G8}, {G1, F3}, {G8, F6}, {F3, G1}, {F6, G8}};
    std::vector<POS_T> line(1, *pos);
    for (auto& hop : hops) {
        POS_T next;
        MOVE_T m;
        InitMove(&m, line.back().board[hop[0]], hop[0], hop[1], NO_VALUE, '-', 0);
        ASSERT_TRUE(DoMove(&next, &line.back(), &m));
        line.push_back(next);
    }
    EXPECT_EQ(line[4].key, line[0].key);
    EXPECT_EQ(line[2].key, PieceKey(&line[2]));
    EXPECT_EQ(CheckRepetition(&line[4], 1), 1);
    EXPECT_EQ(CheckRepetition(&line[4], 2), 0);
    EXPECT_EQ(CheckRepetition(&line[8], 2), 1);
    EXPECT_EQ(CheckRepetition(&line[3], 1), 0);
    // A pawn move closes the window behind it.
    line[8].fifty_count = 1;
    EXPECT_EQ(CheckRepetition(&line[8], 1), 0);
}

// Where the attack boards stand is part of a tri-dimensional position: moving
// two empty boards changes no piece, yet it is neither the same table entry
// nor a repetition, and the keys kept move by move equal keys built afresh.
TEST(Keys, AttackBoardsArePartOfThePosition)
{
    state.dmode = 3;
    state.rules = RULES_TDCL;
    auto root = std::make_unique<POS_T>();
    int mode;
    std::string err;
    ASSERT_TRUE(ParsePosition(
        "3d ......K./......../......../.....k../..R...../......../......../........ w - - 0 1 QL5,QL4,KL2,KL6 bbww",
        root.get(), &mode, &err))
        << err;
    auto after = [](POS_T* b, const char* text) {
        std::vector<MOVE_T> legal;
        LegalChoices(b, &legal);
        auto next = std::make_unique<POS_T>();
        for (MOVE_T m : legal)
            if (CoordinateMove(&m) == text && DoMove(next.get(), b, &m))
                return next;
        ADD_FAILURE() << text;
        return next;
    };
    auto one = after(root.get(), "QLB:QL4-KL4");
    auto two = after(one.get(), "KLB:KL6-KL5");
    EXPECT_EQ(two->move_num, root->move_num + 2);
    EXPECT_TRUE(two->hash1 != root->hash1 || two->hash2 != root->hash2);
    EXPECT_FALSE(CheckRepetition(two.get(), 1));

    auto fresh = std::make_unique<POS_T>();
    ASSERT_TRUE(ParsePosition(FormatPosition(two.get(), 3), fresh.get(), &mode, &err)) << err;
    EXPECT_EQ(fresh->hash1, two->hash1);
    EXPECT_EQ(fresh->hash2, two->hash2);
    EXPECT_EQ(fresh->key, two->key);
    EXPECT_EQ(PieceKey(two.get()), two->key);
    EXPECT_NE(FullKey(two.get()), FullKey(root.get()));
}

// The short keys are built from 15-bit numbers, so unrelated positions share
// them far too often for the search. Here White's rook takes the checking
// queen and Black moves a rook: the first key is that of the position two
// plies before, with a queen more on the board. That is no repetition (the
// search once scored the won queen as a draw), and positions whose short
// keys agree do not share a table entry.
TEST(Keys, PositionsWhoseShortKeysAgreeAreStillTold)
{
    auto root = Load("1r3rk1/3p1ppp/bB2p3/8/2PNn3/P5P1/4PqBP/1QR1KR2 w - - 0 1");
    POS_T one, two;
    MOVE_T take, rook;
    InitMove(&take, W_ROOK, F1, F2, NO_VALUE, 'x', 0);
    InitMove(&rook, B_ROOK, B8, B7, NO_VALUE, '-', 0);
    ASSERT_TRUE(DoMove(&one, root.get(), &take));
    ASSERT_TRUE(DoMove(&two, &one, &rook));
    ASSERT_EQ(two.hash1, root->hash1) << "the key numbers changed: this pair no longer shares its first key";
    EXPECT_EQ(CheckRepetition(&two, 1), 0);
    const char* why;
    EXPECT_EQ(RepetitionCount(&two), 1);
    EXPECT_EQ(GameResult(&two, &why), 0) << why;

    FreshTable fresh;
    POS_T other = *root;
    other.key ^= hash_c.hash_values.k[W_KNIGHT + 6][A1];  // as if a knight stood there too
    hash_c.HashInsert(root.get(), 4, 0, 500, nullptr);
    EXPECT_TRUE(hash_c.FetchHash(root.get()));
    EXPECT_FALSE(hash_c.FetchHash(&other));
    hash_c.HashInsert(&other, 4, 0, -500, nullptr);
    ASSERT_TRUE(hash_c.FetchHash(&other));
    EXPECT_EQ(hash_c.FetchHash(&other)->high, -500);
    ASSERT_TRUE(hash_c.FetchHash(root.get()));
    EXPECT_EQ(hash_c.FetchHash(root.get())->low, 500);
}

}  // namespace

namespace {

// The table is resized (UCI's Hash option): the size rounds to an even number
// of at least 1024 entries, the new table is empty and works.
TEST(HashTable, ResizedTablesStartEmptyAndStoreAgain)
{
    const uint32_t saved = hash_c.hash_table_size;
    auto b = Load(kStart);
    for (uint32_t want : {5u, 5001u, 4096u}) {
        FreshTable fresh;
        hash_c.HashInsert(b.get(), 3, 100, 500, nullptr);
        ASSERT_NE(hash_c.FetchHash(b.get()), nullptr);
        hash_c.HashResize(want);
        EXPECT_EQ(hash_c.hash_table_size, want < 1024 ? 1024u : want & ~1u);
        EXPECT_EQ(hash_c.hash_table.size(), hash_c.hash_table_size);
        EXPECT_EQ(hash_c.FetchHash(b.get()), nullptr);
        hash_c.HashInsert(b.get(), 3, 100, 500, nullptr);
        TABLE_ENTRY_T* e = hash_c.FetchHash(b.get());
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->low, 500);
    }
    hash_c.HashResize(saved);
    hash_c.HashReset();
}

TEST(HashTable, ABucketIsOneCacheLineAndKeepsItsMove)
{
    const uint32_t saved = hash_c.hash_table_size;
    auto b = Load(kStart);
    // The small table comes from ordinary memory, the large one from pages
    // of its own: both must put a bucket on a line of its own.
    for (uint32_t size : {1024u, 1u << 20}) {
        hash_c.HashResize(size);
        FreshTable fresh;
        const TABLE_ENTRY_T* bucket = &hash_c.hash_table[hash_c.GetIndex(b.get())];
        EXPECT_EQ((uintptr_t)bucket % 64, 0u) << size;

        MOVE_T m, back;
        InitMove(&m, W_KNIGHT, G1, F3, 0, '-', 0);
        hash_c.HashInsert(b.get(), 2, 100, 500, &m);
        ASSERT_TRUE(HashEntryMove(b.get(), hash_c.FetchHash(b.get()), &back));
        EXPECT_TRUE(SameMove(&back, &m));

        // A move off the board is kept as no move, not as the square its
        // low bits would name.
        MOVE_T off = m;
        off.from = 256 + E2;
        hash_c.HashInsert(b.get(), 3, 100, 500, &off);
        EXPECT_FALSE(HashEntryMove(b.get(), hash_c.FetchHash(b.get()), &back));
    }
    hash_c.HashResize(saved);
    hash_c.HashReset();
}

}  // namespace
