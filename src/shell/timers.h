// Game clocks: whole seconds since start-up and per side, ticked once a second
// by an SDL timer, and the clock mode that chooses which one is shown.
#pragma once

#include <SDL_timer.h>

#include <cstdint>

enum TIMERSTATE { TIMER_IDLE = 0, TIMER_STARTED = 1, TIMER_EXPIRED = 2 };

// A fixed underlying type: a bad mode read back from memory is a value to
// report, not undefined behaviour.
enum TIMERMODE_E : int { TM_OFF = 0, TM_BLACK = 1, TM_WHITE = 2, TM_ELAPSED = 3, TM_STOPPED = 4, TM_ERROR = 5 };

class TIMERS_C {
public:
    char time_string[64] = {};
    uint32_t init_time, curr_time;
    uint32_t elapsed_time;
    uint32_t white_time, black_time;
    unsigned long timer_limit = 0;  // seconds allowed for one computer move
    TIMERSTATE timer_state = TIMER_IDLE;
    unsigned long move_start_time = 0;
    SDL_TimerID TID = 0;
    TIMERMODE_E timermode;

    TIMERS_C();
    // Writes seconds as "h:mm:ss" into time_string.
    bool PrintTimeString(uint32_t time_to_print);
};

extern TIMERS_C timers;

// SDL timer callback, on SDL's timer thread: counts one second.
uint32_t secondtick(uint32_t tick, void* param);
