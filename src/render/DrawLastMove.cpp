// The last move of the position on the board, marked so that a player sees
// what the other side just did: a frame round its from and to squares, and
// for an attack board's move a ring round its old and its new pin; a hint
// the same way in a colour of its own.
#include "render/render.h"

#include "record/record.h"
#include "shell/shell.h"

#include <GL/glu.h>

bool LastMoveShown(MOVE_T* m)
{
    // During a review the board shows the first `replay` plies.
    int shown = replay != -1 ? replay : state.position.move_num;
    if (shown <= GameStartPly() || shown > MAX_GAME_PLIES)
        return false;
    *m = state.game_record[shown - 1];
    return m->piece_moving != 0;
}

// A frame just inside the square's edge, over the square: the middle keeps
// the square's own colour (or a mark's).
static void FrameSquare(POS_T* b, SQ_T s)
{
    P3D_T c;
    GetCoords(b, int(XPOS(s)), int(YPOS(s)), &c);
    DrawFrameBars(c.x, c.y, c.z + 0.004f, 1, 0.07f);
}

static void MarkMove(POS_T* b, const MOVE_T& m, const GLfloat* color)
{
    static GLUquadricObj* quadric = gluNewQuadric();
    glColor3fv(color);
    if (AbIndex(m.piece_moving) >= 0) {
        for (int pin : {int(m.from), int(m.to)}) {
            P3D_T at;
            if (!PinMarkerPlace(b, pin, &at))
                continue;
            glPushMatrix();
            glTranslatef(at.x, at.y, at.z + 0.01f);
            gluDisk(quadric, 0.18, 0.3, 16, 1);
            glPopMatrix();
        }
    } else {
        for (SQ_T s : {m.from, m.to})
            if (s < 64)
                FrameSquare(b, s);
    }
}

void DrawLastMove()
{
    POS_T* b = &state.position;
    MOVE_T m;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_POLYGON_STIPPLE);
    if (LastMoveShown(&m))
        MarkMove(b, m, color_last_move);
    // The hint over it: it may start where the last move ended.
    if (HintShown(&m))
        MarkMove(b, m, color_hint);
    glPopAttrib();
}
