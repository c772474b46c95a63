// The thinking thread against the live game: it moves only on the computer's
// turn, a stopped or abandoned search never plays its move, a restarted
// thread moves again, and the main thread may read and change the game while
// the computer thinks (run under ThreadSanitizer to check the last point).
#include "shell/shell.h"
#include "shell/timers.h"

#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "search/search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

class ThinkingThread : public testing::Test {
protected:
    SHELL_HOOKS_T saved = shell_hooks;

    void SetUp() override
    {
        // The window's hooks would call GLUT; the record only needs the worker.
        shell_hooks = SHELL_HOOKS_T{};
        shell_hooks.clutch = Clutch;
        NewGame(2);
    }
    void TearDown() override
    {
        Clutch(0);
        shell_hooks = saved;
    }

    // What a new game does, without the window: the worker is stopped while
    // the game is wiped, then started again.
    void NewGame(int mode, int computer = VORNAK_OFF)
    {
        std::lock_guard<std::recursive_mutex> hold(game_lock);
        Clutch(0);
        replay = -1;
        state.dmode = mode;
        state.rules = RULES_TDCL;
        ResetBoardConfigCache();
        ASSERT_TRUE(ResetBoard(false));
        GameListInit();
        state.maxdepth = DIFF_EASY;
        timers.timer_limit = 5;
        state.vornak = computer;
        Clutch(1);
    }

    // Reads the game as the window does, holding it against the worker.
    template <typename F>
    auto Read(F f)
    {
        std::lock_guard<std::recursive_mutex> hold(game_lock);
        return f();
    }
    int Plies()
    {
        return Read([] { return state.position.move_num; });
    }

