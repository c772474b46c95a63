// Small pure helpers over squares, pieces and scores.
#include "board/board.h"

#include <cstdlib>

int IsSliding(int p)
{
    static const int sliding[7] = {0, 0, 0, 1, 1, 1, 0};
    int k = abs(p);
    return k <= 6 ? sliding[k] : 0;
}

void invert(ETYPE_T* p1, const ETYPE_T* p2)
{
    for (int i = 0; i < 64; i++)
        p1[i] = p2[i ^ 7];
}

int CornerDistance(SQ_T sq)
{
    int x = XPOS(sq & 63), y = YPOS(sq & 63);
    int to_a1 = imax(x, y);
    int to_h8 = imax(7 - x, 7 - y);
    return imin(to_a1, to_h8);
}

int EmptyLine(POS_T* b, SQ_T sq1, SQ_T sq2)
{
    int step = 0;
    if (YPOS(sq1) > YPOS(sq2)) step -= 1;
    if (YPOS(sq1) < YPOS(sq2)) step += 1;
    if (XPOS(sq1) > XPOS(sq2)) step -= 8;
    if (XPOS(sq1) < XPOS(sq2)) step += 8;
    if (step == 0)
        return 1;
    for (int s = (int)sq1 + step; s != (int)sq2 && s >= 0 && s < 64; s += step)
        if (b->board[s])
            return 0;
    return 1;
}

void* Realloc(void* p, size_t size)
{
    void* r = p ? realloc(p, size) : malloc(size);
    if (!r)
        Panic(true, "Realloc failed");
    return r;
}
