// The move timer: time since the search started, to the millisecond, against
// the limit the caller set.
#include "search/search.h"

#include <chrono>
#include <cstdio>


double MOVE_TIMER_T::Now() const
{
    if (clock)
        return clock();
    static const auto start = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void MOVE_TIMER_T::TimerStart()
{
    if (eval_show)
        ConsolePrint("\nTimerStart");
    timer_state = 1;
    move_start_time = Now();
}

double MOVE_TIMER_T::ElapsedSeconds() const { return Now() - move_start_time; }

double MOVE_TIMER_T::LimitSeconds() const { return limit_seconds > 0 ? limit_seconds : double(timer_limit); }

unsigned long MOVE_TIMER_T::TimerElapsed()
{
    unsigned long s = (unsigned long)ElapsedSeconds();
    return s ? s : 1;
}

int MOVE_TIMER_T::TimerExpired()
{
    if (timer_state == 1 && ElapsedSeconds() >= LimitSeconds())
        timer_state = 2;
    return timer_state == 2;
}

int MOVE_TIMER_T::TimerTerminate(int force)
{
    if (force)
        return 1;
    if (timer_state == 0)
        return 0;
    if (timer_state == 2)
        return 1;
    return ElapsedSeconds() >= (soft_seconds > 0 ? soft_seconds : LimitSeconds());
}
