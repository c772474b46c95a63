// A rim round each attack board, inside its edge, in its owner's colour: a
// player clicks it to select the board, as the post. In selection mode the
// rim carries the names of the post.
#include "render/render.h"

void DrawAttackboardFrames(bool select)
{
    POS_T* b = &state.position;
    for (AB_E code : ab_codes) {
        int s = int(code) - 100;
        P3D_T c;
        GetCoords(b, s / 8, s % 8, &c);
        const GLfloat* color = WhiteOwns(b, int(code)) ? piece_color_white : piece_color_black;
        if (state.selected == SQ_T(code))
            color = square_color_selected;
        glColor3fv(color);
        if (select) {
            glLoadName(GLuint(s / 8));
            glPushName(GLuint(code));
        }
        const float w = BOARD_FRAME_WIDTH, z = c.z + 0.006f;
        const float bars[4][4] = {{0, 0, 2, w}, {0, 2 - w, 2, 2}, {0, w, w, 2 - w}, {2 - w, w, 2, 2 - w}};
        glBegin(GL_QUADS);
        for (const auto& r : bars) {
            glVertex3f(c.x + r[0], c.y + r[1], z);
            glVertex3f(c.x + r[2], c.y + r[1], z);
            glVertex3f(c.x + r[2], c.y + r[3], z);
            glVertex3f(c.x + r[0], c.y + r[3], z);
        }
        glEnd();
        if (select)
            glPopName();
    }
}
