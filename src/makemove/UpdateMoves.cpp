// Bringing the attack maps up to date after a simple move of the plain game.
// Only the moved and the captured piece, and the sliders whose lines (direct
// or seen through a piece) pass the two squares, can attack differently
// afterwards; those are generated again, everything else is kept.
#include "makemove/makemove.h"
#include "movegen/movegen.h"

#include <cstring>

void UpdateMoves(POS_T* b, POS_T* oldb, MOVE_T* move)
{
    SQ_T from = move->from, to = move->to;
    if (!oldb || !IsPlainGame(b) || from > 63 || to > 63 || oldb->pboard[from] > 31) {
        RegenToPieces(b);
        b->oldb = oldb;
        return;
    }
    uint32_t gone = 1u << oldb->pboard[from];
    if (oldb->board[to] && oldb->pboard[to] < 32)
        gone |= 1u << oldb->pboard[to];
    uint32_t redo = gone | ((oldb->topieces[from] | oldb->xray_topieces[from] | oldb->topieces[to] |
                             oldb->xray_topieces[to]) &
                            b->sliding_mask);
    for (int sq = 0; sq < 64; sq++) {
        b->topieces[sq] = oldb->topieces[sq] & ~redo;
        b->xray_topieces[sq] = oldb->xray_topieces[sq] & ~redo;
    }
    for (uint32_t slots = redo & b->material_mask; slots; slots &= slots - 1)
        PieceGenerate(b, FFOne(slots));
    AlignAttackBoards(b);  // as a rebuild leaves it

    // Pawns beside the move see their structure change.
    int col = XPOS(from), lo = col - 1, hi = col + 1;
    int moved = oldb->board[from];
    if (moved == W_PAWN || moved == B_PAWN) {
        if ((int)XPOS(to) != col) {
            lo = imin(lo, (int)XPOS(to) - 1);
            hi = imax(hi, (int)XPOS(to) + 1);
        }
    } else if (oldb->board[to] == W_PAWN || oldb->board[to] == B_PAWN) {
        lo = (int)XPOS(to) - 1;
        hi = (int)XPOS(to) + 1;
    } else {
        lo = hi + 1;  // no pawn involved
    }
    lo = imax(lo, 0);
    for (int slot = 8; slot < 32; slot = slot == 15 ? 24 : slot + 1) {
        const PS_T& p = b->pieces[slot];
        if (p.p && p.pos < 64 && (int)XPOS(p.pos) >= lo && (int)XPOS(p.pos) <= hi)
            b->piece_change |= 1u << slot;
    }
}
