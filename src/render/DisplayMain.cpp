// The display callback: the board, the pieces, the captured pieces and the
// axes under the camera, then the four status lines on top.
#include "render/piece.h"
#include "render/render.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include <GL/freeglut.h>

static void DrawString(GLfloat x, GLfloat y, const GLfloat* color, const char* text)
{
    glColor3fv(color);
    glRasterPos3f(x, y, 0.0f);
    for (const char* c = text; *c; c++)
        glutBitmapCharacter(GLUT_BITMAP_TIMES_ROMAN_24, *c);
}

void DisplayMain()
{
    // 1.
    glutSetWindow(mainWindow);
    glDrawBuffer(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_FLAT);

    // 2.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    AdjustModelview();

    // 3.
    DrawBoard(GL_RENDER);
    DrawPieces();
    if (CapturedOnOff)
        DrawCaptured();
    if (AxesOnOff) {
        glDisable(GL_LIGHTING);
        DrawAxes();
    }
    glDisable(GL_LIGHTING);

    // 4, 5. Text in the scene's projection, on top of everything.
    const GLfloat* move_color = ComposeMoveLine();
    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    GLfloat x = state.projection_ortho ? -7.0f : -10.0f;
    GLfloat y = state.projection_ortho ? 7.0f : 10.0f;
    DrawString(x, y - 1, ComposeBanner(), banner_string);
    DrawString(x, y, move_color, move_string);
    char status[64];
    const GLfloat* status_color = ComposeStatusLine(status, sizeof status);
    DrawString(x, y - 2, status_color, status);
    if (const GLfloat* clock_color = ComposeClockLine()) {
        DrawString(x, y - 3, clock_color, timers.time_string);
        info_string[0] = '\0';
    }

    // 6.
    glPopMatrix();
    glPopAttrib();
    glEnable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glutSwapBuffers();
    glFlush();
}
