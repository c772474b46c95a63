// Defenders with several duties: a piece on a square whose control is
// balanced needs each of its defenders, and a defender needed on two or more
// such squares cannot hold them all.
#include "eval/eval_internal.h"

ETYPE_T OverloadedPieces(POS_T* b)
{
    // The mating stage keeps no control maps to judge the balance with.
    if (b->stage == MATING)
        return 0;
    int duties[32] = {};
    for (int slot = 0; slot < 32; slot++) {
        const PS_T& p = b->pieces[slot];
        if (!p.p || p.pos > 63 || b->cont[p.pos] != 0 || !b->topieces[p.pos])
            continue;
        uint32_t defenders = b->topieces[p.pos] & (slot < 16 ? 0x000000FFu : 0x00FF0000u);
        for (; defenders; defenders &= defenders - 1)
            duties[FFOne(defenders)]++;
    }
    ETYPE_T s = 0;
    for (int slot = 0; slot < 32; slot++) {
        int k = imin(duties[slot], 16);
        if (k > 1)
            s += slot < 16 ? -coefficients[OVERLOADED + k] : coefficients[OVERLOADED + k];
    }
    TraceTerm(TERM_OVERLOADED, s);
    return s;
}
