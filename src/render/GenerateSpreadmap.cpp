// The spread map: where the selected piece may go and, in the team mode,
// what the side to move attacks. Worked out once per selection.
#include "render/render.h"

#include "movegen/movegen.h"

#include <cstdio>
#include <memory>

void GenerateSpreadmap(POS_T* b)
{
    // 1.
    ResetSpreadmap();
    SQ_T sel = state.selected;
    // An edited board that cannot be played has no moves to show.
    if (sel == NO_SQUARE || !PositionPlayable(b))
        return;
    bool white = NextToPlay(b) == 1;

    // 2.
    if (state.spread == SPREAD_TEAM) {
        uint32_t side = white ? WHITE_SLOTS : BLACK_SLOTS;
        for (int s = 0; s < 64; s++) {
            if (!(b->topieces[s] & side))
                continue;
            int p = b->board[s];
            if (p == 0)
                state.spreadmap[s] = 1;
            else if ((p > 0) != white)
                state.spreadmap[s] = -1;
        }
    }

    // 3. The generator may drop stale castling rights: it works on a copy.
    if (state.spread != SPREAD_PIECE && state.spread != SPREAD_TEAM)
        return;
    if (eval_show)
        printf("\nGenerateSpreadmap");
    if (sel > 63)
        return;
    std::unique_ptr<POS_T> probe(new POS_T(*b));
    std::unique_ptr<MOVE_T[]> moves(new MOVE_T[MAX_MOVES]());
    int n = GetMoveCount(probe.get(), moves.get());
    int piece = b->board[sel];
    for (int i = 0; i < n; i++) {
        const MOVE_T& m = moves[i];
        if (m.from != sel || m.piece_moving != piece || m.to > 63)
            continue;
        state.spreadmap[m.to] = b->board[m.to] ? -1 : 0;
    }
}
