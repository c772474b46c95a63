// Recomputing the attack maps of a position from its piece list.
#include "board/board.h"
#include "movegen/movegen.h"

#include <cstring>

int RegenToPieces(POS_T* b)
{
    b->oldb = nullptr;
    memset(b->topieces, 0, sizeof b->topieces);
    memset(b->xray_topieces, 0, sizeof b->xray_topieces);
    for (int slot = 0; slot < 32; slot++) {
        if (!b->pieces[slot].p)
            continue;
        if (b->pieces[slot].pos > 63) {
            Panic(false, "RegenToPieces pi present but pos");
            return 0;
        }
        PieceGenerate(b, slot);
    }
    AlignAttackBoards(b);
    b->flags &= ~(FLAG_EVALUATED | FLAG_TACTICS_DONE);
    // Every cached piece score is stale; the evaluation renews them when a
    // score is asked for, not here: perft and legality checks need none.
    b->piece_change = b->material_mask;
    return 1;
}
