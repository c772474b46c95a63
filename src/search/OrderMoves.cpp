// Move ordering: the first-choice move, killers, the best capture, the
// refutation of the last move, the table's verdict on the child and history.
#include "search/search.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "movegen/movegen.h"

#include <cstring>

void OrderMoves(POS_T* b, MOVE_T* moves, int n, int ply, MOVE_T* m1, ETYPE_T testv)
{
    if (m1) {
        hash_c.hash_move = *m1;
    } else {
        EvalTactics(b);
        ZeroMove(&hash_c.hash_move);
    }
    hash_c.PrefetchChildren(b, moves, n);
    for (int i = 0; i < n; i++) {
        if (!IsValidMove(b, moves[i])) {
            Panic(false, "Bad move at OrderMoves");
            continue;
        }
        moves[i].v = OrderFunction(b, &moves[i], ply, testv);
    }
    SortMoves(moves, n);
}

int OrderFunction(POS_T* b, MOVE_T* m, int ply, ETYPE_T testv)
{
    if (SameMove(m, &hash_c.hash_move))
        return 100000000;
    // Plain game: captures that do not lose the exchange come next, the
    // richest first; a losing one takes its place among the quiet moves.
    // (On the levels self-play showed no gain.)
    if (IsPlainGame(b) && m->from < 64 && m->to < 64 && b->board[m->to] && AbIndex(m->piece_moving) < 0) {
        int gain = StaticExchange(b, m->from, m->to);
        if (gain >= 0)
            return 95000000 + gain;
    }
    int s = 0;
    if (ply >= 0 && ply < search.ply_limit && ply < MAX_KILLER_PLY &&
        (SameMove(m, &hash_c.killers[ply].k1) || SameMove(m, &hash_c.killers[ply].k2)))
        s = 10000;
    if (SameMove(m, &b->best_capture))
        s += 15000;
    if (b->last_move.from < 64 && b->last_move.to < 64 &&
        SameMove(m, &hash_c.refutation[b->last_move.from][b->last_move.to]))
        s += 10000;
    // History is capped so that the first-choice move always stays first.
    uint32_t h = m->from < 64 && m->to < 64 ? hash_c.history[m->from][m->to] : 0;
    int history = (int)(h > 90000000u ? 90000000u : h);
    return s + 10000 * hash_c.HashOrdering(b, m, testv) + history;
}

void SimpleMerge(MOVE_T* m1, MOVE_T* m2, MOVE_T* d, int n1, int n2)
{
    while (n1 > 0 && n2 > 0) {
        if (m2->v > m1->v) {
            *d++ = *m2++;
            n2--;
        } else {
            *d++ = *m1++;
            n1--;
        }
    }
    while (n1-- > 0)
        *d++ = *m1++;
    while (n2-- > 0)
        *d++ = *m2++;
}

// A stable bottom-up merge sort, best first.
void SortMoves(MOVE_T* m, int n)
{
    thread_local MOVE_T tmp[MAX_MOVES];
    if (n <= 1 || n > MAX_MOVES)
        return;
    MOVE_T *src = m, *dst = tmp;
    for (int w = 1; w < n; w *= 2) {
        int i = 0;
        for (; i <= n - 2 * w; i += 2 * w)
            SimpleMerge(src + i, src + i + w, dst + i, w, w);
        if (i < n) {
            int first = imin(w, n - i);
            SimpleMerge(src + i, src + i + first, dst + i, first, n - i - first);
        }
        MOVE_T* t = src;
        src = dst;
        dst = t;
    }
    if (src != m)
        memcpy(m, src, n * sizeof *m);
}

void CutoffHint(POS_T* b, int m, int depth, int ply)
{
    if (!b->moves || m < 0 || m >= b->num_moves)
        return;
    const MOVE_T& x = b->moves[m];
    if (x.from < 64 && x.to < 64)
        hash_c.history[x.from][x.to] += 1u << imin(imax(depth, 0), 30);
    if (b->last_move.from < 64 && b->last_move.to < 64)
        hash_c.refutation[b->last_move.from][b->last_move.to] = x;
    if (ply >= 0 && ply < search.ply_limit && ply < MAX_KILLER_PLY && !SameMove(&x, &hash_c.killers[ply].k1) &&
        !SameMove(&x, &hash_c.killers[ply].k2)) {
        if (x.to < 64 && b->board[x.to] == 0)
            hash_c.killers[ply].k2 = x;
        else
            hash_c.killers[ply].k1 = x;
    }
}
