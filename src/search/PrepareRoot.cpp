// Readying a position as the root of the computer's search.
#include "search/search.h"
#include "eval/eval.h"

void PrepareRoot(POS_T* b)
{
    // The computer plays the side to move; the search tells its own plies
    // from the opponent's by this bit, which every copy carries along.
    if (NextToPlay(b) == 1)
        b->flags |= COMPUTER_IS_WHITE;
    else
        b->flags &= ~COMPUTER_IS_WHITE;
    RegenToPieces(b);
    Evaluate(b, NO_VALUE, 2);
    EstimateGameStage(b, 1);
}
