// Mobility: attacked squares and safe destinations per piece, read from the
// tables by count and by the row seen from the piece's side.
#include "eval/eval_internal.h"

#include <cstdlib>

namespace {
const int mobility_threshold[7] = {0, 0, 6, 5, 4, 6, 0};
const int mobility_table[7] = {0, 0, KNIGHT_MOBILITY, BISHOP_MOBILITY, ROOK_MOBILITY, QUEEN_MOBILITY, KING_MOBILITY};
const int safe_table[7] = {0, 0, KNIGHT_SAFE_MOBILITY, BISHOP_SAFE_MOBILITY, ROOK_SAFE_MOBILITY, QUEEN_SAFE_MOBILITY,
                           KING_SAFE_MOBILITY};
}  // namespace

ETYPE_T MobilityFunction(POS_T* b, int pi)
{
    const ETYPE_T* w = coefficients;
    const PS_T& piece = b->pieces[pi];
    int k = abs(piece.p);
    if (k < W_KNIGHT || k > W_KING || piece.pos > 63)
        return 0;
    int c = piece.p > 0 ? 1 : -1;
    int r = OwnRow(c, piece.pos);
    int moves = b->mobility[pi], safe = b->safe_mobility[pi];
    ETYPE_T m = w[mobility_table[k] + imax(0, imin(moves, 9)) + 10 * r];
    TracePiece(TERM_MOBILITY, c, m);
    ETYPE_T s = m;
    if (moves < mobility_threshold[k] && !(b->attacking_mask >> pi & 1)) {
        s -= w[LOW_MOBILITY];
        TracePiece(TERM_LOW_MOBILITY, c, -w[LOW_MOBILITY]);
    }
    ETYPE_T sm = w[safe_table[k] + imax(0, imin(safe, 9)) + 10 * r];
    TracePiece(TERM_SAFE_MOBILITY, c, sm);
    s += sm;
    if (safe == 0) {
        s -= w[NO_SAFE_MOVE + r];
        TracePiece(TERM_NO_SAFE_MOVE, c, -w[NO_SAFE_MOVE + r]);
    }
    return s;
}

ETYPE_T EvalMobility(POS_T* b)
{
    if (b->stage == MATING)
        return 0;
    ETYPE_T s = 0;
    for (uint32_t m = b->piece_mask; m; m &= m - 1) {
        int slot = FFOne(m);
        s += slot < 16 ? MobilityFunction(b, slot) : -MobilityFunction(b, slot);
    }
    return s;
}
