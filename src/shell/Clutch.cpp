// The thinking thread: ten times a second it looks whether the computer is to
// move; when it is, it searches a private copy of the position and plays the
// chosen move through PlayerMoved, like a human's. It is a cancellable
// worker: stopping it abandons a running search without playing its move.
#include "shell/shell.h"
#include "shell/timers.h"

#include "makemove/makemove.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "search/search.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

std::recursive_mutex game_lock;

namespace {

// Never deleted while running: a joinable std::thread destroyed by exit-time
// destructors would terminate the program instead of letting it exit.
std::thread* worker;
std::atomic<bool> stop_worker{false};
// Set from deciding to move until the search is over: a second thinker
// entering the same work would be a fault.
std::atomic<bool> makemovebusy{false};

// Takes game_lock, unless the worker is told to stop first: the main thread
// may be waiting in Clutch(0) for this thread while it holds the lock.
bool HoldGame(std::unique_lock<std::recursive_mutex>& hold)
{
    while (!hold.try_lock()) {
        if (stop_worker.load())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (stop_worker.load()) {
        hold.unlock();
        return false;
    }
    return true;
}

void Nap(int ms)
{
    for (int slept = 0; slept < ms && !stop_worker.load(); slept += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

bool ComputersTurn(const POS_T* b)
{
    int side = state.vornak;
    if (side == VORNAK_OFF || b->winner)
        return false;
    // Autoplay restored from a file: the computer plays whoever is to move.
    if (side != VORNAK_BOTH && NextToPlay(b) != side)
        return false;
    return PositionPlayable(b);
}

// Steps from deciding to move to playing the move, entered holding the lock.
// Returns false when the move was abandoned (the worker stopped, or the game
// changed under the search) and nothing was played.
bool ThinkAndMove(std::unique_lock<std::recursive_mutex>& hold)
{
    POS_T* live = &state.position;
    state.stop_search = 0;
    live->winner = 0;
    MOVE_T move;
    ZeroMove(&move);

    bool playable = false;
    if (FindWinner(live, nullptr)) {
        VornakLoses("MoveThread: Vornak cannot move");
    } else {
        PrepareRoot(live);
        auto copy = std::make_unique<POS_T>(*live);
        copy->moves = nullptr;
        // The search walks its lines in a key history of its own, so that the
        // game's history is not written while the main thread reads it.
        auto history = std::make_unique<uint32_t[]>(MAX_GAME_PLIES);
        memcpy(history.get(), state.hash_list, sizeof state.hash_list);
        SetLineHashList(history.get());
        move_timer.timer_limit = timers.timer_limit;
        move_timer.TimerStart();
        search_stop_requested = GameStopRequested;
        hold.unlock();

        ETYPE_T v = Search(copy.get(), &move, state.maxdepth);
        move_timer.timer_state = TIMER_IDLE;
        SetLineHashList(nullptr);

        if (!HoldGame(hold))
            return false;
        // A board changed while the computer thought (an edit, a move made
        // for it) is thought about afresh, not resigned over; a computer
        // switched off plays nothing.
        if (copy->hash1 != live->hash1 || NextToPlay(copy.get()) != NextToPlay(live) ||
            state.vornak == VORNAK_OFF)
            return false;
        live->evaluation = NextToPlay(copy.get()) * v;
        // A move that mates, stalemates or draws is announced here and still
        // played: ending the game is no failure of the thread.
        FindWinner(live, &move);
        playable = true;
    }

    if (!playable)
        Panic(false, "No moves to make - MoveThread fail");
    if (IsZeroMove(&move)) {
        VornakLoses("Vornak has no more moves");
        return true;
    }
    if (LegalMove(live, &move, "MoveThread")) {
        if (!PlayerMoved(live, &move))
            VornakLoses("Vornak made a legal but illegal move");
    } else {
        VornakLoses("Vornak cannot move");
    }
    RequestRedisplay();
    return true;
}

void MoveThread()
{
    while (!stop_worker.load()) {
        std::unique_lock<std::recursive_mutex> hold(game_lock, std::defer_lock);
        if (!HoldGame(hold))
            return;
        if (ComputersTurn(&state.position)) {
            if (eval_show)
                printf("\nMakeMove");
            if (makemovebusy.exchange(true)) {
                Panic(false, "MakeMove busy");
                return;
            }
            ThinkAndMove(hold);
            makemovebusy.store(false);
        }
        if (hold.owns_lock())
            hold.unlock();
        Nap(100);
    }
}

}  // namespace

void Clutch(int start)
{
    if (eval_show)
        printf("\nClutch %s", start ? "ON" : "OFF");
    if (start) {
        if (!worker) {
            stop_worker.store(false);
            worker = new std::thread(MoveThread);
        }
        return;
    }
    if (worker) {
        stop_worker.store(true);
        state.stop_search = 1;
        worker->join();
        delete worker;
        worker = nullptr;
        makemovebusy.store(false);
    }
}
