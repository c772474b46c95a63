// Bringing the attack maps up to date after a simple move.
#include "makemove/makemove.h"

// The maps are rebuilt from the piece list; the link to the old position,
// which the evaluation follows, is kept.
void UpdateMoves(POS_T* b, POS_T* oldb, MOVE_T* move)
{
    (void)move;
    RegenToPieces(b);
    b->oldb = oldb;
}
