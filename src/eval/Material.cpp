// Material bookkeeping, kept current by the piece primitives.
#include "eval/eval.h"

// Material is read from the opening table in every stage.
static ETYPE_T MaterialOf(int code)
{
    if (code < -6 || code > 6)
        return 0;
    InitEvalTables();
    return new_coefficients[1181 + (code >= 1 ? code : -code)];
}

void EvalPiece(POS_T* b, PS_T* p)
{
    if (p->p >= 1)
        b->w_material += MaterialOf(p->p);
    else
        b->b_material += MaterialOf(p->p);
}

void DevalPiece(POS_T* b, PS_T* p)
{
    if (p->p >= 1)
        b->w_material -= MaterialOf(p->p);
    else
        b->b_material -= MaterialOf(p->p);
}
