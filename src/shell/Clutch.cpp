// The thinking thread. Until the computer player exists the worker only polls;
// it is a cancellable thread, so stopping it waits for it instead of killing it.
#include "shell/shell.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

// Never deleted while running: a joinable std::thread destroyed by exit-time
// destructors would terminate the program instead of letting it exit.
static std::thread* worker;
static std::atomic<bool> stop_worker{false};

static void MoveThread()
{
    while (!stop_worker.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

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
    }
}
