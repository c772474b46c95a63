// The attack on the squares around each king: how many enemy pieces reach
// the king's zone, directly or through one piece, and the open columns in it.
// The program weighs attacks on its own king and on the opponent's with
// different tables.
#include "eval/eval_internal.h"

namespace {

// Columns holding a pawn of either colour, one bit per column.
unsigned PawnColumns(const POS_T* b)
{
    unsigned columns = 0;
    for (uint32_t m = b->material_mask & ~b->piece_mask; m; m &= m - 1) {
        const PS_T& p = b->pieces[FFOne(m)];
        if ((p.p == W_PAWN || p.p == B_PAWN) && p.pos < 64)
            columns |= 1u << XPOS(p.pos);
    }
    return columns;
}

// The penalty for the king of colour c, from its owner's side.
ETYPE_T SideKingSafety(POS_T* b, int c)
{
    const ETYPE_T* w = coefficients;
    SQ_T king = b->pieces[c > 0 ? W_KING_SLOT : B_KING_SLOT].pos;
    if (king > 63)
        return 0;
    bool queen = b->piece_mask & (c > 0 ? 1u << B_QUEEN_SLOT : 1u << W_QUEEN_SLOT);
    bool computer_white = b->flags & COMPUTER_IS_WHITE;
    bool own = c > 0 ? computer_white : !computer_white;
    const ETYPE_T* table = w + (queen ? (own ? KING_ATTACK_OWN_QUEEN : KING_ATTACK_OPP_QUEEN)
                                      : (own ? KING_ATTACK_OWN : KING_ATTACK_OPP));
    ETYPE_T open = w[queen ? OPEN_COLUMN_QUEEN : OPEN_COLUMN];

    // The zone: the king's square and its neighbours, clipped to the board.
    int x0 = imax(0, (int)XPOS(king) - 1), x1 = imin(7, (int)XPOS(king) + 1);
    int y0 = imax(0, (int)YPOS(king) - 1), y1 = imin(7, (int)YPOS(king) + 1);
    uint32_t attackers = c > 0 ? 0x00FE0000u : 0x000000FEu;  // the enemy king left out
    uint32_t m = 0;
    for (int x = x0; x <= x1; x++)
        for (int y = y0; y <= y1; y++)
            m |= (b->topieces[x * 8 + y] | b->xray_topieces[x * 8 + y]) & attackers;
    int n = PopCount32(m) + ((m & (c > 0 ? 0x000C0000u : 0x0000000Cu)) ? 1 : 0);
    n = imin(n, 7);  // seven attackers and a rook already fill the table
    ETYPE_T s = -table[n];
    TracePiece(TERM_KING_ATTACK, c, s);

    unsigned pawn_columns = PawnColumns(b);
    for (int x = x0; x <= x1; x++)
        if (!(pawn_columns >> x & 1)) {
            s -= open;
            TracePiece(TERM_KING_OPEN_COLUMN, c, -open);
        }
    return s;
}

}  // namespace

ETYPE_T WhiteKingSafety(POS_T* b) { return SideKingSafety(b, 1); }

ETYPE_T BlackKingSafety(POS_T* b) { return SideKingSafety(b, -1); }

ETYPE_T KingSafety(POS_T* b) { return WhiteKingSafety(b) - BlackKingSafety(b); }
