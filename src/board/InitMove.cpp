// Filling and clearing move records.
#include "board/board.h"

#include <cstring>

void InitMove(MOVE_T* move, int piece_moving, SQ_T from, SQ_T to, int value, char move_symbol, char check)
{
    move->from = from;
    move->to = to;
    move->v = value;
    move->piece_moving = piece_moving;
    move->move_symbol = move_symbol;
    move->check = check;
}

void ZeroMove(MOVE_T* move) { memset(move, 0, sizeof *move); }
