// The rook: a plinth, a squat tower, a platform and four battlements.
#include "render/piece.h"

#include <GL/freeglut.h>

void ROOK_T::drawpiece(int p, GLUquadricObj* q, bool do_mesh)
{
    if (do_mesh && mesh_ready) {
        DrawMesh(p > 0);
        return;
    }
    DrawBox(-0.25f, 0.25f, -0.25f, 0.25f, 0.0f, 0.1f);
    glTranslatef(0.0f, 0.0f, 0.1f);
    gluCylinder(q, 0.22, 0.16, 0.5, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.5f);
    DrawBox(-0.2f, 0.2f, -0.2f, 0.2f, 0.0f, 0.1f);
    glTranslatef(0.0f, 0.0f, 0.1f);
    glTranslatef(-0.15f, -0.15f, 0.05f);
    glutSolidCube(0.1);
    glTranslatef(0.3f, 0.0f, 0.0f);
    glutSolidCube(0.1);
    glTranslatef(0.0f, 0.3f, 0.0f);
    glutSolidCube(0.1);
    glTranslatef(-0.3f, 0.0f, 0.0f);
    glutSolidCube(0.1);
}
