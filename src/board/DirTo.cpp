// The one geometric question of move generation: which squares lie one step
// from a square in a direction.
#include "board/board.h"

#include <cstring>

int DirTo(POS_T* b, SQ_T from, int direction, BTO_T* glo_t)
{
    if (from > 63) {
        glo_t->n = 0;
        glo_t->tos[0] = NO_SQUARE;
        return 0;
    }
    glo_t->tos[0] = NO_SQUARE;
    glo_t->n = 0;
    int di = DirIndex(direction);
    if (!IsPlainGame(b)) {
        if (di < 0) {
            Panic(false, direction == 0 ? "NULL 3d direction" : "unknown 3d direction");
            return 0;
        }
        BC_T* table = ConfigTable(b);
        b->bc_active = table;
        const BTO_T* list = table->List(di, from);
        glo_t->n = list->n;
        memcpy(glo_t->tos, list->tos, list->n * sizeof(SQ_T));
    } else {
        if (di < 0) {
            Panic(false, direction == 0 ? "NULL 2d direction" : "unknown 2d direction");
            return 0;
        }
        SQ_T to = plain_steps.to[from][di];
        if (to != NO_SQUARE) {
            glo_t->n = 1;
            glo_t->tos[0] = to;
        }
    }
    if (glo_t->tos[0] > 64)
        glo_t->n = 0;
    return (int)glo_t->n;
}
