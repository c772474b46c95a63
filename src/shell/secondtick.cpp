// The one-second clock tick, on SDL's timer thread: it only counts and asks
// for a redraw; GLUT may not be called from this thread.
#include "shell/shell.h"
#include "shell/timers.h"

uint32_t secondtick(uint32_t, void*)
{
    // The clocks and the position belong to the game; a second that finds
    // the game taken (a dialog is open, the computer is playing its move) is
    // counted at the next tick instead of waiting here.
    static int owed;
    owed++;
    std::unique_lock<std::recursive_mutex> hold(game_lock, std::try_to_lock);
    if (!hold.owns_lock())
        return 1000;
    for (; owed > 0; owed--) {
        timers.elapsed_time++;
        if (timers.timermode != TM_OFF && timers.timermode != TM_STOPPED) {
            // The side to move is counted, whichever clock is shown.
            if (NextToPlay(&state.position) == 1)
                timers.white_time++;
            else
                timers.black_time++;
        }
    }
    RequestRedisplay();
    return 1000;
}
