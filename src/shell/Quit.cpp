// Ending the program: from the keys, the main menu and the window's close box.
#include "shell/menus.h"
#include "shell/shell.h"

#include "render/render.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

// Set while Quit destroys the window: its close callback must not ask again.
static bool quitting = false;

char window_title[260] = VORNAK_TITLE;

void Quit()
{
    quitting = true;
    // The worker must be gone before exit runs the static destructors.
    Clutch(0);
    glFinish();
    glutDestroyWindow(mainWindow);
    exit(0);
}

void OpenMainWindow(const char* title)
{
    // 5.
    mainWindow = glutCreateWindow(VORNAK_NAME);
    if (title != window_title)
        snprintf(window_title, sizeof window_title, "%s", title);
    glutSetWindowTitle(window_title);

    // 6. OpenGL state.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glutSetCursor(GLUT_CURSOR_CROSSHAIR);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LINE_SMOOTH);
    glShadeModel(GL_FLAT);

    // 7. Callbacks, each holding the game against the thinking thread.
    glutDisplayFunc(Locked<DisplayMain>::Call);
    glutReshapeFunc(Locked<ReshapeMain>::Call);
    glutKeyboardFunc(Locked<Keyboard>::Call);
    glutSpecialFunc(Locked<KeyboardSpecial>::Call);
    glutMouseFunc(Locked<MouseButton>::Call);
    glutCloseFunc(Locked<CloseMain>::Call);
}

// GLUT calls this when the window is being destroyed, by Quit or by the
// close box. It cannot keep the window, so a kept game gets a new one in
// the same place, with its own GL context (the meshes are compiled again).
void CloseMain()
{
    if (quitting) {
        Clutch(0);
        return;
    }
    if (ConfirmDiscard(DISCARD_QUIT)) {
        // GLUT's own clean-up at exit destroys the window again.
        quitting = true;
        Clutch(0);
        exit(0);
    }
    glutInitWindowPosition(glutGet(GLUT_WINDOW_X), glutGet(GLUT_WINDOW_Y));
    glutInitWindowSize(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    OpenMainWindow(window_title);
    for (PIECE_C* piece : {(PIECE_C*)&pKing, (PIECE_C*)&pQueen, (PIECE_C*)&pRook, (PIECE_C*)&pBishop,
                           (PIECE_C*)&pKnight, (PIECE_C*)&pPawn}) {
        piece->mesh_list = 0;
        piece->mesh_compiled = false;
    }
    CreateMenus();
    RequestRedisplay();
}
