// The pieces of the game on their cells, and the captured ones beside the
// board.
#include "makemove/makemove.h"
#include "render/piece.h"
#include "render/render.h"
#include "shell/shell.h"

// One quadric serves every frame; a new one per frame would never be freed.
static GLUquadricObj* PieceQuadric()
{
    static GLUquadricObj* q = gluNewQuadric();
    return q;
}

void DrawPieces()
{
    GLUquadricObj* q = PieceQuadric();
    POS_T* b = &state.position;
    bool do_mesh = menu_mesh_pieces != SET_CLASSIC;
    for (int i = 0; i < 8; i++) {
        for (int j = 0; j < 8; j++) {
            int p = b->board[i * 8 + j];
            if (p == 0)
                continue;
            glPushMatrix();
            P3D_T corner;
            GetCoords(b, i, j, &corner);
            glTranslatef(corner.x + 0.5f, corner.y + 0.5f, corner.z + 0.01f);
            glColor4fv(p > 0 ? piece_color_white : piece_color_black);
            DrawPiece(p, q, i, j, do_mesh);
            glPopMatrix();
        }
    }
}

void CapturedSlot(bool white, int row, float* x, float* y, float* unit)
{
    const float top = float(STATUS_TEXT_BAND) + 10.0f;
    float step = (float(window_height) - top - 10.0f) / 15.0f;
    if (step > 50.0f)
        step = 50.0f;
    if (step < 4.0f)
        step = 4.0f;
    *unit = step / 1.6f;  // the king, the tallest, is some 1.5 units high
    *x = white ? *unit + 4.0f : float(window_width) - *unit - 4.0f;
    *y = float(window_height) - top - step * float(row + 1);
}

// In window pixels (DisplayMain sets the projection).
void DrawCaptured()
{
    if (!CapturedOnOff)
        return;
    GLUquadricObj* q = PieceQuadric();
    glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    bool do_mesh = menu_mesh_pieces != SET_CLASSIC;
    // The count comes with a restored game: never walk past the list.
    int n = (unsigned char)cap_t.captured_list[0];
    if (n > int(sizeof cap_t.captured_list) - 1)
        n = int(sizeof cap_t.captured_list) - 1;
    int w = 0, bl = 0;
    for (int k = 1; k <= n; k++) {
        int p = cap_t.captured_list[k];
        if (p == 0 || p < B_KING || p > W_KING)
            continue;
        glPushMatrix();
        float x, y, unit;
        CapturedSlot(p > 0, p > 0 ? w++ : bl++, &x, &y, &unit);
        glTranslatef(x, y, 0.0f);
        glScalef(unit, unit, unit);
        // Upright and a little from above, facing the viewer.
        glRotatef(-70.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
        glColor4fv(p > 0 ? piece_color_white : piece_color_black);
        DrawPiece(p, q, 0, 0, do_mesh);
        glPopMatrix();
    }
    glPopAttrib();
}
