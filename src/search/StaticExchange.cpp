// The static exchange: what a capture wins once both sides have captured on
// its square as long as it pays them, cheapest piece first. It reads the
// attack masks as they stand; in the plain game a slider behind a piece that
// captures joins the exchange, on the levels and attack boards it does not.
#include "search/search.h"
#include "eval/eval.h"

namespace {

// The cheapest of the attackers, or -1.
int Cheapest(const POS_T* b, uint32_t attackers)
{
    int best = -1, worth = 0;
    for (; attackers; attackers &= attackers - 1) {
        int slot = FFOne(attackers);
        if (!b->pieces[slot].p || b->pieces[slot].pos > 63)
            continue;
        int w = PieceWorth(b->pieces[slot].p);
        if (best < 0 || w < worth) {
            best = slot;
            worth = w;
        }
    }
    return best;
}

// Plain game: the sliders that reach `to` through `vacated` now that the
// pieces in `gone` have left their squares.
uint32_t Uncovered(POS_T* b, SQ_T vacated, SQ_T to, uint32_t gone)
{
    const LINE_MAP_T& line = SlidingMap(b);
    int dir = line[vacated][to];
    if (!dir)
        return 0;
    uint32_t found = 0;
    for (uint32_t sliders = b->topieces[vacated] & b->sliding_mask & ~gone; sliders; sliders &= sliders - 1) {
        int slot = FFOne(sliders);
        SQ_T at = b->pieces[slot].pos;
        if (at > 63 || line[at][vacated] != dir)
            continue;
        // Every square between the vacated one and the target is empty, or
        // held by a piece that has already captured.
        bool open = true;
        for (SQ_T sq = (SQ_T)(vacated + dir); open && sq != to; sq = (SQ_T)(sq + dir)) {
            unsigned holder = b->pboard[sq];
            open = !b->board[sq] || (holder < 32 && (gone >> holder & 1));
        }
        if (open)
            found |= 1u << slot;
    }
    return found;
}

}  // namespace

int StaticExchange(POS_T* b, SQ_T from, SQ_T to)
{
    if (from > 63 || to > 63 || !b->board[from])
        return 0;
    int gain[34];
    int depth = 0;
    gain[0] = b->board[to] ? PieceWorth(b->board[to]) : 0;
    int on_square = PieceWorth(b->board[from]);
    unsigned first = b->pboard[from];
    uint32_t gone = first < 32 ? 1u << first : 0;
    uint32_t attackers = b->topieces[to];
    bool white = b->board[from] < 0;  // the side that answers
    SQ_T vacated = from;
    while (depth < 32) {
        if (IsPlainGame(b))
            attackers |= Uncovered(b, vacated, to, gone);
        uint32_t side = (white ? WHITE_SLOTS : BLACK_SLOTS) & attackers & ~gone;
        int slot = Cheapest(b, side);
        if (slot < 0)
            break;
        depth++;
        gain[depth] = on_square - gain[depth - 1];
        on_square = PieceWorth(b->pieces[slot].p);
        gone |= 1u << slot;
        vacated = b->pieces[slot].pos;
        white = !white;
    }
    // Each side stops capturing where going on would cost it.
    while (depth > 0) {
        gain[depth - 1] = -imax(-gain[depth - 1], gain[depth]);
        depth--;
    }
    return gain[0];
}
