// The reshape callback. The projection follows the window's shape (see
// AdjustModelview), so a non-square window shows more, not a stretched view.
#include "render/render.h"
#include "shell/shell.h"

#include <GL/freeglut.h>

void ReshapeMain(int width, int height)
{
    glutSetWindow(mainWindow);
    glViewport(0, 0, width, height);
    window_width = width;
    window_height = height;
}
