// Seeing through pieces: which lines continue behind a blocker, and which
// attackers a slider reveals behind a piece of its own.
#include "movegen/movegen.h"

int XrayThrough(POS_T* b, SQ_T sq1, SQ_T sq2)
{
    if (sq1 > 63 || sq2 > 63)
        return 0;
    int p1 = b->board[sq1], p2 = b->board[sq2];
    if (!p1 || !p2)
        return 1;
    unsigned slot = b->pboard[sq2];
    if (slot > 31 || !(b->sliding_mask & (1u << slot)))
        return 0;
    return SameColor(p1, p2) && p2 >= -6 && p2 <= 6 && capture_map[p2 + 6][sq2][sq1];
}

unsigned long XrayAttack(POS_T* b, SQ_T sq1, SQ_T sq2)
{
    if (sq1 > 63 || sq2 > 63)
        return 0;
    int d = SlidingMap(b)[sq1][sq2];
    if (d == 0)
        return 0;
    uint32_t r;
    if ((int)sq2 - d == (int)sq1)
        r = b->topieces[sq1] & b->xray_topieces[sq2];
    else
        r = b->topieces[sq1] & b->xray_topieces[sq2] & b->xray_topieces[sq2 - d];
    if (!(r & 0x000F000F))
        return r;
    uint32_t majors = (!b->board[sq1] || b->board[sq1] < 0) ? 0x000F0000 : 0x0000000F;
    return r | (b->xray_topieces[sq2] & majors);
}
