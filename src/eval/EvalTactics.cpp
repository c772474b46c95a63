// The tactical balance of pending captures, judged with the capture resolver:
// does the side to move win at least half a pawn, or does the opponent
// threaten to? Also the score of a root move by what the opponent wins back.
#include "eval/eval_internal.h"
#include "hash/hash.h"

namespace {

// The resolver's verdict depends on the position and the piece values only,
// and the search meets the same position again and again (every MTD(f) pass,
// transpositions): remember the last verdicts by position key. The material
// sums are kept too, so that a change of piece values (the tuner) misses.
struct TACTICS_ENTRY_T {
    uint64_t key;
    ETYPE_T w_material, b_material;
    int outcome;  // 1 the side to move wins, -1 it is threatened, 0 neither
    MOVE_T best_capture;
};
const int TACTICS_CACHE_SIZE = 1 << 14;
thread_local TACTICS_ENTRY_T tactics_cache[TACTICS_CACHE_SIZE];

// +1 when the side to move wins half a pawn by captures, -1 when the opponent
// would, else 0.
int TacticsOutcome(POS_T* b)
{
    if (IsWhitesMove(b)) {
        ETYPE_T v = b->w_material - b->b_material;
        if (MiniQuiesceW(b, b->material_mask, 0, v + 5000, 0) >= v + 5000)
            return 1;
        if (MiniQuiesceB(b, b->material_mask, 0, -v + 5000, 0) + v >= 5000)
            return -1;
    } else {
        ETYPE_T v = b->b_material - b->w_material;
        if (MiniQuiesceB(b, b->material_mask, 0, v + 5000, 0) >= v + 5000)
            return 1;
        if (MiniQuiesceW(b, b->material_mask, 0, -v + 5000, 0) + v >= 5000)
            return -1;
    }
    return 0;
}

}  // namespace

ETYPE_T EvalTactics(POS_T* b)
{
    if (b->flags & FLAG_TACTICS_DONE)
        return b->tactics;
    uint64_t key = FullKey(b);
    TACTICS_ENTRY_T& e = tactics_cache[(key >> 40) & (TACTICS_CACHE_SIZE - 1)];
    int outcome;
    if (e.key == key && e.w_material == b->w_material && e.b_material == b->b_material && key) {
        outcome = e.outcome;
        b->best_capture = e.best_capture;
    } else {
        ZeroMove(&b->best_capture);
        outcome = TacticsOutcome(b);
        e = {key, b->w_material, b->b_material, outcome, b->best_capture};
    }
    const ETYPE_T win = coefficients[TACTICS_WIN], threat = coefficients[TACTICS_THREAT];
    ETYPE_T t = outcome == 1 ? win : outcome == -1 ? -threat : 0;
    b->flags |= FLAG_TACTICS_DONE;
    b->tactics = IsWhitesMove(b) ? t : -t;
    return b->tactics;
}

ETYPE_T EvalMoveTactics(POS_T* b, MOVE_T* move)
{
    POS_T after;
    MOVE_T m = *move;
    if (!DoMove(&after, b, &m))
        return -NO_VALUE;
    // The opponent moves next: bound its best capture sequence by
    // zero-window tests until the bounds are within half a pawn.
    bool white = IsWhitesMove(&after);
    ETYPE_T base = white ? after.w_material - after.b_material : after.b_material - after.w_material;
    ETYPE_T lo = -NO_VALUE, hi = NO_VALUE, t = base + 1;
    while (lo < hi - 5000) {
        ETYPE_T r = white ? MiniQuiesceW(&after, after.material_mask, 0, t, 0)
                          : MiniQuiesceB(&after, after.material_mask, 0, t, 0);
        if (r < t) {
            hi = r;
            t = r - 1;
        } else {
            lo = r;
            t = r + 1;
        }
    }
    if (lo > base)
        return base - lo;
    if (hi < base)
        return base - hi;
    return 0;
}
