// The king's own score: centralisation (or chasing the other king) once the
// enemy queen is gone, staying on the first row while it lives, castling,
// and the pawn shield in front of a king on its first row. One body serves
// both colours with rows, castling bits and squares seen from the king's side.
#include "eval/eval_internal.h"

#include <cstdlib>

namespace {

ETYPE_T EvalKing(POS_T* b, int pi, int c)
{
    const ETYPE_T* w = coefficients;
    SQ_T sq = b->pieces[pi].pos;
    int x = XPOS(sq), y = OwnRow(c, sq);
    bool enemy_queen = b->piece_mask & (c > 0 ? 1u << B_QUEEN_SLOT : 1u << W_QUEEN_SLOT);
    ETYPE_T own = c > 0 ? b->w_material : b->b_material;
    ETYPE_T enemy = c > 0 ? b->b_material : b->w_material;

    // 1-2. Where the king should stand.
    ETYPE_T s = 0;
    if (!enemy_queen) {
        if (b->stage == MATING) {
            SQ_T other = b->pieces[c > 0 ? B_KING_SLOT : W_KING_SLOT].pos;
            if (own - enemy < -10000) {
                s = (w[KING_CENTRE + x] + w[KING_CENTRE + y]) * 10;  // centralise to survive
            } else if (other < 64) {
                int d = imax(abs((int)XPOS(other) - x), abs((int)YPOS(other) - (int)YPOS(sq)));
                s = -w[KING_DISTANCE_MATING + d];  // approach the other king
            }
        } else {
            s = w[KING_CENTRE + x] + w[KING_CENTRE + y];
        }
    } else if (y > 0) {
        if (b->stage == OPENING)
            s = -w[KING_ROW_OPENING + y];
        else if (b->stage == MID_GS)
            s = -w[KING_ROW_MIDDLE + y];
    }
    TracePiece(TERM_KING_PLACE, c, s);
    if (b->stage != OPENING && b->stage != MID_GS)
        return s;

    // 3. Castling, then the pawn shield of a king on its first row.
    uint32_t castled = c > 0 ? FLAG_CASTLED_W : FLAG_CASTLED_B;
    uint32_t rights = c > 0 ? FLAG_CASTLE_WS | FLAG_CASTLE_WL : FLAG_CASTLE_BS | FLAG_CASTLE_BL;
    ETYPE_T castling = (b->flags & castled) ? w[CASTLING] : !(b->flags & rights) ? -w[CASTLING] : 0;
    s += castling;
    TracePiece(TERM_KING_CASTLING, c, castling);
    if (!enemy_queen || y != 0)
        return s;
    auto pawn = [&](int column, int row) { return b->board[OwnSquare(c, column, row)] == c * W_PAWN; };
    auto gone = [&](int slot) { return !(b->material_mask >> slot & 1); };
    int bishop_a = c > 0 ? 21 : 5, bishop_b = c > 0 ? 20 : 4;
    const ETYPE_T* k = w + KING_SHIELD;
    ETYPE_T shield = 0;
    if (x > 4 || (b->flags & (c > 0 ? FLAG_CASTLE_WS : FLAG_CASTLE_BS))) {
        const int F = 5, G = 6, H = 7;
        shield += (pawn(F, 1) ? k[0] : 0) + (pawn(G, 1) ? k[1] : 0) + (pawn(H, 1) ? k[2] : 0);
        if (pawn(H, 2) && pawn(G, 1))
            shield += k[3];
        if (pawn(G, 2) && pawn(H, 1) && gone(bishop_a))
            shield += k[4];
        if (pawn(F, 2) && pawn(G, 1) && gone(bishop_b))
            shield += k[5];
    } else if (x < 3) {
        const int A = 0, B = 1, C = 2;
        shield += (pawn(A, 1) ? k[6] : 0) + (pawn(B, 1) ? k[7] : 0) + (pawn(C, 1) ? k[8] : 0);
        if (pawn(A, 2) && pawn(B, 1))
            shield += k[9];
        if (pawn(B, 2) && pawn(A, 1) && gone(bishop_b))
            shield += k[10];
        if (pawn(C, 2) && pawn(B, 1) && gone(bishop_a))
            shield += k[11];
    }
    TracePiece(TERM_KING_SHIELD, c, shield);
    return s + shield;
}

}  // namespace

ETYPE_T EvalWhiteKing(POS_T* b, int pi) { return EvalKing(b, pi, 1); }

ETYPE_T EvalBlackKing(POS_T* b, int pi) { return EvalKing(b, pi, -1); }
