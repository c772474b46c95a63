// Pawn facts shared by the generators, the move maker and the piece list.
#include "movegen/movegen.h"

bool IsPawnHome(PS_T* p, PS_T* pawnstart)
{
    long k = p - pawnstart;
    if (k < 0 || k > 7)
        return false;
    SQ_T home = (SQ_T)(k * 8 + (p->p > 0 ? 1 : 6));
    return p->pos == home;
}

int DetectPromotionImminent(POS_T* b, int p, SQ_T to, uint32_t mask)
{
    if ((p != W_PAWN && p != B_PAWN) || to > 63)
        return 0;
    int imminent = 0;
    if (state.dmode == 2) {
        imminent = YPOS(to) == (p > 0 ? 6u : 1u);
    } else if (AttackBoardOfSquare(to) >= 0) {
        // On an attack board: the back cells of a board at the far end.
        int ab = AttackBoardOfSquare(to);
        bool lower = (to & 1) == 0;
        int pin = b->whereis_board[ab];
        if (p > 0)
            imminent = lower && (pin == ABW_QL6 || pin == ABW_KL6);
        else
            imminent = !lower && (pin == ABW_QL1 || pin == ABW_KL1);
    } else {
        int forward = p > 0 ? NORTH : SOUTH;
        SQ_T room[7], room2[7];
        BTO_T t = {0, room}, t2 = {0, room2};
        imminent = DirTo(b, to, forward, &t) > 0 && DirTo(b, t.tos[0], forward, &t2) == 0;
    }
    if (imminent)
        b->pawns7th |= mask;
    return imminent;
}
