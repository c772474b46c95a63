// The one-second clock tick, on SDL's timer thread: it only counts and asks
// for a redraw; GLUT may not be called from this thread.
#include "shell/shell.h"
#include "shell/timers.h"

uint32_t secondtick(uint32_t, void*)
{
    timers.elapsed_time++;
    if (timers.timermode != TM_OFF && timers.timermode != TM_STOPPED) {
        // The side to move is counted, whichever clock is shown.
        if (NextToPlay(&state.position) == 1)
            timers.white_time++;
        else
            timers.black_time++;
    }
    RequestRedisplay();
    return 1000;
}
