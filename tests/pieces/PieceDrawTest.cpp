// The piece models drawn for real, in a GLUT window on the test's X server:
// meshes drawn from their compiled lists give the very pixels of the facets
// drawn one by one; the classic models have the heights of their recipes; a
// kind without a mesh stays classic; the pieces of a position and the
// captured ones land on their cells. Lighting is off unless a test says
// otherwise, so that colours can be compared exactly.
#include "makemove/makemove.h"
#include "render/piece.h"
#include "render/render.h"
#include "shell/shell.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

const int SIZE = 400;  // the window, square

struct Rgb {
    int r, g, b;
};

std::vector<unsigned char> ReadFrame()
{
    glFinish();
    std::vector<unsigned char> px(SIZE * SIZE * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, SIZE, SIZE, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    return px;
}

Rgb PixelAt(const std::vector<unsigned char>& px, int x, int y)
{
    const unsigned char* p = &px[(y * SIZE + x) * 3];
    return {p[0], p[1], p[2]};
}

bool Near(Rgb c, const GLfloat* want)
{
    auto close = [](int got, GLfloat w) { return std::abs(got - int(w * 255.0f + 0.5f)) <= 1; };
    return close(c.r, want[0]) && close(c.g, want[1]) && close(c.b, want[2]);
}

int Lit(const std::vector<unsigned char>& px)
{
    int n = 0;
    for (size_t i = 0; i < px.size(); i += 3)
        n += px[i] || px[i + 1] || px[i + 2];
    return n;
}

// Highest lit row, counted from the bottom of the window; -1 when none.
int TopRow(const std::vector<unsigned char>& px)
{
    for (int y = SIZE - 1; y >= 0; y--)
        for (int x = 0; x < SIZE; x++) {
            Rgb c = PixelAt(px, x, y);
            if (c.r || c.g || c.b)
                return y;
        }
    return -1;
}

// World x from -w/2 to w/2 and y from y0 to y0 + w fill the window.
void Projection(double w, double y0)
{
    glViewport(0, 0, SIZE, SIZE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-w / 2, w / 2, y0, y0 + w, -20, 20);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Looking along +y at a model, z up the window: 100 pixels per unit, the
// window's bottom row at z = -0.5.
void SideView()
{
    Projection(4.0, -0.5);
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
}

void Clear()
{
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

const char* const KINDS[] = {"KING", "QUEEN", "ROOK", "BISHOP", "KNIGHT", "PAWN"};

PIECE_C* Model(int kind)
{
    PIECE_C* models[] = {&pKing, &pQueen, &pRook, &pBishop, &pKnight, &pPawn};
    return models[kind];
}

class PieceDrawTest : public testing::Test {
protected:
    void SetUp() override
    {
        glDisable(GL_LIGHTING);
        glEnable(GL_DEPTH_TEST);
        glShadeModel(GL_FLAT);
        state.dmode = 2;
        memset(&state.position, 0, sizeof state.position);
        CaptureReset();
        CapturedOnOff = 1;
        menu_mesh_pieces = SET_MESH;
        testing::internal::CaptureStdout();
        for (int k = 0; k < 6; k++)
            Model(k)->MeshRead("no such mesh");
        testing::internal::GetCapturedStdout();
    }

    void ReadCommittedMesh(int kind)
    {
        static std::string path[6];
        path[kind] = std::string(VORNAK_SOURCE_DIR) + "/pieces/" + KINDS[kind] + ".STL";
        testing::internal::CaptureStdout();
        Model(kind)->MeshRead(path[kind].c_str());
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(Model(kind)->mesh_ready) << path[kind];
    }
};

TEST_F(PieceDrawTest, CompiledMeshesDrawExactlyTheFacets)
{
    for (bool lighting : {false, true}) {
        for (int k = 0; k < 6; k++) {
            SCOPED_TRACE(std::string(KINDS[k]) + (lighting ? " lit" : " unlit"));
            ReadCommittedMesh(k);
            if (lighting) {
                glEnable(GL_LIGHTING);
                glEnable(GL_LIGHT0);
                glEnable(GL_COLOR_MATERIAL);
                glShadeModel(GL_SMOOTH);
            }
            SideView();
            glRotatef(30.0f, 0.0f, 0.0f, 1.0f);
            Clear();
            glColor3f(0.9f, 0.9f, 0.7f);
            Model(k)->DrawMeshImmediate();
            std::vector<unsigned char> facets = ReadFrame();
            // The first call compiles the list and, the mesh being closed,
            // culls its back faces: the picture is the same but where a back
            // face ties with a front one on a silhouette edge.
            Clear();
            Model(k)->DrawMesh(true);
            EXPECT_TRUE(Model(k)->mesh_compiled);
            EXPECT_TRUE(Model(k)->mesh_closed);
            std::vector<unsigned char> culled = ReadFrame();
            int differ = 0;
            for (size_t i = 0; i < culled.size(); i += 3)
                differ += culled[i] != facets[i] || culled[i + 1] != facets[i + 1] || culled[i + 2] != facets[i + 2];
            if (lighting)
                EXPECT_LE(differ, Lit(facets) / 500);
            else
                EXPECT_EQ(differ, 0);
            // Both sides drawn, the list gives the facets' very pixels.
            Model(k)->mesh_closed = false;
            Clear();
            Model(k)->DrawMesh(true);
            EXPECT_TRUE(ReadFrame() == facets);
            EXPECT_GT(Lit(facets), 2000);
            glDisable(GL_LIGHTING);
            glShadeModel(GL_FLAT);
        }
    }
}

TEST_F(PieceDrawTest, ReadingAgainReplacesTheCompiledMesh)
{
    ReadCommittedMesh(5);  // the pawn
    SideView();
    Clear();
    pPawn.DrawMesh(true);
    int pawn_top = TopRow(ReadFrame());
    // The same kind given the king's mesh must now draw the king.
    static std::string king = std::string(VORNAK_SOURCE_DIR) + "/pieces/KING.STL";
    testing::internal::CaptureStdout();
    pPawn.MeshRead(king.c_str());
    testing::internal::GetCapturedStdout();
    Clear();
    pPawn.DrawMesh(true);
    EXPECT_GT(TopRow(ReadFrame()), pawn_top + 40);
}

TEST_F(PieceDrawTest, MeshColoursAreTheirOwnNotTheCallers)
{
    ReadCommittedMesh(5);
    const GLfloat white[3] = {0.9f, 0.9f, 0.7f}, black[3] = {0.5f, 0.5f, 0.7f};
    for (int p : {W_PAWN, B_PAWN}) {
        SideView();
        Clear();
        glColor4fv(color_red);
        pPawn.drawpiece(p, gluNewQuadric(), true);
        std::vector<unsigned char> px = ReadFrame();
        Rgb c = PixelAt(px, SIZE / 2, 50 + 30);  // the pawn's body, z = 0.3
        EXPECT_TRUE(Near(c, p > 0 ? white : black)) << c.r << "," << c.g << "," << c.b;
    }
}

// Only the pawn has a mesh: with meshes chosen the pawn is drawn from it,
// every other kind in the classic style, in the caller's colour.
TEST_F(PieceDrawTest, KindsWithoutAMeshStayClassic)
{
    ReadCommittedMesh(5);
    GLUquadricObj* q = gluNewQuadric();
    const GLfloat mesh_white[3] = {0.9f, 0.9f, 0.7f};
    for (int p = W_PAWN; p <= W_KING; p++) {
        for (bool do_mesh : {true, false}) {
            SCOPED_TRACE("piece " + std::to_string(p) + (do_mesh ? " meshes" : " classic"));
            SideView();
            Clear();
            glColor4fv(color_red);
            glPushMatrix();
            DrawPiece(p, q, 0, 0, do_mesh);
            glPopMatrix();
            std::vector<unsigned char> px = ReadFrame();
            Rgb c = PixelAt(px, SIZE / 2, 50 + 30);
            if (p == W_PAWN && do_mesh)
                EXPECT_TRUE(Near(c, mesh_white));
            else
                EXPECT_TRUE(Near(c, color_red)) << c.r << "," << c.g << "," << c.b;
        }
    }
    gluDeleteQuadric(q);
}

// The heights the classic recipes add up to (the top of the last ball),
// seen from the side at 100 pixels per unit.
TEST_F(PieceDrawTest, ClassicModelsHaveTheirHeights)
{
    struct {
        int p;
        double top;
    } heights[] = {{W_PAWN, 0.6 + 0.14},
                   {W_BISHOP, 0.85 + 0.125 + 0.1},
                   {W_ROOK, 0.1 + 0.5 + 0.1 + 0.05 + 0.05},
                   {W_QUEEN, 0.06 + 0.9 + 0.15 + 0.08 + 0.07 + 0.07},
                   {W_KING, 0.1 + 0.8 + 0.25 + 0.15 + 0.1 + 0.1},
                   // The tip of an ear: the neck leans 10 degrees, the ear 10
                   // more and 25 sideways; the tip is 0.13 + 0.15 up the ear
                   // and 0.05 off its axis.
                   {W_KNIGHT, 0.24 + 0.65 * cos(10 * M_PI / 180) +
                                  0.28 * cos(25 * M_PI / 180) * cos(20 * M_PI / 180) -
                                  0.05 * sin(20 * M_PI / 180)}};
    GLUquadricObj* q = gluNewQuadric();
    for (const auto& h : heights) {
        SCOPED_TRACE("piece " + std::to_string(h.p));
        SideView();
        Clear();
        glColor4fv(color_white);
        DrawPiece(h.p, q, 0, 0, false);
        int top = TopRow(ReadFrame());
        EXPECT_NEAR(top, 50 + h.top * 100, 2.5);
    }
    gluDeleteQuadric(q);
}

// From above, every occupied cell of the 2-D start position shows its
// piece's colour at its centre, every empty one the background.
TEST_F(PieceDrawTest, PiecesStandOnTheirCells)
{
    SetupStartPosition(&state.position, 2);
    for (SET_E set : {SET_CLASSIC, SET_MESH}) {
        SCOPED_TRACE(set == SET_CLASSIC ? "classic" : "meshes");
        menu_mesh_pieces = set;
        for (int k = 0; k < 6; k++)
            ReadCommittedMesh(k);
        Projection(8.0, -4.0);  // the board fills the window, 50 pixels a cell
        Clear();
        DrawPieces();
        std::vector<unsigned char> px = ReadFrame();
        const GLfloat mesh_black[3] = {0.5f, 0.5f, 0.7f};
        for (int i = 0; i < 8; i++)
            for (int j = 0; j < 8; j++) {
                int p = state.position.board[i * 8 + j];
                Rgb c = PixelAt(px, i * 50 + 25, j * 50 + 25);
                SCOPED_TRACE("cell " + std::to_string(i) + "," + std::to_string(j));
                if (p == 0)
                    EXPECT_TRUE(c.r == 0 && c.g == 0 && c.b == 0);
                else if (p > 0)
                    EXPECT_TRUE(Near(c, piece_color_white));
                else
                    EXPECT_TRUE(Near(c, set == SET_CLASSIC ? piece_color_black : mesh_black));
            }
    }
}

// A lit piece's colour: lighting scales the three channels alike, so
// White's stay yellower than grey and Black's bluer.
bool LitPieceOf(Rgb c, bool white)
{
    if (std::abs(c.r - c.g) > 3)
        return false;
    return white ? c.b < c.r * 9 / 10 && c.r > 40 : c.b > c.r * 115 / 100;
}

// A pixel a little above the foot of the row-th captured piece of a side.
std::pair<int, int> CapturedAt(bool white, int row)
{
    float x, y, unit;
    CapturedSlot(white, row, &x, &y, &unit);
    return {int(x), int(y + 0.25f * unit)};
}

TEST_F(PieceDrawTest, CapturedPiecesLineUpBesideTheBoard)
{
    const char list[] = {4, W_QUEEN, B_PAWN, W_PAWN, B_ROOK};
    memcpy(cap_t.captured_list, list, sizeof list);
    menu_mesh_pieces = SET_CLASSIC;
    // Window pixels, as the display sets them up.
    window_width = window_height = SIZE;
    glViewport(0, 0, SIZE, SIZE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, SIZE, 0, SIZE, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Clear();
    DrawCaptured();
    std::vector<unsigned char> px = ReadFrame();
    for (bool white : {true, false})
        for (int row : {0, 1}) {
            auto xy = CapturedAt(white, row);
            Rgb c = PixelAt(px, xy.first, xy.second);
            EXPECT_TRUE(LitPieceOf(c, white)) << white << "," << row << ": " << c.r << "," << c.g << "," << c.b;
        }
    auto third = CapturedAt(true, 2);
    Rgb c = PixelAt(px, third.first, third.second);
    EXPECT_TRUE(c.r == 0 && c.g == 0 && c.b == 0);
    // Fifteen a side fit inside the window, below the status text.
    float x, y, unit;
    CapturedSlot(true, 14, &x, &y, &unit);
    EXPECT_GT(x - 0.5f * unit, 0.0f);
    EXPECT_GT(y, 0.0f);
    CapturedSlot(false, 0, &x, &y, &unit);
    EXPECT_LT(x + 0.5f * unit, float(SIZE));
    EXPECT_LT(y + 1.5f * unit, float(SIZE - STATUS_TEXT_BAND));

    // Switched off: nothing.
    CapturedOnOff = 0;
    Clear();
    DrawCaptured();
    EXPECT_EQ(Lit(ReadFrame()), 0);

    // A count beyond the list (a damaged restored game) draws at most the
    // list's 39 entries and reads nothing past it: the counters that follow
    // the list, read as piece codes, would be black kings.
    CapturedOnOff = 1;
    memset(cap_t.captured_list, W_PAWN, sizeof cap_t.captured_list);
    cap_t.captured_list[0] = char(200);
    memset(&cap_t.wht_cnt, B_KING, sizeof cap_t.wht_cnt + sizeof cap_t.blk_cnt);
    Clear();
    DrawCaptured();
    px = ReadFrame();
    auto white_first = CapturedAt(true, 0), black_first = CapturedAt(false, 0);
    EXPECT_TRUE(LitPieceOf(PixelAt(px, white_first.first, white_first.second), true));
    c = PixelAt(px, black_first.first, black_first.second);
    EXPECT_TRUE(c.r == 0 && c.g == 0 && c.b == 0) << "a piece drawn from past the list";
    CaptureReset();
}

bool window_shown = false;
void Display() { window_shown = true; }

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(SIZE, SIZE);
    glutCreateWindow("piece drawing test");
    glutDisplayFunc(Display);
    for (int i = 0; i < 200 && !window_shown; i++)
        glutMainLoopEvent();
    return RUN_ALL_TESTS();
}
