// The tactical term after a null move: the same board with the other side to
// move. A tactics state computed for the board is turned to the new mover's
// side instead of being recomputed; only a win for the old mover needs the
// capture resolver again, to see whether the new mover wins first.
#include "makemove/makemove.h"
#include "eval/eval.h"

void UpdateTactics(POS_T* b)
{
    if (!(b->flags & FLAG_TACTICS_DONE)) {
        b->tactics = EvalTactics(b);
        b->eval_result += b->tactics;
        return;
    }
    const ETYPE_T t1 = coefficients[TACTICS_WIN], t2 = coefficients[TACTICS_THREAT];
    ETYPE_T t = b->tactics;
    if (t == 0)
        return;
    if (IsBlacksMove(b)) {
        if (t == -t2) {
            // White's pending loss: Black now takes first.
            b->tactics = -t1;
            b->eval_result += t2 - t1;
        } else if (t == t1) {
            ETYPE_T d = b->b_material - b->w_material;
            if (MiniQuiesceB(b, b->material_mask, 0, d + 5000, 0) < d + 5000) {
                b->tactics = t2;
                b->eval_result += t2 - t1;
            } else {
                b->tactics = -t1;
                b->eval_result -= 2 * t1;
            }
        } else if (t == -t1) {
            Panic(false, "tactics bug 3");
        } else if (t == t2) {
            Panic(false, "tactics bug 4");
        }
    } else {
        if (t == t2) {
            b->tactics = t1;
            b->eval_result += t1 - t2;
        } else if (t == -t1) {
            ETYPE_T d = b->w_material - b->b_material;
            if (MiniQuiesceW(b, b->material_mask, 0, d + 5000, 0) < d + 5000) {
                b->tactics = -t2;
                b->eval_result += t1 - t2;
            } else {
                b->tactics = t1;
                b->eval_result += 2 * t1;
            }
        } else if (t == t1) {
            Panic(false, "tactics bug 1");
        } else if (t == -t2) {
            Panic(false, "tactics bug 2");
        }
    }
}
