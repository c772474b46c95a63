// Coordinates beside the board: each level's file letters in front of its
// near row and rank numbers left of its left column (an attack board on the
// king's side: right of its right column), as the chosen notation names
// them; in the tri-dimensional game also the main levels' names and the
// twelve pins' names, out beside the levels. Placed without GL, drawn here.
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
void Label(const COORD_LABEL_T& label)
{
    void* font = label.large ? GLUT_BITMAP_HELVETICA_18 : GLUT_BITMAP_HELVETICA_12;
    glRasterPos3f(label.at.x, label.at.y, label.at.z);
    GLboolean valid = GL_FALSE;
    glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    if (!valid)
        return;
    int width = glutBitmapLength(font, reinterpret_cast<const unsigned char*>(label.text.c_str()));
    int height = label.large ? 12 : 8;
    glBitmap(0, 0, 0, 0, -width / 2.0f, -height / 2.0f, nullptr);
    for (char c : label.text)
        glutBitmapCharacter(font, c);
}

// How far outside a level's side the pins' names stand: beyond the attack
// boards that overhang it by a cell and beyond those boards' rank numbers;
// the levels' names a column further out, so that seen from above, where
// the levels lie one over another, no name covers another.
const float PIN_NAMES_OUT = 2.4f, LEVEL_NAMES_OUT = 3.3f;

}  // namespace

const GLfloat color_coordinates[4] = {1.0f, 0.8f, 0.4f, 0.0f};

std::vector<COORD_LABEL_T> CoordinateLabels(POS_T* b)
{
    std::vector<COORD_LABEL_T> labels;
    bool tri = state.dmode == 3;
    for (SQ_T s = 0; s < 64; s++) {
        const char* name = PosStr(b, s);
        if (!name || !name[0])
            continue;
        P3D_T c;
        GetCoords(b, int(XPOS(s)), int(YPOS(s)), &c);
        bool front = !SameLevel(s, 0, -1), left = !SameLevel(s, -1, 0), right = !SameLevel(s, 1, 0);
        if (front)
            labels.push_back({std::string(1, name[0]), {c.x + 0.5f, c.y - 0.3f, c.z}, false});
        // An attack board on the king's side has its rank numbers on its
        // outer side: on its inner side they would stand over the level
        // beside it, among that level's pieces.
        bool kings_side = tri && AttackBoardOfSquare(s) >= 0 && c.x > 0;
        if (kings_side ? right : left)
            labels.push_back({name + 1, {kings_side ? c.x + 1.3f : c.x - 0.3f, c.y + 0.5f, c.z}, false});
        // A main level's name, larger, half way up its side and out beyond
        // the pins' names.
        if (tri && front && left && AttackBoardOfSquare(s) < 0) {
            int level = LevelOf(s);
            labels.push_back({level == 2 ? "W" : level == 4 ? "N" : "B",
                              {c.x - LEVEL_NAMES_OUT, c.y + 2.0f, c.z}, true});
        }
    }
    if (tri)
        for (int i = 0; i < 12; i++) {
            P3D_T at;
            int pin = int(attack_pins[i]);
            const char* name = PinName(pin);
            if (!name || !PinMarkerPlace(b, pin, &at))
                continue;
            // Outside the board that may hang there and its rank numbers; a
            // front pin's name a little forward, a back pin's a little back:
            // seen from above, the white level's back pins lie under the
            // black level's front pins.
            bool back = (i / 3) % 2;
            labels.push_back(
                {name, {at.x + (i < 6 ? -PIN_NAMES_OUT : PIN_NAMES_OUT), at.y + (back ? 0.3f : -0.3f), at.z}, false});
        }
    return labels;
}

void DrawCoordinates()
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    // Depth-tested: a piece in front hides a label as it hides a square.
    glColor3fv(color_coordinates);  // before the raster position, which takes it
    for (const COORD_LABEL_T& label : CoordinateLabels(&state.position))
        Label(label);
    glPopAttrib();
}
