// Coordinates beside the board: each level's file letters in front of its
// near row and rank numbers left of its left column, as the chosen notation
// names them; in the tri-dimensional game also the main levels' names and
// the twelve pins' names beside their posts.
#include "render/render.h"

#include "record/record.h"

#include <GL/freeglut.h>

#include <string>

namespace {

// The level a drawn square belongs to: squares of one level share it, so a
// square whose neighbour has another is on its level's edge.
int LevelOf(SQ_T s)
{
    if (state.dmode != 3)
        return 0;
    int ab = AttackBoardOfSquare(s);
    if (ab >= 0)
        return 10 + ab;
    if (XPOS(s) < 4)
        return 4;
    return YPOS(s) < 4 ? 2 : 6;
}

bool SameLevel(SQ_T s, int dx, int dy)
{
    int x = int(XPOS(s)) + dx, y = int(YPOS(s)) + dy;
    if (x < 0 || x > 7 || y < 0 || y > 7)
        return false;
    return LevelOf(SQ_T(x * 8 + y)) == LevelOf(s);
}

// Text centred on a world point.
void Label(float x, float y, float z, const char* text)
{
    glRasterPos3f(x, y, z);
    GLboolean valid = GL_FALSE;
    glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    if (!valid)
        return;
    int width = glutBitmapLength(GLUT_BITMAP_HELVETICA_12, reinterpret_cast<const unsigned char*>(text));
    glBitmap(0, 0, 0, 0, -width / 2.0f, -4.0f, nullptr);
    for (const char* c = text; *c; c++)
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, *c);
}

}  // namespace

const GLfloat color_coordinates[4] = {1.0f, 0.8f, 0.4f, 0.0f};

void DrawCoordinates()
{
    POS_T* b = &state.position;
    bool tri = state.dmode == 3;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    // Depth-tested: a piece in front hides a label as it hides a square.
    glColor3fv(color_coordinates);  // before the raster position, which takes it
    for (SQ_T s = 0; s < 64; s++) {
        const char* name = PosStr(b, s);
        if (!name || !name[0])
            continue;
        P3D_T c;
        GetCoords(b, int(XPOS(s)), int(YPOS(s)), &c);
        bool front = !SameLevel(s, 0, -1), left = !SameLevel(s, -1, 0);
        if (front) {
            const char file[2] = {name[0], '\0'};
            Label(c.x + 0.5f, c.y - 0.3f, c.z, file);
        }
        if (left)
            Label(c.x - 0.3f, c.y + 0.5f, c.z, name + 1);
        // A main level's name left of its rank numbers, half way up.
        if (tri && front && left && AttackBoardOfSquare(s) < 0) {
            int level = LevelOf(s);
            Label(c.x - 1.0f, c.y + 2.0f, c.z, level == 2 ? "W" : level == 4 ? "N" : "B");
        }
    }
    if (tri)
        for (int i = 0; i < 12; i++) {
            P3D_T at;
            int pin = int(attack_pins[i]);
            const char* name = PinName(pin);
            if (!name || !PinMarkerPlace(b, pin, &at))
                continue;
            // Outside the board that may hang there.
            Label(at.x + (i < 6 ? -1.7f : 1.7f), at.y, at.z, name);
        }
    glPopAttrib();
}
