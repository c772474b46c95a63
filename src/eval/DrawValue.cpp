// The score of a repetition from White's side: a little below equality for
// the side the computer plays (the side to move at the search's root).
#include "eval/eval.h"

#include <cstdlib>

ETYPE_T DrawValue(const POS_T* b)
{
    ETYPE_T d = (b->flags & COMPUTER_IS_WHITE) ? coefficients[DRAW_SCORE] - 1000 : coefficients[DRAW_SCORE] + 1000;
    if (abs(d) > 10000)
        d = sign(d) * 10000;
    return d;
}
