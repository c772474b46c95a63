// The move timer to the millisecond, and a search that keeps to its limit:
// on a clock of the test's own (each reading advances it), and once on the
// real clock.
#include "SearchTestUtil.h"
#include "hash/hash.h"

using st::Load;

namespace {

double fake_now = 0, fake_step = 0;
double FakeClock()
{
    fake_now += fake_step;
    return fake_now;
}

void UseFakeClock(double step)
{
    fake_now = 0;
    fake_step = step;
    move_timer = MOVE_TIMER_T();
    move_timer.clock = FakeClock;
}

// Searches the Italian opening, far too deep to finish, for the side to move
// within the timer's limit; returns the seconds the timer saw and the depth
// of each finished iteration.
double TimedSearch(std::vector<int>* depths)
{
    static std::vector<int>* seen;
    seen = depths;
    search_iteration_hook = [](POS_T*, int depth, ETYPE_T, const MOVE_T*) { seen->push_back(depth); };
    auto b = Load("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4");
    hash_c.HashReset();
    state.vornak = NextToPlay(b.get());
    state.stop_search = 0;
    PrepareRoot(b.get());
    POS_T copy = *b;
    copy.moves = nullptr;
    MOVE_T best;
    move_timer.TimerStart();
    Search(&copy, &best, DIFF_HARD);
    search_iteration_hook = nullptr;
    EXPECT_FALSE(IsZeroMove(&best));
    return move_timer.ElapsedSeconds();
}

}  // namespace

TEST(MoveTimer, CountsMillisecondsAgainstTheLimitAndTheShare)
{
    UseFakeClock(0);
    EXPECT_EQ(move_timer.TimerExpired(), 0) << "an idle timer never expires";
    EXPECT_EQ(move_timer.TimerTerminate(0), 0);
    EXPECT_EQ(move_timer.TimerTerminate(1), 1) << "a forced move ends the iterations";

    move_timer.timer_limit = 5;
    move_timer.TimerStart();
    fake_now = 4.999;
    EXPECT_EQ(move_timer.TimerExpired(), 0);
    EXPECT_EQ(move_timer.TimerTerminate(0), 0);
    fake_now = 5.0;
    EXPECT_EQ(move_timer.TimerExpired(), 1) << "five seconds mean five, not six";
    fake_now = 0;
    EXPECT_EQ(move_timer.TimerExpired(), 1) << "expiry lasts until the next start";
    EXPECT_EQ(move_timer.TimerTerminate(0), 1);

    // A long limit is not cut short by a fixed cap.
    move_timer = MOVE_TIMER_T();
    move_timer.clock = FakeClock;
    move_timer.timer_limit = 300;
    fake_now = 0;
    move_timer.TimerStart();
    fake_now = 200;
    EXPECT_EQ(move_timer.TimerTerminate(0), 0);
    EXPECT_EQ(move_timer.TimerExpired(), 0);

    // Milliseconds win over seconds; the share of a game clock ends the
    // iterations before the limit does.
    move_timer.limit_seconds = 0.25;
    move_timer.soft_seconds = 0.1;
    fake_now = 0;
    move_timer.TimerStart();
    fake_now = 0.099;
    EXPECT_EQ(move_timer.TimerTerminate(0), 0);
    fake_now = 0.1;
    EXPECT_EQ(move_timer.TimerTerminate(0), 1);
    EXPECT_EQ(move_timer.TimerExpired(), 0);
    fake_now = 0.25;
    EXPECT_EQ(move_timer.TimerExpired(), 1);
}

TEST(MoveTimer, TheSearchStopsWithinATenthOfItsLimit)
{
    // Every reading of the clock costs 50 ms: the search reads it each
    // thousand nodes, so it has time for some iterations but not for all.
    std::vector<int> depths;
    UseFakeClock(0.05);
    move_timer.timer_limit = 3;
    double seen = TimedSearch(&depths);
    EXPECT_GE(seen, 3.0);
    EXPECT_LE(seen, 3.3);
    ASSERT_FALSE(depths.empty());
    EXPECT_LT(depths.back(), DIFF_HARD - 1);

    // With a game clock's share, no iteration begins after it.
    UseFakeClock(0.05);
    move_timer.limit_seconds = 3;
    move_timer.soft_seconds = 0.75;
    std::vector<int> shared;
    TimedSearch(&shared);
    ASSERT_FALSE(shared.empty());
    EXPECT_LT(shared.size(), depths.size());
}

TEST(MoveTimer, TheSearchKeepsToTheLimitOnTheRealClock)
{
    std::vector<int> depths;
    move_timer = MOVE_TIMER_T();
    move_timer.limit_seconds = 1.5;
    double seconds = TimedSearch(&depths);
    EXPECT_GE(seconds, 1.5);
    EXPECT_LE(seconds, 1.65);
}
