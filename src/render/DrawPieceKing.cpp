// The king: a plinth, a tapering body, a crown of three rings and a ball.
#include "render/piece.h"

#include <GL/freeglut.h>

void KING_T::drawpiece(int p, GLUquadricObj* q, bool do_mesh)
{
    if (do_mesh && mesh_ready) {
        DrawMesh(p > 0);
        return;
    }
    DrawBox(-0.27f, 0.27f, -0.27f, 0.27f, 0.0f, 0.1f);
    glTranslatef(0.0f, 0.0f, 0.1f);
    gluCylinder(q, 0.25, 0.15, 0.8, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.8f);
    glutSolidTorus(0.07, 0.14, 10, 8);
    gluCylinder(q, 0.2, 0.0, 0.6, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.25f);
    glutSolidTorus(0.05, 0.14, 10, 10);
    glTranslatef(0.0f, 0.0f, 0.15f);
    glutSolidTorus(0.065, 0.16, 10, 10);
    glTranslatef(0.0f, 0.0f, 0.1f);
    glutSolidSphere(0.1, 5, 4);
}
