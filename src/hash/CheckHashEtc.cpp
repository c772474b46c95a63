// Looking one move ahead through the table: a child whose stored upper bound
// already refutes the test proves a lower bound here without a search. The
// child's keys are estimated first, so a move is made only when its entry
// promises the cutoff.
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"


namespace {

// The child's keys, ignoring promotion, en passant and castling, stand in
// b's own while this lives.
struct CHILD_KEYS_T {
    POS_T* b;
    uint32_t hash1, hash2;
    uint64_t key;
    CHILD_KEYS_T(POS_T* pos, const MOVE_T* m) : b(pos), hash1(pos->hash1), hash2(pos->hash2), key(pos->key)
    {
        if (m->from < 64 && b->board[m->from])
            hash_c.RemoveHash(b, m->from, b->board[m->from]);
        if (m->to < 64 && b->board[m->to])
            hash_c.RemoveHash(b, m->to, b->board[m->to]);
        if (m->from < 64 && m->to < 64 && b->board[m->from])
            hash_c.AddHash(b, m->to, b->board[m->from]);
        b->hash1 ^= 1;
    }
    ~CHILD_KEYS_T()
    {
        b->hash1 = hash1;
        b->hash2 = hash2;
        b->key = key;
    }
    CHILD_KEYS_T(const CHILD_KEYS_T&) = delete;
    CHILD_KEYS_T& operator=(const CHILD_KEYS_T&) = delete;
};

}  // namespace

void HASH_C::PrefetchChildren(POS_T* b, const MOVE_T* moves, int n)
{
    // The probes that follow land anywhere in the table; asking for all the
    // children's buckets at once lets their cache misses overlap.
    for (int i = 0; i < n; i++) {
        CHILD_KEYS_T child(b, &moves[i]);
        __builtin_prefetch(&hash_table[GetIndex(b)]);  // the bucket is one line
    }
}

int HASH_C::CheckHashEtc(POS_T* b, MOVE_T* moves, int num_moves, int depth, ETYPE_T testv, ETYPE_T* v,
                         MOVE_T* m1)
{
    // The child's own test, as the search would put it there.
    ETYPE_T child_test = MateAdjustIn(flip(testv));
    int cutoff = 0;
    // Called at every interior node, never from within itself: one record
    // per thread rather than an allocation per call.
    thread_local POS_T child_store;
    POS_T* child = &child_store;
    for (int i = 0; i < num_moves; i++) {
        MOVE_T* m = &moves[i];
        if (!IsValidMove(b, *m)) {
            Panic(false, "Bad move at CheckHashEtc");
            continue;
        }
        ETYPE_T w;
        bool promising;
        {
            CHILD_KEYS_T estimate(b, m);
            promising = CheckHash2(b, depth - 1, child_test, &w);
        }
        if (!promising)
            continue;
        MOVE_T made = *m;
        if (!DoMove(child, b, &made) || CheckRepetition(child, 1))
            continue;
        if (CheckHash2(child, depth - 1, child_test, &w) && (!cutoff || -MateAdjustOut(w) > *v)) {
            cutoff = 1;
            *v = -MateAdjustOut(w);
            if (m1)
                *m1 = *m;
        }
    }
    return cutoff;
}

int HASH_C::HashOrdering(POS_T* b, MOVE_T* move, ETYPE_T testv)
{
    ETYPE_T child_test = flip(testv);
    TABLE_ENTRY_T* e;
    {
        CHILD_KEYS_T estimate(b, move);
        e = FetchHash(b);
    }
    if (!e)
        return 0;
    if (e->low >= child_test)
        return -((e->low - child_test) / 5000) - 1;
    if (e->high < child_test)
        return (child_test - e->high) / 5000 + 1;
    return 0;
}
