// Helpers of the search tests: positions from text, the computer's search of
// a position as its own move, and whether a side is mated.
#pragma once

#include "board/board.h"
#include "movegen/movegen.h"
#include "record/record.h"
#include "search/search.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace st {

inline std::unique_ptr<POS_T> Load(const std::string& text)
{
    auto b = std::make_unique<POS_T>();
    int mode;
    std::string err;
    EXPECT_TRUE(ParsePosition(text, b.get(), &mode, &err)) << err;
    return b;
}

// Searches a copy of the position as the computer's own move, iterating
// below maxdepth within `seconds`.
inline ETYPE_T Think(POS_T* b, int maxdepth, MOVE_T* best, unsigned long seconds = 60)
{
    state.maxdepth = maxdepth;
    state.vornak = NextToPlay(b);
    state.stop_search = 0;
    PrepareRoot(b);
    POS_T copy = *b;
    copy.moves = nullptr;
    move_timer.timer_limit = seconds;
    move_timer.TimerStart();
    search_stop_requested = GameStopRequested;
    return Search(&copy, best, state.maxdepth);
}

inline bool Mated(POS_T* b)
{
    std::vector<MOVE_T> replies;
    return (b->flags & FLAG_IN_CHECK) && LegalChoices(b, &replies) == 0;
}

}  // namespace st
