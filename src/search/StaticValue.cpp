// The static value the search stands on. The evaluation scores a position
// without regard to whose move it is; the side to move has a move in hand,
// and without a bonus for it a search that ends on the mover's own move
// overrates it. Scores of successive depths swung 0.3 to 0.6 pawns between odd
// and even depths, which cost the MTD(f) driver extra passes each iteration.
#include "search/search.h"
#include "eval/eval.h"

ETYPE_T StaticValue(POS_T* b, ETYPE_T testv, int depth)
{
    // The evaluation's lazy exit compares against the test, so it is handed
    // the test less the bonus (a root's "no test" stays as it is).
    ETYPE_T asked = testv == NO_VALUE ? testv : testv - TEMPO_BONUS;
    return ClampStatic(Evaluate(b, asked, depth) + TEMPO_BONUS);
}
