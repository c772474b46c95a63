// Repetition: the same position (first key) earlier in the line with the
// same side to move, within the plies since the last capture or pawn move.
#include "hash/hash.h"
#include "makemove/makemove.h"

int CheckRepetition(POS_T* b, int repeats)
{
    if (b->fifty_count > 101)
        return 1;  // the fifty-move rule draws like a repetition
    const uint32_t* history = LineHashList();
    for (int i = b->move_num - 2; i >= b->move_num - b->fifty_count && i >= 0 && repeats > 0; i -= 2)
        if (i < MAX_GAME_PLIES && history[i] == b->hash1 && LineKeyAgrees(b, i))
            repeats--;
    return repeats <= 0;
}
