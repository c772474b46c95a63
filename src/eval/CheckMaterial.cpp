// Corrections for special material balances: dead draws, rook endings with a
// minor piece, a side that cannot win, the fifty-move fade and the
// preference of the side ahead for trading pieces rather than pawns.
#include "eval/eval_internal.h"

ETYPE_T CheckMaterial(POS_T* b, ETYPE_T ret0)
{
    const int* o = new_coefficients;  // piece values come from the opening table
    const ETYPE_T K = o[MATERIAL + W_KING], Q = o[MATERIAL + W_QUEEN], R = o[MATERIAL + W_ROOK];
    const ETYPE_T B = o[MATERIAL + W_BISHOP], N = o[MATERIAL + W_KNIGHT];
    const ETYPE_T w = b->w_material, bl = b->b_material;
    const ETYPE_T draw = DrawValue(b);
    const uint32_t pawns = b->material_mask & ~b->piece_mask;
    ETYPE_T ret = ret0;

    // 1. Queen against queen or rook against rook without pawns.
    if (!pawns && b->tactics == 0 && ((w == K + Q && bl == K + Q) || (w == K + R && bl == K + R))) {
        b->flags |= FLAG_MATERIAL_DRAWN;
        return 2 * draw - ret0;
    }

    // 2. Rook against minor piece, rook and minor against rook.
    bool white_minor = b->piece_mask & 0x000000F0u, black_minor = b->piece_mask & 0x00F00000u;
    bool white_rook = b->piece_mask & 0x0000000Cu, black_rook = b->piece_mask & 0x000C0000u;
    if (w == K + R && bl <= K + R && black_minor)
        return -coefficients[ROOK_MINOR_ENDING] - ret0;
    if (bl == K + R && w <= K + R && white_minor)
        return coefficients[ROOK_MINOR_ENDING] - ret0;
    if ((w == K + R + B || w == K + R + N) && bl <= K + R + B && black_rook)
        return -coefficients[ROOK_MINOR_ENDING] - ret0;
    if ((bl == K + R + B || bl == K + R + N) && w <= K + R + B && white_rook)
        return coefficients[ROOK_MINOR_ENDING] - ret0;

    // 3a. A side without pawns and with at most a minor piece (or two
    // knights) cannot win.
    if (!(pawns & WHITE_SLOTS) && (w <= emax(K + B, K + N) || w == K + 2 * N))
        ret = emin(ret, draw);
    if (!(pawns & BLACK_SLOTS) && (bl <= emax(K + B, K + N) || bl == K + 2 * N))
        ret = emax(ret, draw);

    // 3b.
    if (ret == draw && ret0 != draw) {
        b->flags |= FLAG_MATERIAL_DRAWN;
    } else {
        b->flags &= ~FLAG_MATERIAL_DRAWN;
        if (b->stage != MATING && ret != 0 && b->fifty_count > 20) {
            // The advantage fades towards the fifty-move limit; the factor
            // stops at zero rather than turning the score round.
            int fifty = imin(b->fifty_count, 148);
            ret = (ETYPE_T)(((int64_t)(148 - fifty) * ret) / 128);
        }
        int pieces = imin(PopCount32(b->piece_mask), 16);
        int pawn_count = PopCount32(pawns);
        ETYPE_T trade = coefficients[TRADE_DOWN + pieces] - coefficients[PAWN_COUNT + pawn_count];
        if (w >= bl + 8000)
            ret += trade;
        if (bl >= w + 8000)
            ret -= trade;
    }
    return ret - ret0;
}
