// The pawn: a tapering body and a ball.
#include "render/piece.h"

#include <GL/freeglut.h>

void PAWN_T::drawpiece(int p, GLUquadricObj* q, bool do_mesh)
{
    if (do_mesh && mesh_ready) {
        DrawMesh(p > 0);
        return;
    }
    gluCylinder(q, 0.22, 0.1, 0.65, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.6f);
    glutSolidSphere(0.14, 10, 8);
}
