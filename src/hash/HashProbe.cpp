// Probing the table for a zero-window test: a stored bound of the position
// deep enough for the test decides it without searching.
#include "hash/hash.h"

#include <cstdio>

int HASH_C::CheckHash(POS_T* b, int depth, ETYPE_T testv, ETYPE_T* v, MOVE_T* move)
{
    HASHENTRY_T* e = FetchHash(b);
    if (!e) {
        if (depth != 0)
            hash_misses++;
        return 0;
    }
    if (move) {
        if (e->from < 64 && (e->from || e->to))
            InitMove(move, b->board[e->from], e->from, e->to, 0, 'G', 0);
        else
            ZeroMove(move);
    }
    if (e->depth_high >= depth && e->high < testv) {
        *v = e->high;
        if (depth != 0)
            hash_hits++;
        return 1;
    }
    if (e->depth_low >= depth && e->low >= testv) {
        *v = e->low;
        if (depth != 0)
            hash_hits++;
        return 1;
    }
    if (depth != 0)
        hash_shallow++;
    return 0;
}

int HASH_C::CheckHash2(POS_T* b, int depth, ETYPE_T testv, ETYPE_T* v)
{
    HASHENTRY_T* e = FetchHash(b);
    if (!e)
        return 0;
    if (e->depth_high >= depth && e->high < testv) {
        *v = e->high;
        if (depth != 0)
            hash_hits++;
        return 1;
    }
    if (depth != 0)
        hash_shallow++;
    return 0;
}

char* HASH_C::HashStats()
{
    int probes = hash_misses + hash_hits + hash_shallow + 1;
    snprintf(cret, sizeof cret, "h/s/b=%d/%d/%d%%", hash_hits * 100 / probes, hash_shallow * 100 / probes,
             bad_updates * 100 / (bad_updates + good_updates + 1));
    return cret;
}
