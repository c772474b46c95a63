// The static score. For now it is the material balance from the side to
// move's view; the positional terms join it with the computer player.
#include "eval/eval.h"

ETYPE_T Evaluate(POS_T* b, ETYPE_T testv, int depth)
{
    (void)testv;
    (void)depth;
    InitEvalTables();
    ETYPE_T mat = b->w_material - b->b_material;
    if (mat > 300000) mat = 300000;
    if (mat < -300000) mat = -300000;
    b->eval_result = mat;
    ETYPE_T v = mat * NextToPlay(b);
    return emax(-399852, emin(399852, v));
}
