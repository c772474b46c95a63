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

void DrawCaptured()
{
    if (!CapturedOnOff)
        return;
    GLUquadricObj* q = PieceQuadric();
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
        if (p > 0) {
            glTranslatef(-4.5f, 4.0f - 0.6f * GLfloat(w++), 0.01f);
            glColor4fv(piece_color_white);
        } else {
            glTranslatef(4.5f, 4.0f - 0.6f * GLfloat(bl++), 0.01f);
            glColor4fv(piece_color_black);
        }
        DrawPiece(p, q, 0, 0, do_mesh);
        glPopMatrix();
    }
}
