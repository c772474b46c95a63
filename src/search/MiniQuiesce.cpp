// The capture resolver: what the side to move wins by a sequence of captures
// on the attack masks as they stand, without making moves. A zero-window
// negamax over captures, most valuable victim first and cheapest attacker
// first; each piece captures or is captured at most once in a sequence.
#include "eval/eval.h"

#include <cstdint>

namespace {

const int MAX_UNCOVERED = 16;

// Masks changed while a capture is tried, to be put back last first.
struct UNCOVER_T {
    int count;
    SQ_T square[MAX_UNCOVERED];
    uint32_t saved[MAX_UNCOVERED];
};

int Value(const POS_T* b, int slot) { return PieceWorth(b->pieces[slot].p); }

// Plain game: the capturing piece left `from`; every slider that attacked
// that square now reaches the next occupied square beyond it, which may be a
// piece it attacks or defends. The vacated square counts as empty so that
// batteries and discovered attacks join the sequence.
void UncoverSliders(POS_T* b, SQ_T from, SQ_T to, int mover, uint32_t victim, uint32_t donelist,
                    uint32_t* caplist, UNCOVER_T* undo)
{
    undo->count = 0;
    const LINE_MAP_T& line = SlidingMap(b);
    uint32_t sliders = b->topieces[from] & b->sliding_mask & ~victim & ~donelist;
    for (; sliders && undo->count < MAX_UNCOVERED; sliders &= sliders - 1) {
        int j = FFOne(sliders);
        SQ_T at = b->pieces[j].pos;
        int dir = at < 64 ? line[at][from] : 0;
        if (!dir)
            continue;
        bool found = false;
        while (!OffBoard(b, at, dir)) {
            at = (SQ_T)((int)at + dir);
            if (at != from && b->board[at]) {
                found = true;
                break;
            }
        }
        if (!found)
            continue;
        undo->square[undo->count] = at;
        undo->saved[undo->count] = b->topieces[at];
        undo->count++;
        b->topieces[at] |= 1u << j;
        int slot = at == to ? mover : b->pboard[at];
        if (slot < 32 && !(donelist >> slot & 1) && !SameColor(b->board[at], b->pieces[j].p))
            *caplist |= 1u << slot;
    }
}

// Where a victim stands, as column then row seen from the side of colour C.
template <int C>
int PlaceKey(SQ_T sq)
{
    return (int)XPOS(sq) * 8 + (C > 0 ? (int)YPOS(sq) : 7 - (int)YPOS(sq));
}

template <int C>
int MiniQuiesce(POS_T* b, uint32_t caplist, uint32_t donelist, int beta, int ply)
{
    ETYPE_T& own = C > 0 ? b->w_material : b->b_material;
    ETYPE_T& enemy = C > 0 ? b->b_material : b->w_material;
    const uint32_t own_half = C > 0 ? WHITE_SLOTS : BLACK_SLOTS;
    const uint32_t enemy_half = ~own_half;

    // 1. Stand pat.
    int base = own - enemy;
    int best = base;
    if (base >= beta)
        return best;

    // 2. Victims from the most valuable down; among equal victims by column
    // and by row seen from the capturing side, so that neither the order of
    // the piece list nor the colour decides. Each victim tried leaves the
    // list for the lines below the later ones.
    int victims[16], count = 0;
    int64_t rank[16];  // worth, then place, as one number: the larger first
    for (uint32_t m = caplist & enemy_half; m && count < 16; m &= m - 1) {
        int t = FFOne(m);
        int j = count++;
        int64_t r = (int64_t)Value(b, t) * 64 + (63 - PlaceKey<C>(b->pieces[t].pos));
        for (; j > 0 && rank[j - 1] < r; j--) {
            rank[j] = rank[j - 1];
            victims[j] = victims[j - 1];
        }
        rank[j] = r;
        victims[j] = t;
    }
    bool seeking = true;
    for (int i = 0; seeking && i < count; i++) {
        int t = victims[i];
        caplist &= ~(1u << t);
        uint32_t below = caplist;
        int value = Value(b, t);
        int gain = base + value;
        if (gain < beta) {
            best = imax(best, gain);  // no cheaper victim can reach beta
            break;
        }
        SQ_T to = b->pieces[t].pos;
        uint32_t attackers = b->topieces[to] & own_half & ~donelist;
        while (seeking && attackers) {
            int a = FLOne(attackers);
            attackers &= ~(1u << a);

            // Make the capture in the tables only.
            SQ_T from = b->pieces[a].pos;
            uint32_t kept_below = below;
            int victim = b->board[to];
            b->pieces[a].pos = to;
            b->board[to] = b->pieces[a].p;
            enemy -= value;
            UNCOVER_T undo;
            undo.count = 0;
            if (IsPlainGame(b))
                UncoverSliders(b, from, to, a, 1u << t, donelist, &below, &undo);

            int w = -MiniQuiesce<-C>(b, below | (1u << a), donelist | (1u << t) | (1u << a), 1 - beta, ply + 1);

            // Undo.
            while (undo.count > 0) {
                undo.count--;
                b->topieces[undo.square[undo.count]] = undo.saved[undo.count];
            }
            b->board[to] = victim;
            enemy += value;
            b->pieces[a].pos = from;
            below = kept_below;

            best = imax(best, w);
            if (best >= beta) {
                if (ply == 0)
                    InitMove(&b->best_capture, b->pieces[a].p, from, to, best, 'x', 0);
                seeking = false;
            }
        }
    }
    return best;
}

}  // namespace

int MiniQuiesceW(POS_T* b, unsigned long caplist, unsigned long donelist, int beta, int ply)
{
    return MiniQuiesce<1>(b, (uint32_t)caplist, (uint32_t)donelist, beta, ply);
}

int MiniQuiesceB(POS_T* b, unsigned long caplist, unsigned long donelist, int beta, int ply)
{
    return MiniQuiesce<-1>(b, (uint32_t)caplist, (uint32_t)donelist, beta, ply);
}
