// The entry point: start-up in the order the rest of the program relies on,
// then the GLUT main loop, which never returns; the program ends in Quit.
#define SDL_MAIN_HANDLED
#include "shell/menus.h"
#include "shell/sdl_object.h"
#include "hash/hash.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include "render/render.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstring>

// The console beside the window and the pipes of the tests must show every
// message at once, including the one the transposition table prints during
// static construction, so buffering is switched off before any constructor.
__attribute__((constructor(101))) static void UnbufferStdout()
{
    setvbuf(stdout, nullptr, _IONBF, 0);
}

int SDL_main(int argc, char** argv)
{
    // 1. Defaults that the new game below does not set; the table, built
    // before main, is announced first on the console.
    AnnounceHashTable();
    eval_show = false;
    menu_mesh_pieces = SET_CLASSIC;
    InstallShellHooks();

    // 2. SDL, for its timer service only.
    SDL sdl(SDL_INIT_TIMER);
    pSDL = &sdl;

    // 3. The one-second clock tick.
    strcpy(timers.time_string, "0:00:0");
    timers.TID = SDL_AddTimer(1000, secondtick, nullptr);

    // 4. Meshes; a missing file leaves that piece in the classic style.
    pKing.MeshRead(MeshPath("KING.STL").c_str());
    pQueen.MeshRead(MeshPath("QUEEN.STL").c_str());
    pRook.MeshRead(MeshPath("ROOK.STL").c_str());
    pBishop.MeshRead(MeshPath("BISHOP.STL").c_str());
    pKnight.MeshRead(MeshPath("KNIGHT.STL").c_str());
    pPawn.MeshRead(MeshPath("PAWN.STL").c_str());

    // 5 to 7. The window. The close box only asks to quit (CloseMain
    // decides), so GLUT must not end the program by itself.
    glutInit(&argc, argv);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 800);
    glutInitWindowPosition(160, 40);
    OpenMainWindow(VORNAK_TITLE);

    // 8. Settings that survive the new game.
    menu_mesh_pieces = SET_MESH;
    state.maxdepth = DIFF_HARD;
    timers.timer_limit = 5;

    // 9. Menus and the idle callback.
    CreateMenus();
    glutIdleFunc(VornakIdleFunc);  // takes the game itself
    GameListInit();

    // 10. A new tri-dimensional game.
    DoModeMenu(3);

    // 11. Key help on the console.
    PrintKeyHelp();

    // 12. A game named on the command line (what GLUT's own options left of
    // it) replaces the new one; a file refused leaves the new game standing.
    if (argc > 1)
        OpenGameInWindow(argv[1]);
    for (int i = 2; i < argc; i++)
        printf("\none game at a time: \"%s\" not opened", argv[i]);

    // 13. The thinking thread.
    Clutch(1);

    StartBenchIfAsked();

    // 14.
    glutMainLoop();
    return 0;
}

int main(int argc, char** argv)
{
    SDL_SetMainReady();
    return SDL_main(argc, argv);
}
