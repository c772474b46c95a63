// The sixteen step directions: their order in the tables and their steps.
#include "board/board.h"

int DirIndex(int direction)
{
    for (int i = 0; i < NUM_DIRS; i++)
        if (dir_order[i] == direction)
            return i;
    return -1;
}

// A direction value is column step x 8 + row step, with row steps of -2..2.
int DirRankStep(int direction)
{
    int r = ((direction % 8) + 8) % 8;
    return r > 2 ? r - 8 : r;
}

int DirFileStep(int direction) { return (direction - DirRankStep(direction)) / 8; }
