// The move timer: whole seconds since the search started, against the limit.
#include "search/search.h"

#include <chrono>
#include <cstdio>


namespace {
double WallSeconds()
{
    static const auto start = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

void MOVE_TIMER_T::TimerStart()
{
    if (eval_show)
        ConsolePrint("\nTimerStart");
    timer_state = 1;
    move_start_time = WallSeconds();
}

unsigned long MOVE_TIMER_T::TimerElapsed()
{
    unsigned long s = (unsigned long)(WallSeconds() - move_start_time);
    return s ? s : 1;
}

int MOVE_TIMER_T::TimerExpired()
{
    if (timer_state == 0)
        return 0;
    if (timer_state == 1) {
        double elapsed = WallSeconds() - move_start_time;
        if (limit_seconds > 0 ? elapsed >= limit_seconds : (unsigned long)elapsed > timer_limit)
            timer_state = 2;
    }
    return timer_state == 2;
}

int MOVE_TIMER_T::TimerTerminate(int force)
{
    if (force)
        return 1;
    if (timer_state == 0)
        return 0;
    return WallSeconds() - move_start_time >= 7.0;
}
