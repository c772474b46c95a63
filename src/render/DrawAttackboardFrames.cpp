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
        DrawFrameBars(c.x, c.y, c.z + 0.006f, 2, BOARD_FRAME_WIDTH);
        if (select)
            glPopName();
    }
}

void DrawFrameBars(float x, float y, float z, float size, float width)
{
    const float s = size, w = width;
    const float bars[4][4] = {{0, 0, s, w}, {0, s - w, s, s}, {0, w, w, s - w}, {s - w, w, s, s - w}};
    glBegin(GL_QUADS);
    for (const auto& r : bars) {
        glVertex3f(x + r[0], y + r[1], z);
        glVertex3f(x + r[2], y + r[1], z);
        glVertex3f(x + r[2], y + r[3], z);
        glVertex3f(x + r[0], y + r[3], z);
    }
    glEnd();
}
