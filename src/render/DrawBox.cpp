// A solid axis-aligned box, the plinths of the classic king and rook.
#include "render/piece.h"

void PIECE_C::DrawBox(GLfloat x0, GLfloat x1, GLfloat y0, GLfloat y1, GLfloat z0, GLfloat z1)
{
    static const GLfloat n[6][3] = {{-1, 0, 0}, {0, 1, 0}, {1, 0, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    static const int faces[6][4] = {{0, 1, 2, 3}, {3, 2, 6, 7}, {7, 6, 5, 4},
                                    {4, 5, 1, 0}, {5, 6, 2, 1}, {7, 4, 0, 3}};
    GLfloat v[8][3];
    for (int c = 0; c < 8; c++) {
        v[c][0] = c < 4 ? x0 : x1;
        v[c][1] = (c & 3) < 2 ? y0 : y1;
        v[c][2] = (c & 3) == 0 || (c & 3) == 3 ? z0 : z1;
    }
    for (int i = 0; i < 6; i++) {
        glBegin(GL_QUADS);
        glNormal3fv(n[i]);
        for (int k = 0; k < 4; k++)
            glVertex3fv(v[faces[i][k]]);
        glEnd();
    }
}
