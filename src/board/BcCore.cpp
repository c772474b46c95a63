// The direction lists between squares of the three fixed levels; every
// configuration's table starts as a copy of these.
#include "board/board.h"

int FixedSquaresAt(int file, int rank, SQ_T out[2])
{
    int n = 0;
    if (file < 1 || file > 4 || rank < 1 || rank > 8)
        return 0;
    // White's level holds ranks 1-4 and Black's 5-8 on columns E..H; listed
    // first because their indices are above the neutral level's.
    out[n++] = (SQ_T)((file + 3) * 8 + rank - 1);
    if (rank >= 3 && rank <= 6)
        out[n++] = (SQ_T)((file - 1) * 8 + rank - 1);
    return n;
}

void InitTableStorage(BC_T* t)
{
    BTO_T** ptrs = &t->n[0];
    for (int k = 0; k < NUM_DIRS * 64; k++) {
        ptrs[k] = &t->lists[k];
        t->lists[k].n = 0;
        t->lists[k].tos = &t->targets[4 * k];
    }
    for (SQ_T& s : t->targets)
        s = 0x41414141;
    t->key = 0;
}

static BC_T* MakeCore()
{
    static BC_T core;
    InitTableStorage(&core);
    for (SQ_T s = 0; s < 64; s++) {
        if (AttackBoardOfSquare(s) >= 0)
            continue;
        int f = XPOS(s) >= 4 ? (int)XPOS(s) - 3 : (int)XPOS(s) + 1;
        int r = (int)YPOS(s) + 1;
        for (int di = 0; di < NUM_DIRS; di++) {
            SQ_T found[2];
            int n = FixedSquaresAt(f + DirFileStep(dir_order[di]), r + DirRankStep(dir_order[di]), found);
            BTO_T* list = core.List(di, s);
            for (int i = 0; i < n; i++)
                list->tos[list->n++] = found[i];
        }
    }
    return &core;
}

const BC_T& BcCore()
{
    static const BC_T* core = MakeCore();
    return *core;
}
