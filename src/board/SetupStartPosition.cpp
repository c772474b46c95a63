// The start position of either game.
#include "board/board.h"

void SetupStartPosition(POS_T* b, int dmode)
{
    static const int back_rank[8] = {W_ROOK, W_KNIGHT, W_BISHOP, W_QUEEN, W_KING, W_BISHOP, W_KNIGHT, W_ROOK};
    b->dmode = dmode;
    b->flags = FLAG_CASTLE_RIGHTS;
    if (dmode == 2) {
        for (int file = 0; file < 8; file++) {
            b->board[file * 8 + 0] = back_rank[file];
            b->board[file * 8 + 1] = W_PAWN;
            b->board[file * 8 + 6] = B_PAWN;
            b->board[file * 8 + 7] = -back_rank[file];
        }
        return;
    }
    for (int i = 0; i < 4; i++) {
        b->whereis_board[i] = ab_home[i];
        b->whites_board[i] = (i == 0 || i == 2);
    }
    // Attack boards: rook, queen / king, rook; the own fixed level: knight,
    // bishop, bishop, knight; a pawn in front of each.
    static const struct { SQ_T sq; int p; } back[8] = {
        {A1, W_ROOK}, {B1, W_QUEEN}, {C1, W_KING}, {D1, W_ROOK},
        {E1, W_KNIGHT}, {F1, W_BISHOP}, {G1, W_BISHOP}, {H1, W_KNIGHT}};
    for (const auto& e : back) {
        b->board[e.sq] = e.p;
        b->board[e.sq + 1] = W_PAWN;
        b->board[e.sq + 6] = B_PAWN;
        b->board[e.sq + 7] = -e.p;
    }
}