    // Waits (reading the game meanwhile) until the condition holds.
    bool WaitFor(const std::function<bool()>& done, double seconds = 60)
    {
        auto until = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < until) {
            if (Read(done))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }
    bool WaitForPlies(int n, double seconds = 60)
    {
        return WaitFor([n] { return state.position.move_num >= n; }, seconds);
    }
    void Idle(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    // The computer takes White for a long think (hard, a minute allowed) and
    // is given time to start it.
    void StartLongThink()
    {
        Read([] {
            state.maxdepth = DIFF_HARD;
            timers.timer_limit = 60;
            return state.vornak = VORNAK_WHITE;
        });
        Idle(500);
    }

    // Plays a human's move given in coordinates.
    static int Play(const char* coordinates)
    {
        std::vector<MOVE_T> legal;
        LegalChoices(&state.position, &legal);
        for (MOVE_T m : legal)
            if (CoordinateMove(&m) == coordinates)
                return PlayerMoved(&state.position, &m);
        ADD_FAILURE() << coordinates << " is not legal";
        return 0;
    }

    // Every recorded move is legal when the game is played over from the
    // start position.
    void ExpectRecordLegal()
    {
        std::lock_guard<std::recursive_mutex> hold(game_lock);
        auto b = std::make_unique<POS_T>();
        SetupStartPosition(b.get(), state.dmode);
        ASSERT_TRUE(CreatePBoard(b.get(), state.dmode));
        for (int i = 0; i < state.position.move_num; i++) {
            MOVE_T m = state.game_record[i];
            std::vector<MOVE_T> legal;
            LegalChoices(b.get(), &legal);
            bool found = false;
            for (const MOVE_T& l : legal)
                found |= l.from == m.from && l.to == m.to;
            ASSERT_TRUE(found) << "ply " << i + 1 << " " << CoordinateMove(&m);
            auto next = std::make_unique<POS_T>();
            ASSERT_TRUE(DoMove(next.get(), b.get(), &m));
            b = std::move(next);
        }
        EXPECT_EQ(b->hash1, state.position.hash1);
    }
};

TEST_F(ThinkingThread, MovesOnlyOnItsTurnAndNeverWhenOffOrDecided)
{
    Idle(300);
    EXPECT_EQ(Plies(), 0) << "the computer is off";

    Read([] { return state.vornak = VORNAK_BLACK; });
    Idle(300);
    EXPECT_EQ(Plies(), 0) << "White is to move, the computer plays Black";

    Read([] { return state.vornak = VORNAK_WHITE; });
    ASSERT_TRUE(WaitForPlies(1));
    Idle(300);
    EXPECT_EQ(Plies(), 1) << "Black's turn is the human's";
    ExpectRecordLegal();

    // A decided game keeps the thread idle even on its turn.
    Read([] {
        state.position.winner = 2;
        return state.vornak = VORNAK_BLACK;
    });
    Idle(300);
    EXPECT_EQ(Plies(), 1);
}

TEST_F(ThinkingThread, AutoplayPlaysBothSidesInBothGames)
{
    for (int mode : {2, 3}) {
        NewGame(mode, VORNAK_BOTH);
        ASSERT_TRUE(WaitForPlies(6, 120)) << "mode " << mode;
        Clutch(0);
        ExpectRecordLegal();
        EXPECT_EQ(Read([] { return int(state.vornak); }), VORNAK_BOTH);
    }
}

TEST_F(ThinkingThread, StoppingAbandonsTheSearchAndARestartMovesAgain)
{
    StartLongThink();
    auto asked = Clock::now();
    Read([] {
        Clutch(0);
        return 0;
    });
    EXPECT_LT(Clock::now() - asked, std::chrono::seconds(10)) << "the search did not stop";
    Idle(300);
    EXPECT_EQ(Plies(), 0) << "the abandoned search played its move";

    Read([] {
        state.maxdepth = DIFF_EASY;
        Clutch(1);
        return 0;
    });
    ASSERT_TRUE(WaitForPlies(1));
    ExpectRecordLegal();
}

TEST_F(ThinkingThread, StopFlagCutsTheSearchShortAndItsMoveIsPlayed)
{
    StartLongThink();
    Read([] { return state.stop_search = 1; });
    // Well within the minute the search was allowed.
    ASSERT_TRUE(WaitForPlies(1, 20));
    ExpectRecordLegal();
}

TEST_F(ThinkingThread, NewGamesWhileThinkingAndTheGameReadMeanwhile)
{
    // New games started at every moment of a think, in both games; in each
    // the computer still moves when its turn comes.
    for (int round = 0; round < 6; round++) {
        NewGame(round % 2 ? 3 : 2, VORNAK_WHITE);
        Read([] {
            state.maxdepth = DIFF_HARD;
            return 0;
        });
        Idle(40 * round);
        // The window reads the position and changes sides while the
        // computer thinks.
        for (int i = 0; i < 20; i++) {
            Read([] { return state.position.topieces[0] + state.position.hash1 + NextToPlay(&state.position); });
            Read([i] { return state.vornak = i % 2 ? VORNAK_WHITE : VORNAK_BLACK; });
        }
        Read([] { return state.vornak = VORNAK_WHITE; });
    }
    NewGame(3, VORNAK_WHITE);
    ASSERT_TRUE(WaitForPlies(1, 120));
    ExpectRecordLegal();
}

TEST_F(ThinkingThread, APositionChangedDuringTheSearchIsThoughtAboutAgain)
{
    Read([] {
        state.maxdepth = DIFF_HARD;
        timers.timer_limit = 3;
        return state.vornak = VORNAK_BLACK;
    });
    // The human moves for White and then, while the computer thinks for
    // Black, takes the move back and plays another: the search's answer to
    // the first move must not land on the second.
    Read([] { return Play("e2e3"); });
    Idle(300);
    Read([] {
        auto b = std::make_unique<POS_T>();
        SetupStartPosition(b.get(), state.dmode);
        CreatePBoard(b.get(), state.dmode);
        GameListInit();
        state.position = *b;
        return Play("d2d4");
    });
    ASSERT_TRUE(WaitForPlies(2, 30));
    ExpectRecordLegal();
    EXPECT_EQ(Read([] { return int(state.vornak); }), VORNAK_BLACK) << "the computer resigned";
}

TEST_F(ThinkingThread, AnUnplayableBoardKeepsItIdleUntilRepaired)
{
    POS_T saved = Read([] { return state.position; });
    Read([] {
        // An edit took White's king away.
        state.position.board[state.position.pieces[W_KING_SLOT].pos] = 0;
        return state.vornak = VORNAK_WHITE;
    });
    Idle(400);
    EXPECT_EQ(Plies(), 0);
    Read([&saved] {
        state.position = saved;
        return 0;
    });
    ASSERT_TRUE(WaitForPlies(1));
}

}  // namespace
