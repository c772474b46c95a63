// Pawn facts shared by the generators, the move maker and the piece list.
#include "movegen/movegen.h"

#include <initializer_list>

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
    if (IsPlainGame(b)) {
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

bool PawnMovedTwoSteps(POS_T* b, SQ_T to, SQ_T from, int dir)
{
    SQ_T room[7], room2[7];
    BTO_T first = {0, room}, second = {0, room2};
    if (!DirTo(b, from, dir, &first) || !DirTo(b, first.tos[0], dir, &second))
        return false;
    for (unsigned k = 0; k < second.n; k++)
        if (second.tos[k] == to)
            return true;
    return false;
}

bool PawnToEastWest(POS_T* b, SQ_T to, int pawn_type)
{
    SQ_T room[7];
    BTO_T t = {0, room};
    for (int dir : {EAST, WEST}) {
        DirTo(b, to, dir, &t);
        for (unsigned k = 0; k < t.n; k++)
            if (b->board[t.tos[k]] == pawn_type)
                return true;
    }
    return false;
}

int DetectPromotion(POS_T* b, int p, SQ_T to, MOVE_T* move)
{
    if (AbIndex(p) >= 0)
        return DetectPromoteAttackBoard(b, move);
    if ((p != W_PAWN && p != B_PAWN) || to > 63) {
        if (p == W_PAWN || p == B_PAWN)
            Panic(false, "DetectPromotion: bad to value");
        return 0;
    }
    if (IsPlainGame(b))
        return YPOS(to) == (p > 0 ? 7u : 0u);
    int ab = AttackBoardOfSquare(to);
    if (ab >= 0) {
        // Only the far rank of a board standing at the far end promotes.
        bool upper = to & 1;
        int pin = b->whereis_board[ab];
        if (p > 0)
            return upper && (pin == ABW_QL6 || pin == ABW_KL6);
        return !upper && (pin == ABW_QL1 || pin == ABW_KL1);
    }
    SQ_T room[7];
    BTO_T t = {0, room};
    return DirTo(b, to, p > 0 ? NORTH : SOUTH, &t) == 0;
}

int GetPromotedPiece(MOVE_T* move)
{
    char sym = move->move_symbol;
    switch (sym) {
    case 'Q': return W_QUEEN;
    case 'R': return W_ROOK;
    case 'B': return W_BISHOP;
    case 'N': return W_KNIGHT;
    default: break;
    }
    bool asks = shell_hooks.mouse_move && shell_hooks.mouse_move() && shell_hooks.ask_promotion;
    if (!asks) {
        if (sym == 0 || sym == '-' || sym == 'P' || sym == 'T' || sym == 'x')
            move->move_symbol = 'Q';
        return W_QUEEN;
    }
    int piece = W_QUEEN;
    if (sym == 0 || sym == '-' || sym == 'T' || sym == 'x') {
        switch (shell_hooks.ask_promotion()) {
        case -1:
            // Without the box the move still stands: the usual choice.
            Panic(false, "error displaying message box");
            break;
        case 2: piece = W_ROOK; break;
        case 3: piece = W_BISHOP; break;
        case 4: piece = W_KNIGHT; break;
        default: piece = W_QUEEN;
        }
    } else {
        Panic(false, "GetPromotedPiece: cannot interpret move");
    }
    static const char letters[7] = {0, 0, 'N', 'B', 'R', 'Q', 0};
    move->move_symbol = letters[piece];
    return piece;
}
