// Storing the result of a zero-window test: a fail-high is a lower bound and
// brings its move, a fail-low an upper bound. Each bound keeps its own depth,
// which is what lets MTD(f) reuse them from test to test.
#include "hash/hash.h"

namespace {
int Deepest(const TABLE_ENTRY_T& e) { return e.depth_low > e.depth_high ? e.depth_low : e.depth_high; }
bool Holds(const TABLE_ENTRY_T& e, const POS_T* b)
{
    return e.hash1 == b->hash1 && e.hash2 == b->hash2 && e.check == KeyCheck(b);
}
}  // namespace

void HASH_C::HashInsert(POS_T* b, int depth, ETYPE_T testv, ETYPE_T evaluation, MOVE_T* move)
{
    if (depth < 0)
        depth = 0;
    if (depth > 255)
        depth = 255;
    unsigned i = GetIndex(b);
    TABLE_ENTRY_T& e0 = hash_table[i];
    TABLE_ENTRY_T& e1 = hash_table[i + 1];
    TABLE_ENTRY_T* t;
    // Choosing the slot: the position's own entry (moved to the front when
    // it is the deeper one), else the front unless it is a deeper entry of
    // this search, which pushes the new result to the back.
    if (Holds(e0, b)) {
        t = &e0;
    } else if (Holds(e1, b)) {
        if (Deepest(e1) >= Deepest(e0)) {
            TABLE_ENTRY_T swap = e0;
            e0 = e1;
            e1 = swap;
            t = &e0;
        } else {
            t = &e1;
        }
    } else if (e0.tag == hash_tag && Deepest(e0) > depth) {
        if (depth == 0 && Deepest(e1) > 0 && e1.tag == hash_tag)
            return;
        t = &e1;
    } else {
        e1 = e0;
        t = &e0;
    }

    t->tag = (uint8_t)hash_tag;
    bool lower = evaluation >= testv;
    if (Holds(*t, b)) {
        int d = lower ? t->depth_low : t->depth_high;
        if (d > depth)
            bad_updates++;
        else if (d > 0)
            good_updates++;
    } else {
        t->depth_low = t->depth_high = 0;
        t->low = -NO_VALUE;
        t->high = NO_VALUE;
        t->hash1 = b->hash1;
        t->hash2 = b->hash2;
        t->check = KeyCheck(b);
        t->from = t->to = 0;
        t->board_moving = 0;
        t->symbol = 0;
    }
    if (lower) {
        if (move) {
            t->from = move->from < 64 ? (uint8_t)move->from : NO_SQUARE_ENTRY;
            t->to = move->to < 64 ? (uint8_t)move->to : NO_SQUARE_ENTRY;
            t->board_moving = AbIndex(move->piece_moving) >= 0 ? (uint8_t)move->piece_moving : 0;
            t->symbol = move->move_symbol;
        }
        int old_depth = t->depth_low;
        t->depth_low = (uint8_t)depth;
        t->low = evaluation;
        if (t->high < t->low) {
            if (old_depth == depth && t->depth_high == depth) {
                t->high = t->low;
            } else {
                t->high = NO_VALUE;
                t->depth_high = 0;
            }
        }
    } else {
        int old_depth = t->depth_high;
        t->depth_high = (uint8_t)depth;
        t->high = evaluation;
        if (t->high < t->low) {
            if (old_depth == depth && t->depth_low == depth) {
                t->low = t->high;
            } else {
                t->low = -NO_VALUE;
                t->depth_low = 0;
            }
        }
    }
}
