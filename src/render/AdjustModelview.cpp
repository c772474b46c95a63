// Lighting, projection and model-view for the current view. Drawing and
// picking both come through here, so that what is clicked is what is drawn.
#include "render/render.h"
#include "shell/shell.h"

#include <GL/glu.h>

void AdjustModelview()
{
    // 1.
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glShadeModel(GL_SMOOTH);

    // 2, 3. Aspect 1 whatever the window's shape.
    if (state.projection_ortho)
        glOrtho(-8.0, 8.0, -8.0, 8.0, 0.1, 60.0);
    else
        gluPerspective(70.0, 1.0, 0.1, 60.0);
    gluLookAt(0.0, 0.0, 16.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);

    // 4. A world point turns about x, then y, then z, and is then scaled.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(state.scale, state.scale, state.scale);
    glRotatef(GLfloat(*GetZAng()), 0.0f, 0.0f, 1.0f);
    glRotatef(state.yang, 0.0f, 1.0f, 0.0f);
    glRotatef(state.xang, 1.0f, 0.0f, 0.0f);
}
