// Ending the program: from the keys, the main menu and the window's close box.
#include "shell/shell.h"

#include <GL/freeglut.h>

#include <cstdlib>

void Quit()
{
    // The worker must be gone before exit runs the static destructors.
    Clutch(0);
    glFinish();
    glutDestroyWindow(mainWindow);
    exit(0);
}

// GLUT calls this when the window is destroyed, by Quit or by the close box;
// for the close box GLUT then exits with status 0 itself.
void CloseMain()
{
    Clutch(0);
}
