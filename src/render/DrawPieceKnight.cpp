// The knight: a ringed foot, a leaning neck, a head with two ears and a
// muzzle that points along +y before FaceKing turns it.
#include "render/piece.h"

#include <GL/freeglut.h>

void KNIGHT_T::drawpiece(int p, GLUquadricObj* q, int i, int j, bool do_mesh)
{
    FaceKing(p, i, j);
    if (do_mesh && mesh_ready) {
        DrawMesh(p > 0);
        return;
    }
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    glTranslatef(0.0f, 0.0f, 0.09f);
    glutSolidTorus(0.1, 0.2, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.1f);
    glutSolidTorus(0.1, 0.2, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.05f);
    glRotatef(10.0f, 0.0f, 1.0f, 0.0f);
    gluCylinder(q, 0.2, 0.15, 0.7, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.65f);
    glutSolidSphere(0.16, 10, 8);
    for (GLfloat ear : {25.0f, -25.0f}) {
        glPushMatrix();
        glRotatef(10.0f, 0.0f, 1.0f, 0.0f);
        glRotatef(ear, 1.0f, 0.0f, 0.0f);
        glTranslatef(0.05f, 0.0f, 0.13f);
        gluCylinder(q, 0.08, 0.0, 0.15, 5, 4);
        glPopMatrix();
    }
    glRotatef(-110.0f, 0.0f, 1.0f, 0.0f);
    gluCylinder(q, 0.17, 0.1, 0.3, 10, 8);
    glTranslatef(0.0f, 0.0f, 0.3f);
    glutSolidSphere(0.1, 10, 8);
}
