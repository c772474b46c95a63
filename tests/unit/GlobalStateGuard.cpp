// Every test gets the program's globals back as it found them, however it
// ends (a failed ASSERT returns early): the game state, the shell hooks, the
// verbose switch, the captured pieces and this thread's search counters and
// move timer and stop request are saved before each test and restored after it, so no test
// depends on the order the others ran in.
#include "board/board.h"
#include "makemove/makemove.h"
#include "search/search.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class GlobalStateGuard : public ::testing::EmptyTestEventListener {
    std::unique_ptr<STATE_T> saved_state;
    SHELL_HOOKS_T saved_hooks{};
    bool saved_eval_show = false;
    CAP_T saved_captured{};
    SEARCH_T saved_search{};
    MOVE_TIMER_T saved_timer{};
    bool (*saved_stop)() = nullptr;

    void OnTestStart(const ::testing::TestInfo&) override
    {
        saved_state.reset(new STATE_T(state));
        saved_hooks = shell_hooks;
        saved_eval_show = eval_show;
        saved_captured = cap_t;
        saved_search = search;
        saved_timer = move_timer;
        saved_stop = search_stop_requested;
    }

    void OnTestEnd(const ::testing::TestInfo&) override
    {
        if (saved_state)
            state = *saved_state;
        shell_hooks = saved_hooks;
        eval_show = saved_eval_show;
        cap_t = saved_captured;
        search = saved_search;
        move_timer = saved_timer;
        search_stop_requested = saved_stop;
    }
};

// Registered before main runs the tests; gtest owns the listener.
const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new GlobalStateGuard);
    return true;
}();

}  // namespace
