// Knight, bishop, rook and queen scores, each from the piece owner's side:
// square tables, outposts, the bishop's x-ray on the heavy pieces, rooks
// defending each other, and the early queen sortie.
#include "eval/eval_internal.h"

namespace {

int ColourOf(const POS_T* b, int pi) { return b->pieces[pi].p > 0 ? 1 : -1; }

// A minor piece on row 4 or 5 (seen from its side) that no enemy pawn of the
// neighbouring columns can chase away; more with a pawn diagonally behind.
ETYPE_T Outpost(const POS_T* b, int pi, int term, ETYPE_T base, ETYPE_T supported)
{
    int c = ColourOf(b, pi);
    SQ_T sq = b->pieces[pi].pos;
    int x = XPOS(sq), y = OwnRow(c, sq);
    if (y != 4 && y != 5)
        return 0;
    if ((x > 0 && EnemyPawnLoc(c, x - 1) > y) || (x < 7 && EnemyPawnLoc(c, x + 1) > y))
        return 0;
    ETYPE_T s = base;
    SQ_T behind = sq - c;
    if ((x > 0 && b->board[behind - 8] == c * W_PAWN) || (x < 7 && b->board[behind + 8] == c * W_PAWN))
        s += supported;
    TracePiece(term, c, s);
    return s;
}

}  // namespace

ETYPE_T EvalKnight(POS_T* b, int pi)
{
    int c = ColourOf(b, pi);
    SQ_T sq = b->pieces[pi].pos;
    ETYPE_T s = coefficients[KNIGHT_SQUARE_TABLE + (c > 0 ? sq : sq ^ 7)];
    TracePiece(TERM_KNIGHT_SQUARE, c, s);
    return s + Outpost(b, pi, TERM_KNIGHT_OUTPOST, coefficients[KNIGHT_OUTPOST], coefficients[KNIGHT_OUTPOST_SUPPORTED]);
}

ETYPE_T EvalBishop(POS_T* b, int pi)
{
    return Outpost(b, pi, TERM_BISHOP_OUTPOST, coefficients[BISHOP_OUTPOST], coefficients[BISHOP_OUTPOST_SUPPORTED]) +
           EvalBishopXray(b, pi);
}

// The enemy king, queen and rooks on the bishop's lines, whatever stands
// between.
ETYPE_T EvalBishopXray(POS_T* b, int pi)
{
    const PS_T& bishop = b->pieces[pi];
    int c = ColourOf(b, pi);
    int first = c > 0 ? B_KING_SLOT : W_KING_SLOT;
    int n = 0;
    for (int t = first; t < first + 4; t++) {
        const PS_T& target = b->pieces[t];
        if (target.p && target.pos < 64 &&
            capture_map[bishop.p + 6][bishop.pos][target.pos].load(std::memory_order_relaxed))
            n++;
    }
    TracePiece(TERM_BISHOP_XRAY, c, coefficients[BISHOP_XRAY + n]);
    return coefficients[BISHOP_XRAY + n];
}

ETYPE_T EvalRook(POS_T* b, int pi)
{
    int c = ColourOf(b, pi);
    SQ_T sq = b->pieces[pi].pos;
    ETYPE_T s = coefficients[ROOK_SQUARE_TABLE + (c > 0 ? sq : sq ^ 7)];
    TracePiece(TERM_ROOK_SQUARE, c, s);
    int first = c > 0 ? 2 : 18;
    for (int r = first; r <= first + 1; r++) {
        const PS_T& other = b->pieces[r];
        if (r == pi || other.p != c * W_ROOK || (b->pinned_mask >> r & 1) || !(b->topieces[sq] >> r & 1))
            continue;
        ETYPE_T v = coefficients[ROOK_DEFENDED];
        if (OwnRow(c, sq) == 6 && OwnRow(c, other.pos) == 6)
            v += coefficients[ROOKS_SEVENTH];
        s += v;
        TracePiece(TERM_ROOK_DEFENDED, c, v);
    }
    return s;
}

ETYPE_T EvalQueen(POS_T* b, int pi)
{
    if (b->stage != OPENING)
        return 0;
    int c = ColourOf(b, pi);
    if (OwnRow(c, b->pieces[pi].pos) < 3)
        return 0;
    TracePiece(TERM_QUEEN_SORTIE, c, -coefficients[QUEEN_SORTIE]);
    return -coefficients[QUEEN_SORTIE];
}
