// The score of a repetition from White's side: a little below equality for
// the side the computer plays.
#include "eval/eval.h"

#include <cstdlib>

ETYPE_T DrawValue()
{
    ETYPE_T d = state.vornak == VORNAK_WHITE ? coefficients[DRAW_SCORE] - 1000 : coefficients[DRAW_SCORE] + 1000;
    if (abs(d) > 10000)
        d = sign(d) * 10000;
    return d;
}
