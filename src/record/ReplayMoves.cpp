// Reviewing the game: the board steps through the record while the record
// and the game list keep their full length; the computer waits meanwhile.
#include "record/record_internal.h"

int replay = -1;

void ReplayMoves(int n)
{
    // 1.
    POS_T* b = &state.position;
    int full = b->move_num;
    int start = GameStartPly();
    if (replay == -1) {
        replay = full;
        if (shell_hooks.clutch)
            shell_hooks.clutch(0);
    } else {
        long to = (long)replay + n;
        replay = to < start ? start : to > full ? full : (int)to;
    }

    // 2. From the game's own start, so that a game begun on an edited board
    // replays onto that board.
    if (RestartGamePosition())
        ReplayRecord(b, replay, false, "ReplayMoves", "What? Illegal move in game replay?\n");

    // 3.
    state.vornak = 0;
    state.demo_mode = 0;
    state.stop_search = 1;
    b->move_num = full;
    if (shell_hooks.redraw)
        shell_hooks.redraw();
}

void ReplayExit()
{
    if (replay != -1)
        UndoMoves(0);
    replay = -1;
}
