// The mouse callback. The right button belongs to the menu tree; picking with
// the left button needs the drawn board and is not part of the program yet.
#include "shell/shell.h"

#include <GL/freeglut.h>

void MouseButton(int button, int bstate, int, int)
{
    if (button == GLUT_RIGHT_BUTTON)
        return;
    if (button != GLUT_LEFT_BUTTON) {
        Panic(false, "unknown mouse button");
        return;
    }
    if (bstate != GLUT_DOWN && bstate != GLUT_UP)
        Panic(false, "unknown bstate");
    // A click on the board ends a review of the game.
    if (bstate == GLUT_DOWN)
        ReplayExit();
    RequestRedisplay();
}
