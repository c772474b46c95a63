// The one geometric question of move generation: which squares lie one step
// from a square in a direction.
#include "board/board.h"

#include <cstring>

namespace {

// The plain board's one neighbour per square and direction, 65 for none.
struct PlainSteps {
    SQ_T to[64][NUM_DIRS];
    PlainSteps()
    {
        for (int sq = 0; sq < 64; sq++)
            for (int di = 0; di < NUM_DIRS; di++) {
                int x = (int)XPOS(sq) + DirFileStep(dir_order[di]);
                int y = (int)YPOS(sq) + DirRankStep(dir_order[di]);
                to[sq][di] = x >= 0 && x < 8 && y >= 0 && y < 8 ? (SQ_T)(sq + dir_order[di]) : NO_SQUARE;
            }
    }
};

}  // namespace

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
        static const PlainSteps plain;
        SQ_T to = plain.to[from][di];
        if (to != NO_SQUARE) {
            glo_t->n = 1;
            glo_t->tos[0] = to;
        }
    }
    if (glo_t->tos[0] > 64)
        glo_t->n = 0;
    return (int)glo_t->n;
}
