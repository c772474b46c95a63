// Making a move of the game itself, for play and for replay alike.
#include "eval/eval.h"
#include "makemove/makemove.h"
#include "record/record_internal.h"

#include <memory>

bool MakeGameMove(POS_T* b, MOVE_T* m)
{
    // Made on a copy, so that a failure leaves the game as it was.
    std::unique_ptr<POS_T> next(new POS_T(*b));
    if (!DoMove(next.get(), next.get(), m))
        return false;
    // The game's position carries its evaluation, whose material verdict
    // says when the game is a dead draw.
    Evaluate(next.get(), NO_VALUE, 2);
    int captured = CapturedBy(b, next.get());
    *b = *next;
    if (captured)
        CapturedPieceStore(captured);
    return true;
}
