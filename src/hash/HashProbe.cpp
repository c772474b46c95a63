// Probing the table for a zero-window test: a stored bound of the position
// deep enough for the test decides it without searching.
#include "hash/hash.h"

#include <cstdio>

namespace {
// A bound decides the test when it is deep enough and on the right side. A
// test for a mate is searched without the reductions that ordinary tests
// make, so only a bound that is itself a mate score decides it.
bool Comparable(ETYPE_T bound, ETYPE_T testv) { return !IsMateScore(testv) || IsMateScore(bound); }
bool UpperDecides(const TABLE_ENTRY_T* e, int depth, ETYPE_T testv)
{
    return e->depth_high >= depth && e->high < testv && Comparable(e->high, testv);
}
bool LowerDecides(const TABLE_ENTRY_T* e, int depth, ETYPE_T testv)
{
    return e->depth_low >= depth && e->low >= testv && Comparable(e->low, testv);
}
}  // namespace

int HashEntryMove(const POS_T* b, const TABLE_ENTRY_T* e, MOVE_T* move)
{
    if (e->from > 63 || e->to > 63 || !(e->from || e->to))
        return 0;
    int piece = e->board_moving ? e->board_moving : b->board[e->from];
    InitMove(move, piece, e->from, e->to, 0, e->symbol ? e->symbol : 'G', 0);
    return 1;
}

int HASH_C::Decided(int depth, ETYPE_T found, ETYPE_T* v)
{
    *v = found;
    if (depth != 0)
        hash_hits++;
    return 1;
}

int HASH_C::CheckHash(POS_T* b, int depth, ETYPE_T testv, ETYPE_T* v, MOVE_T* move)
{
    TABLE_ENTRY_T* e = FetchHash(b);
    if (!e) {
        if (depth != 0)
            hash_misses++;
        return 0;
    }
    if (move && !HashEntryMove(b, e, move))
        ZeroMove(move);
    if (UpperDecides(e, depth, testv))
        return Decided(depth, e->high, v);
    if (LowerDecides(e, depth, testv))
        return Decided(depth, e->low, v);
    if (depth != 0)
        hash_shallow++;
    return 0;
}

int HASH_C::CheckHash2(POS_T* b, int depth, ETYPE_T testv, ETYPE_T* v)
{
    TABLE_ENTRY_T* e = FetchHash(b);
    if (!e)
        return 0;
    if (UpperDecides(e, depth, testv))
        return Decided(depth, e->high, v);
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
