// Frame-rate measurement, for developers: with VORNAK_BENCH_FRAMES=N in the
// environment the program draws the start position N times back to back
// (waiting for each frame to finish), times one pick at the window's centre,
// prints the figures and quits. VORNAK_BENCH_GAME=2 measures the plain game
// instead of the tri-dimensional one, VORNAK_BENCH_PIECES=classic the
// classic pieces instead of the meshes.
#include "render/render.h"
#include "shell/shell.h"

#include <GL/freeglut.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static int bench_frames;

// Processor time of all the program's threads (the renderer's included).
static double CpuSeconds()
{
#ifdef _WIN32
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto seconds = [](FILETIME t) { return 1e-7 * double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime); };
    return seconds(kernel) + seconds(user);
#else
    rusage u;
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + 1e-6 * double(u.ru_utime.tv_usec + u.ru_stime.tv_usec);
#endif
}

static double SecondsSince(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Runs at the first display, when the window is mapped and sized, holding
// the game like every callback.
static void BenchDisplay()
{
    // One frame first: it compiles the meshes.
    DisplayMain();
    glFinish();
    auto t0 = std::chrono::steady_clock::now();
    double cpu0 = CpuSeconds();
    for (int k = 0; k < bench_frames; k++) {
        DisplayMain();
        glFinish();
    }
    double s = SecondsSince(t0);
    printf("\nbench: %d frames in %.3f s, %.1f frames/s", bench_frames, s, bench_frames / s);
    // Far less processor time than time passed means other work held the
    // processors: the figure above then understates the program.
    printf("\nbench: processor time %.3f s, %.1f ms a frame", CpuSeconds() - cpu0,
           1000.0 * (CpuSeconds() - cpu0) / bench_frames);

    const int picks = 20;
    int x = glutGet(GLUT_WINDOW_WIDTH) / 2, y = glutGet(GLUT_WINDOW_HEIGHT) / 2;
    SQ_T picked = NO_SQUARE;
    t0 = std::chrono::steady_clock::now();
    for (int k = 0; k < picks; k++)
        InSquare(x, y, &picked);
    s = SecondsSince(t0);
    printf("\nbench: pick in %.2f ms (code %u)", 1000.0 * s / picks, unsigned(picked));
    Quit();
}

void StartBenchIfAsked()
{
    const char* frames = getenv("VORNAK_BENCH_FRAMES");
    if (!frames)
        return;
    bench_frames = atoi(frames);
    if (bench_frames < 1 || bench_frames > 1000000) {
        Panic(false, "VORNAK_BENCH_FRAMES wants a number of frames from 1 to 1000000");
        return;
    }
    const char* game = getenv("VORNAK_BENCH_GAME");
    const char* pieces = getenv("VORNAK_BENCH_PIECES");
    if (game && !strcmp(game, "2"))
        DoModeMenu(2);
    menu_mesh_pieces = pieces && !strcmp(pieces, "classic") ? SET_CLASSIC : SET_MESH;
    printf("\nbench: %s game, %s pieces", state.dmode == 2 ? "plain" : "tri-dimensional",
           menu_mesh_pieces == SET_CLASSIC ? "classic" : "mesh");
    glutDisplayFunc(Locked<BenchDisplay>::Call);
}
