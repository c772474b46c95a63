// Who controls a square, and where each side's most backward pawns stand.
#include "makemove/makemove.h"

#include <cstring>


int GetControl(POS_T* b, uint32_t topieces, int piece, SQ_T sq)
{
    if (!topieces)
        return 0;
    if (piece >= -6 && piece <= 6 && (masks[piece + 6] & topieces))
        return -piece;  // a cheaper enemy attacker wins the square
    int pawns = PopCount32(topieces & WHITE_PAWN_SLOTS) - PopCount32(topieces & BLACK_PAWN_SLOTS);
    if (pawns)
        return pawns;
    uint32_t all = topieces | (sq < 64 ? b->xray_topieces[sq] : 0);
    return PopCount32(all & 0x000000FF) - PopCount32(all & 0x00FF0000);
}

void BuildPawnLoc(POS_T* b)
{
    memset(white_pawn_loc, 0, sizeof white_pawn_loc);
    memset(black_pawn_loc, 0, sizeof black_pawn_loc);
    for (int slot = W_PAWN_SLOT; slot < W_PAWN_SLOT + 8; slot++) {
        const PS_T& p = b->pieces[slot];
        if (p.p != W_PAWN || p.pos > 63)
            continue;
        unsigned char& loc = white_pawn_loc[XPOS(p.pos)];
        if (!loc || YPOS(p.pos) < loc)
            loc = (unsigned char)YPOS(p.pos);
    }
    for (int slot = B_PAWN_SLOT; slot < B_PAWN_SLOT + 8; slot++) {
        const PS_T& p = b->pieces[slot];
        if (p.p != B_PAWN || p.pos > 63)
            continue;
        unsigned char& loc = black_pawn_loc[XPOS(p.pos)];
        if (YPOS(p.pos) > loc)
            loc = (unsigned char)YPOS(p.pos);
    }
}
