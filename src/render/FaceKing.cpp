// Knights and bishops of a 2-D game turn to look at the enemy king.
#include "render/piece.h"

#include <cmath>

double FaceKingAngle(POS_T* b, int p, int x, int y)
{
    if (state.dmode != 2)
        return p > 0 ? 0.0 : 180.0;
    const PS_T& king = b->pieces[p > 0 ? B_KING_SLOT : W_KING_SLOT];
    // A board being edited may lack the king: look straight ahead then.
    if (king.p == 0 || king.pos > 63)
        return p > 0 ? 0.0 : 180.0;
    double dx = int(XPOS(king.pos)) - x;
    double dy = int(YPOS(king.pos)) - y;
    // The 0.01 keeps a king on the same rank from dividing by zero.
    double theta = atan(dx / (dy + 0.01)) * 360.0 / (2.0 * M_PI);
    if (dy < 0)
        theta += 180.0;
    return theta;
}

void PIECE_C::FaceKing(int p, int x, int y)
{
    glRotatef(GLfloat(-FaceKingAngle(&state.position, p, x, y)), 0.0f, 0.0f, 1.0f);
}
