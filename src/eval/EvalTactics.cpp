// The tactical balance of pending captures, judged with the capture resolver:
// does the side to move win at least half a pawn, or does the opponent
// threaten to? Also the score of a root move by what the opponent wins back.
#include "eval/eval_internal.h"

ETYPE_T EvalTactics(POS_T* b)
{
    if (b->flags & FLAG_TACTICS_DONE)
        return b->tactics;
    ZeroMove(&b->best_capture);
    const ETYPE_T win = coefficients[TACTICS_WIN], threat = coefficients[TACTICS_THREAT];
    ETYPE_T t = 0;
    if (IsWhitesMove(b)) {
        ETYPE_T v = b->w_material - b->b_material;
        if (MiniQuiesceW(b, b->material_mask, 0, v + 5000, 0) >= v + 5000)
            t = win;
        else if (MiniQuiesceB(b, b->material_mask, 0, -v + 5000, 0) + v >= 5000)
            t = -threat;
    } else {
        ETYPE_T v = b->b_material - b->w_material;
        if (MiniQuiesceB(b, b->material_mask, 0, v + 5000, 0) >= v + 5000)
            t = -win;
        else if (MiniQuiesceW(b, b->material_mask, 0, -v + 5000, 0) + v >= 5000)
            t = threat;
    }
    b->flags |= FLAG_TACTICS_DONE;
    b->tactics = t;
    return t;
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
