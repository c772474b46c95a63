// The move list of one search ply, in a buffer that lives for the whole run.
#include "movegen/movegen.h"
#include "search/search.h"

#include <cstdio>
#include <memory>
#include <vector>

// Each thread searches with buffers of its own.
static thread_local std::vector<std::unique_ptr<MOVE_T[]>> move_lists;

void GenMoveList(POS_T* b, int ply, MOVE_T* m1, ETYPE_T testv)
{
    if (ply < 0)
        ply = 0;
    while ((int)move_lists.size() <= ply) {
        if (eval_show)
            ConsolePrint("\nGenMoveList alloc");
        for (int k = 0; k < 30; k++)
            move_lists.emplace_back(new MOVE_T[MAX_MOVES]);
    }
    MOVE_T* moves = move_lists[ply].get();
    int n = GetMoveCount(b, moves);
    // A promotion is searched once for each piece it may make; the
    // generator's entry without a piece would repeat the queen's.
    int kept = 0;
    for (int i = 0; i < n; i++)
        if (IsChoosableMove(b, &moves[i]))
            moves[kept++] = moves[i];
    b->moves = moves;
    b->num_moves = kept;
    OrderMoves(b, moves, kept, ply, m1, testv);
}
