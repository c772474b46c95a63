// The clocks object.
#include "shell/timers.h"

#include <cstdio>

TIMERS_C::TIMERS_C()
{
    timermode = TM_OFF;
    init_time = curr_time = 0;
    elapsed_time = 0;
    white_time = black_time = 0;
}

bool TIMERS_C::PrintTimeString(uint32_t time_to_print)
{
    snprintf(time_string, sizeof time_string, "%01d:%02d:%02d", int(time_to_print / 3600),
             int(time_to_print / 60 % 60), int(time_to_print % 60));
    return true;
}
