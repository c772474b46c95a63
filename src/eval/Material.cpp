// Material bookkeeping, kept current by the piece primitives.
#include "eval/eval.h"

const ETYPE_T material_value[13] = {800000, 119983, 60163, 41375, 40012, 10052, 0,
                                    10052,  40012,  41375, 60163, 119983, 800000};

void EvalPiece(POS_T* b, PS_T* p)
{
    if (p->p < -6 || p->p > 6)
        return;
    if (p->p >= 1)
        b->w_material += material_value[p->p + 6];
    else
        b->b_material += material_value[p->p + 6];
}

void DevalPiece(POS_T* b, PS_T* p)
{
    if (p->p < -6 || p->p > 6)
        return;
    if (p->p >= 1)
        b->w_material -= material_value[p->p + 6];
    else
        b->b_material -= material_value[p->p + 6];
}
