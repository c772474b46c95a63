// Lighting, projection and model-view for the current view. Drawing and
// picking both come through here, so that what is clicked is what is drawn;
// the matrices are those of ViewMatrices, which the tests check.
#include "render/render.h"
#include "shell/shell.h"

void AdjustModelview()
{
    // 1.
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glShadeModel(GL_SMOOTH);

    // 2, 3. Multiplied onto the projection stack, which may hold a pick
    // matrix; the viewport's shape keeps the view undistorted.
    GLint vp[4];
    glGetIntegerv(GL_VIEWPORT, vp);
    VIEW_T v = CurrentView();
    double projection[16], modelview[16];
    ViewMatrices(&v, projection, modelview, vp[3] > 0 ? double(vp[2]) / vp[3] : 1.0);
    glMultMatrixd(projection);

    // 4. A world point turns about x, then y, then z, and is then scaled.
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(modelview);
}
