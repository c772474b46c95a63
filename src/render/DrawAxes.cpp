// The coordinate axes, lettered X, Y and Z at their ends.
#include "render/render.h"

#include <cstdlib>

namespace {

// Glyph strokes in a unit box. An order entry k names point |k| (from 1);
// a negative one starts a new line strip there.
const float xx[] = {0, 1, 0, 1}, xy[] = {-0.5f, 0.5f, 0.5f, -0.5f};
const int xorder[] = {1, 2, -3, 4};
const float yx[] = {0, 0, -0.5f, 0.5f}, yy[] = {0, 0.6f, 1, 1};
const int yorder[] = {1, 2, 3, -2, 4};
const float zx[] = {1, 0, 1, 0, 0.25f, 0.75f}, zy[] = {0.5f, 0.5f, -0.5f, -0.5f, 0, 0};
const int zorder[] = {1, 2, 3, 4, -5, 6};

const float LETTER_SCALE = 0.4f, LETTER_OFFSET = 4.4f;

enum AXIS_E { AXIS_X, AXIS_Y, AXIS_Z };

void Letter(AXIS_E axis, const float* u, const float* v, const int* order, int n)
{
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i < n; i++) {
        if (order[i] < 0) {
            glEnd();
            glBegin(GL_LINE_STRIP);
        }
        int k = abs(order[i]) - 1;
        float a = u[k] * LETTER_SCALE, c = v[k] * LETTER_SCALE;
        switch (axis) {
        case AXIS_X: glVertex3f(a + LETTER_OFFSET, c, 0.0f); break;
        case AXIS_Y: glVertex3f(a, c + LETTER_OFFSET, 0.0f); break;
        case AXIS_Z: glVertex3f(0.0f, a, c + LETTER_OFFSET); break;
        }
    }
    glEnd();
}

}  // namespace

void DrawAxes()
{
    glColor3f(1.0f, 1.0f, 0.0f);
    glLineWidth(2.0f);
    glBegin(GL_LINE_STRIP);
    glVertex3f(4.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 4.0f, 0.0f);
    glEnd();
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 4.0f);
    glEnd();
    Letter(AXIS_X, xx, xy, xorder, 4);
    Letter(AXIS_Y, yx, yy, yorder, 5);
    Letter(AXIS_Z, zy, zx, zorder, 6);
    glLineWidth(1.0f);
}
