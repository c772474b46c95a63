// The per-piece score cache: each slot keeps its piece's last score in the
// position, and only the slots marked as changed are scored again.
#include "eval/eval_internal.h"

namespace {

// The score of the piece in a slot, White-positive.
ETYPE_T ScorePiece(POS_T* b, int slot)
{
    switch (b->pieces[slot].p) {
    case W_PAWN: return EvalPawnWhite(b, slot);
    case W_KNIGHT: return EvalKnight(b, slot);
    case W_BISHOP: return EvalBishop(b, slot);
    case W_ROOK: return EvalRook(b, slot);
    case W_QUEEN: return EvalQueen(b, slot);
    case W_KING: return EvalWhiteKing(b, slot);
    case B_PAWN: return -EvalPawnBlack(b, slot);
    case B_KNIGHT: return -EvalKnight(b, slot);
    case B_BISHOP: return -EvalBishop(b, slot);
    case B_ROOK: return -EvalRook(b, slot);
    case B_QUEEN: return -EvalQueen(b, slot);
    case B_KING: return -EvalBlackKing(b, slot);
    default:
        Panic(false, "PieceValues: no piece?");
        return 0;
    }
}

}  // namespace

ETYPE_T PieceValuesOf(POS_T* b, uint32_t change)
{
    ETYPE_T sum = 0;
    for (int slot = 0; slot < 32; slot++) {
        if (!b->pieces[slot].p)
            continue;
        if (change >> slot & 1)
            b->piece_values[slot] = ScorePiece(b, slot);
        sum += b->piece_values[slot];
    }
    b->piece_change = 0;
    return sum;
}

ETYPE_T PieceValues(POS_T* b)
{
    return PieceValuesOf(b, b->oldb ? b->piece_change : 0xFFFFFFFFu);
}
