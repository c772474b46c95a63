// The squares and the attack boards' posts, for the picture and for picking.
// In selection mode a square carries the names file and rank, a post or a
// board's rim the names file and its board code.
#include "render/render.h"

#include <GL/glu.h>

// One-pixel checkerboard: the squares of one level let the levels below
// show through.
const GLubyte halftone[128] = {
#define HALFTONE_ROWS 0xAA, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55
    HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS,
    HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS,
    HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS, HALFTONE_ROWS
#undef HALFTONE_ROWS
};

static const GLfloat* SquareColor(SQ_T s, int x, int y)
{
    if (state.selected == s)
        return square_color_selected;
    switch (state.spreadmap[s]) {
    case 0: return color_green;
    case 1: return color_cyan;
    case -1: return color_magenta;
    default: return (x + y) % 2 == 0 ? square_color_black : square_color_white;
    }
}

void DrawBoard(GLenum mode)
{
    static GLUquadricObj* quadric = gluNewQuadric();
    bool select = mode == GL_SELECT;
    bool tri = state.dmode == 3;
    POS_T* b = &state.position;

    // 1.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DITHER);
    glPolygonStipple(halftone);

    // 2. Picking takes the first record drawn: the pin markers, then the
    // boards' rims, win over the squares under them.
    if (select && tri) {
        DrawAttackboardPins(state.selected, true);
        DrawAttackboardFrames(true);
    }

    // 3.
    for (int x = 0; x < 8; x++) {
        if (select)
            glLoadName(GLuint(x));
        for (int y = 0; y < 8; y++) {
            SQ_T s = SQ_T(x * 8 + y);
            int code = int(s) + 100;
            bool post = tri && AbIndex(code) >= 0;
            if (select)
                glPushName(GLuint(y));
            glColor3fv(SquareColor(s, x, y));
            glPushMatrix();
            P3D_T corner;
            GetCoords(b, x, y, &corner);
            glTranslatef(corner.x, corner.y, corner.z);
            if (state.stipple)
                glEnable(GL_POLYGON_STIPPLE);
            glRectf(0.0f, 0.0f, 1.0f, 1.0f);
            glDisable(GL_POLYGON_STIPPLE);
            if (select)
                glPopName();

            if (post) {
                // The post hangs from the middle of the 2 x 2 board.
                const GLfloat* color = WhiteOwns(b, code) ? piece_color_white : piece_color_black;
                if (state.selected == SQ_T(code))
                    color = square_color_selected;
                glColor3fv(color);
                glTranslatef(1.0f, 1.0f, -1.0f);
                if (select)
                    glPushName(GLuint(code));
                gluCylinder(quadric, 0.1, 0.1, 1.0, 10, 8);
                if (select)
                    glPopName();
            }
            glPopMatrix();
        }
    }

    // 4. The rims, the markers and what the last move did, in the picture.
    if (!select) {
        if (tri) {
            DrawAttackboardFrames(false);
            DrawAttackboardPins(state.selected, false);
        }
        DrawLastMove();
    }
    glPopAttrib();
}
