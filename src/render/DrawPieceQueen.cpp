// The queen: a ringed foot, a tall body, a collar, a ball and a coronet.
#include "render/piece.h"

#include <GL/freeglut.h>

void QUEEN_T::drawpiece(int p, GLUquadricObj* q, bool do_mesh)
{
    if (do_mesh && mesh_ready) {
        DrawMesh(p > 0);
        return;
    }
    glTranslatef(0.0f, 0.0f, 0.06f);
    glutSolidTorus(0.06, 0.23, 10, 8);
    gluCylinder(q, 0.25, 0.15, 1.0, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.9f);
    glutSolidTorus(0.08, 0.16, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.15f);
    glutSolidSphere(0.15, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.08f);
    glutSolidTorus(0.04, 0.14, 10, 10);
    glTranslatef(0.0f, 0.0f, 0.07f);
    glutSolidSphere(0.07, 5, 4);
}
