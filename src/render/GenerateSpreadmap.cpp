// The spread map: where the selected piece may legally go and, in the team
// mode, what the side to move attacks. Worked out once per selection.
#include "render/render.h"

#include "movegen/movegen.h"
#include "record/record.h"

#include <cstdio>
#include <vector>

int board_pins_legal = 0;
SQ_T board_pins_of = NO_SQUARE;

void GenerateSpreadmap(POS_T* b)
{
    // 1.
    ResetSpreadmap();
    SQ_T sel = state.selected;
    board_pins_legal = 0;
    board_pins_of = sel;
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

    // 3. A selected attack board: the pins it may legally reach, whatever
    // the spread mode, since its markers are the only way to see them.
    if (AbIndex(int(sel)) >= 0) {
        std::vector<MOVE_T> moves;
        LegalChoices(b, &moves);
        for (const MOVE_T& m : moves)
            if (m.piece_moving == int(sel))
                board_pins_legal |= AddABPin(b, int(m.to));
        return;
    }

    // 4. Only the moves that may be made: a piece pinned to its king, or a
    // move that leaves the king in check, shows nothing. LegalChoices works
    // on copies with scratch space of its own, so the thinking thread may
    // generate meanwhile.
    if (state.spread != SPREAD_PIECE && state.spread != SPREAD_TEAM)
        return;
    if (eval_show)
        printf("\nGenerateSpreadmap");
    if (sel > 63)
        return;
    std::vector<MOVE_T> moves;
    LegalChoices(b, &moves);
    int piece = b->board[sel];
    for (const MOVE_T& m : moves) {
        if (m.from != sel || m.piece_moving != piece || m.to > 63)
            continue;
        state.spreadmap[m.to] = b->board[m.to] ? -1 : 0;
    }
}
