// The two players' clocks, drawn side by side on the clock's line whenever
// a clock is on, so that each player sees both times whichever the T key
// shows; the side to move's clock is marked.
#include "render/render.h"
#include "shell/timers.h"

#include <cstdio>

// "h:mm:ss", as the clock's line writes it, without touching its text.
static void Hms(char* out, size_t size, const char* label, const char* mark, uint32_t seconds)
{
    snprintf(out, size, "%s%s %01d:%02d:%02d", mark, label, int(seconds / 3600), int(seconds / 60 % 60),
             int(seconds % 60));
}

bool ComposeSideClocks(char* white, char* black, size_t size)
{
    if (timers.timermode == TM_OFF)
        return false;
    bool white_moves = NextToPlay(&state.position) == 1;
    // The mark only while the clocks run: a stopped clock counts for no one.
    bool running = timers.timermode != TM_STOPPED;
    const char* mark = running ? "> " : "";
    Hms(white, size, "White", white_moves ? mark : "", timers.white_time);
    Hms(black, size, "Black", white_moves ? "" : mark, timers.black_time);
    return true;
}
