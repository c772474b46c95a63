// The reshape callback. The projection keeps aspect 1, so a non-square
// window stretches the picture.
#include "render/render.h"
#include "shell/shell.h"

#include <GL/freeglut.h>

void ReshapeMain(int width, int height)
{
    glutSetWindow(mainWindow);
    glViewport(0, 0, width, height);
}
