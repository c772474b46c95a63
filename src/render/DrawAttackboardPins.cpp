// The pins the selected attack board may move to, as yellow discs wide
// enough to see and to hit at the default zoom. In selection mode each disc
// carries its pin's square names, and is drawn before anything else so
// that it wins the pick over whatever lies under it.
#include "render/render.h"

#include <GL/glu.h>

void DrawAttackboardPins(SQ_T selected, bool select)
{
    static GLUquadricObj* quadric = gluNewQuadric();
    if (selected != board_pins_of || !board_pins_legal)
        return;
    POS_T* b = &state.position;
    for (int i = 0; i < 12; i++) {
        if (!(board_pins_legal & (1 << i)))
            continue;
        int pin = int(attack_pins[i]);
        P3D_T at;
        if (!PinMarkerPlace(b, pin, &at))
            continue;
        if (select) {
            glLoadName(GLuint(XPOS(pin)));
            glPushName(GLuint(YPOS(pin)));
        }
        glPushMatrix();
        glTranslatef(at.x, at.y, at.z + 0.02f);
        glColor3f(0.45f, 0.35f, 0.0f);
        gluDisk(quadric, PIN_MARKER_RADIUS * 0.8, PIN_MARKER_RADIUS, 24, 1);
        glColor3fv(color_yellow);
        gluDisk(quadric, 0.0, PIN_MARKER_RADIUS * 0.8, 24, 1);
        glPopMatrix();
        if (select)
            glPopName();
    }
}
