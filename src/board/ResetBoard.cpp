// A new game in the current mode.
#include "board/board.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"

#include <cstdio>
#include <cstring>

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

void ResetSpreadmap()
{
    for (int i = 0; i < 64; i++)
        state.spreadmap[i] = 65;
}

int ResetBoard(bool reset_view)
{
    if (eval_show)
        ConsolePrint("\nResetBoard");
    state.state_hash_table_size = 1;
    state.demo_mode = 0;
    state.vornak = VORNAK_BLACK;
    state.selected = NO_SQUARE;
    state.spread = SPREAD_PIECE;
    hash_c.HashReset();
    hash_c.OrderReset();
    memset(&state.position, 0, sizeof state.position);
    memset(&state.oeb.pos_0, 0, sizeof state.oeb.pos_0);
    state.oeb.inited = 0;
    POS_T* b = &state.position;
    SetupStartPosition(b, state.dmode);
    CaptureReset();
    if (!CreatePBoard(b, state.dmode))
        return 0;
    UpdateMaps(b);
    EstimateGameStage(b, 1);
    ResetSpreadmap();
    if (reset_view && shell_hooks.reset_view)
        shell_hooks.reset_view();
    return 1;
}
