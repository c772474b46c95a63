// The bishop: a tapering body, a tilted ring for the mitre and a ball.
#include "render/piece.h"

#include <GL/freeglut.h>

void BISHOP_T::drawpiece(int p, GLUquadricObj* q, int i, int j, bool do_mesh)
{
    FaceKing(p, i, j);
    if (do_mesh && mesh_ready) {
        DrawMesh(p > 0);
        return;
    }
    gluCylinder(q, 0.22, 0.12, 0.9, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.85f);
    glPushMatrix();
    glRotatef(-45.0f, 1.0f, 0.0f, 0.0f);
    glutSolidTorus(0.05, 0.12, 10, 8);
    glPopMatrix();
    glTranslatef(0.0f, 0.0f, 0.125f);
    glutSolidSphere(0.1, 10, 8);
}
