// Mouse picking: the board is drawn again in selection mode through a one
// pixel pick matrix, under the same camera as the picture.
#include "render/render.h"

#include <GL/glu.h>

void InSquare(int x, int y, SQ_T* r)
{
    // 1.
    *r = NO_SQUARE;
    GLint vp[4];
    glGetIntegerv(GL_VIEWPORT, vp);
    static GLuint selectBuf[512];
    glSelectBuffer(512, selectBuf);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(GLuint(-1));

    // 2.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(GLdouble(x), GLdouble(vp[3] - y), 1.0, 1.0, vp);
    AdjustModelview();
    DrawBoard(GL_SELECT);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glFlush();

    // 3, 4.
    GLint hits = glRenderMode(GL_RENDER);
    *r = ParsePickHits(selectBuf, 512, hits, x, y);
}
