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
    // The stage chooses the weights, so it comes before the root's evaluation:
    // every position of the search builds on the root's cached control and
    // piece scores, and scores made with another stage's weights (the last
    // search's, or a new thread's default) would stay in most of them.
    EstimateGameStage(b, 1);
    Evaluate(b, NO_VALUE, 2);
}
