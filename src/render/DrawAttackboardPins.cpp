// Small yellow cones on the free pins the selected attack board may move to.
#include "render/render.h"

#include <GL/glu.h>

void DrawAttackboardPins(SQ_T selected)
{
    static GLUquadricObj* quadric = gluNewQuadric();
    POS_T* b = &state.position;
    int mask = AttackboardPinMask(b, selected);
    if (!mask)
        return;
    glColor3fv(color_yellow);
    for (int i = 0; i < 12; i++) {
        if (!(mask & (1 << i)))
            continue;
        // Each pin stands at the outer corner of its level: queen's side on
        // the left, king's side on the right; the first three of each side
        // at the front edge, the next three at the back.
        SQ_T pin = attack_pins[i];
        P3D_T p;
        GetCoords(b, int(XPOS(pin)), int(YPOS(pin)), &p);
        float dx = i >= 6 ? 1.0f : 0.0f;
        float dy = (i / 3) % 2 ? 1.0f : 0.0f;
        glPushMatrix();
        glTranslatef(p.x + dx, p.y + dy, p.z);
        gluCylinder(quadric, 0.1, 0.0, 0.05, 10, 8);
        glPopMatrix();
    }
}
