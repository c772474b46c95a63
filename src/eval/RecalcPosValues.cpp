// Which king-shelter tables the control values use: a castled king's wing
// is worth more to its owner while queens are on the board.
#include "eval/eval.h"

namespace {
thread_local ETYPE_T black_king_side[64], black_queen_side[64];
// The stage table Black's copies were made from: a new stage needs new copies.
thread_local const ETYPE_T* copied_from = nullptr;
}  // namespace


void RecalcPosValues(POS_T* b)
{
    sq_p1 = sq_p2 = null_pos_value;
    uint32_t f = 0;
    if (b->material_mask & 0x20002) {
        SQ_T wk = b->pieces[W_KING_SLOT].pos, bk = b->pieces[B_KING_SLOT].pos;
        if (wk < 64 && XPOS(wk) >= 4 && YPOS(wk) <= 2) {
            sq_p1 = coefficients + 253;
            f = FLAG_SHELTER_WK;
        } else if (wk < 64 && XPOS(wk) <= 2 && YPOS(wk) <= 2) {
            sq_p1 = coefficients + 317;
            f = FLAG_SHELTER_WQ;
        }
        if (bk < 64 && XPOS(bk) >= 4 && YPOS(bk) >= 5) {
            sq_p2 = black_king_side;
            f |= FLAG_SHELTER_BK;
        } else if (bk < 64 && XPOS(bk) <= 2 && YPOS(bk) >= 5) {
            sq_p2 = black_queen_side;
            f |= FLAG_SHELTER_BQ;
        }
    }
    if ((b->flags & FLAG_SHELTERS) != f || copied_from != coefficients) {
        copied_from = coefficients;
        for (int i = 0; i < 64; i++) {
            black_king_side[i] = coefficients[253 + (i ^ 7)];
            black_queen_side[i] = coefficients[317 + (i ^ 7)];
        }
        new_pos_values = 1;
        b->flags = (b->flags & ~FLAG_SHELTERS) | f;
    }
}
