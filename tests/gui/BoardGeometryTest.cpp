// The board's geometry, camera arithmetic, pick parsing, spread map, pin
// markers, status texts and mouse actions of the window program, checked
// without a window: nothing here may reach GLUT.
#include "render/render.h"
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include "movegen/movegen.h"
#include "record/record.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <tuple>

namespace {

P3D_T Corner(int file, int rank)
{
    P3D_T p;
    GetCoords(&state.position, file, rank, &p);
    return p;
}

void NewGame(int dmode)
{
    state.dmode = dmode;
    state.rules = RULES_TDCL;
    state.notation = NOTATION_VESKAR;
    state.spread = SPREAD_PIECE;
    editing_option = 0;
    replay = -1;
    info_string[0] = '\0';
    ASSERT_TRUE(ResetBoard(false));
    state.vornak = VORNAK_OFF;
}

// Plays moves written as the perft tool writes them.
void Play(std::initializer_list<const char*> moves)
{
    for (const char* text : moves) {
        std::vector<MOVE_T> legal;
        LegalChoices(&state.position, &legal);
        bool played = false;
        for (MOVE_T m : legal)
            if (!played && CoordinateMove(&m) == text)
                played = PlayerMoved(&state.position, &m) != 0;
        ASSERT_TRUE(played) << text;
    }
}

SQ_T Square(const char* name)
{
    for (SQ_T s = 0; s < 64; s++)
        if (strcasecmp(IndexSquareName(s), name) == 0)
            return s;
    return NO_SQUARE;
}

// ---------------------------------------------------------------- cells in the world

TEST(BoardGeometry, PlainBoardIsCentredInTheGroundPlane)
{
    state.dmode = 2;
    P3D_T a = Corner(0, 0), h = Corner(7, 7), e = Corner(4, 1);
    EXPECT_EQ(std::make_tuple(a.x, a.y, a.z), std::make_tuple(-4.0f, -4.0f, 0.0f));
    EXPECT_EQ(std::make_tuple(h.x, h.y, h.z), std::make_tuple(3.0f, 3.0f, 0.0f));
    EXPECT_EQ(std::make_tuple(e.x, e.y, e.z), std::make_tuple(0.0f, -3.0f, 0.0f));
}

TEST(BoardGeometry, MainLevelsSpanTheirRanksAtTheirHeights)
{
    NewGame(3);
    for (int file = 0; file < 8; file++)
        for (int rank = 0; rank < 8; rank++) {
            if (AttackBoardOfSquare(SQ_T(file * 8 + rank)) >= 0)
                continue;
            P3D_T p = Corner(file, rank);
            float want_z = file < 4 ? 0.0f : rank < 4 ? -2.0f : 2.0f;
            EXPECT_EQ(p.z, want_z) << file << "," << rank;
            EXPECT_GE(p.x, -2.0f);
            EXPECT_LE(p.x, 1.0f);
            // Lower level y -4..0, middle -2..2, upper 0..4.
            float y0 = want_z == -2.0f ? -4.0f : want_z == 0.0f ? -2.0f : 0.0f;
            EXPECT_GE(p.y, y0);
            EXPECT_LE(p.y, y0 + 3.0f);
        }
}

TEST(BoardGeometry, NoTwoCellsShareAPlaceAndStartingBoardsFloatAtMinusOneOrThree)
{
    NewGame(3);
    std::set<std::tuple<float, float, float>> places;
    for (int s = 0; s < 64; s++) {
        P3D_T p = Corner(s / 8, s % 8);
        EXPECT_TRUE(places.insert({p.x, p.y, p.z}).second) << IndexSquareName(SQ_T(s));
        if (AttackBoardOfSquare(SQ_T(s)) >= 0) {
            EXPECT_TRUE(p.z == -1.0f || p.z == 3.0f) << IndexSquareName(SQ_T(s));
        }
    }
}

// On every pin, exactly one cell of each board hangs one unit straight over
// the pin's own square, and its other three overhang the level's edge.
TEST(BoardGeometry, EveryBoardHangsOverItsPinOnEveryPin)
{
    NewGame(3);
    POS_T* b = &state.position;
    for (int ab = 0; ab < 4; ab++)
        for (ABWHERE_E pin : attack_pins) {
            ABWHERE_E saved = b->whereis_board[ab];
            b->whereis_board[ab] = pin;
            P3D_T under = Corner(int(XPOS(pin)), int(YPOS(pin)));
            int over = 0, outside = 0;
            for (int dx = 0; dx < 2; dx++)
                for (int dy = 0; dy < 2; dy++) {
                    SQ_T cell = WhereIsAB_C(ab) + SQ_T(dx * 8 + dy);
                    P3D_T p = Corner(int(XPOS(cell)), int(YPOS(cell)));
                    EXPECT_EQ(p.z, under.z + 1.0f) << ab << " on " << PinName(pin);
                    if (p.x == under.x && p.y == under.y)
                        over++;
                    // The level carrying the pin spans x -2..2 and four ranks.
                    float y0 = under.z == -2.0f ? -4.0f : under.z == 0.0f ? -2.0f : 0.0f;
                    if (p.x < -2.0f || p.x > 1.0f || p.y < y0 || p.y > y0 + 3.0f)
                        outside++;
                }
            EXPECT_EQ(over, 1) << ab << " on " << PinName(pin);
            EXPECT_EQ(outside, 3) << ab << " on " << PinName(pin);
            b->whereis_board[ab] = saved;
        }
}

// ---------------------------------------------------------------- camera

const int kViewport[4] = {0, 0, 800, 800};

void Project(const VIEW_T& v, float x, float y, float z, double* wx, double* wy)
{
    P3D_T p = {x, y, z};
    ASSERT_TRUE(ProjectToWindow(&v, kViewport, &p, wx, wy, nullptr));
}

TEST(Camera, OverheadOrthographicMapsTheBoxOntoTheWindow)
{
    VIEW_T v = {true, 1.0f, 0.0f, 0.0f, 0.0f};
    double x, y;
    Project(v, 0, 0, 0, &x, &y);
    EXPECT_NEAR(x, 400, 1e-6);
    EXPECT_NEAR(y, 400, 1e-6);
    Project(v, -8, 8, 5, &x, &y);
    EXPECT_NEAR(x, 0, 1e-6);
    EXPECT_NEAR(y, 800, 1e-6);
    v.scale = 2.0f;
    Project(v, 2, -1, 0, &x, &y);
    EXPECT_NEAR(x, 600, 1e-6);
    EXPECT_NEAR(y, 300, 1e-6);
}

// A point turns about x first, then y, then z: with both turns at 90 degrees
// the y axis ends on the x axis; the other order would leave it pointing at
// the eye.
TEST(Camera, RotationsApplyAboutXThenYThenZ)
{
    VIEW_T v = {true, 1.0f, 90.0f, 90.0f, 0.0f};
    double x, y;
    Project(v, 0, 1, 0, &x, &y);
    EXPECT_NEAR(x, 450, 1e-6);
    EXPECT_NEAR(y, 400, 1e-6);
    v = {true, 1.0f, 0.0f, 0.0f, 90.0f};
    Project(v, 1, 0, 0, &x, &y);
    EXPECT_NEAR(x, 400, 1e-6);
    EXPECT_NEAR(y, 450, 1e-6);
}

TEST(Camera, PerspectiveSeesSeventyDegreesFromSixteenUnits)
{
    VIEW_T v = {false, 1.0f, 0.0f, 0.0f, 0.0f};
    double x, y;
    // At the origin's distance the top edge of the window is 16 tan 35 up.
    Project(v, 0, float(16 * tan(35 * M_PI / 180)), 0, &x, &y);
    EXPECT_NEAR(y, 800, 1e-3);
    // Nearer points spread further from the middle.
    double near_x, far_x;
    Project(v, 1, 0, 4, &near_x, &y);
    Project(v, 1, 0, -4, &far_x, &y);
    EXPECT_GT(near_x, far_x);
    EXPECT_GT(far_x, 400);
    P3D_T behind = {0, 0, 20};
    EXPECT_FALSE(ProjectToWindow(&v, kViewport, &behind, &x, &y, nullptr));
}

TEST(Camera, MatricesAgreeWithGluProject)
{
    VIEW_T v = {false, 1.6f, 300.0f, 25.0f, 40.0f};
    double proj[16], model[16];
    ViewMatrices(&v, proj, model);
    for (float px : {-3.0f, 0.5f, 2.0f})
        for (float pz : {-2.0f, 1.0f, 3.0f}) {
            double gx, gy, gz, x, y, depth;
            ASSERT_EQ(gluProject(px, 1.5, pz, model, proj, kViewport, &gx, &gy, &gz), GL_TRUE);
            P3D_T p = {px, 1.5f, pz};
            ASSERT_TRUE(ProjectToWindow(&v, kViewport, &p, &x, &y, &depth));
            EXPECT_NEAR(x, gx, 1e-6);
            EXPECT_NEAR(y, gy, 1e-6);
            EXPECT_NEAR(depth, gz, 1e-9);
        }
}

// Whether a point lies inside a convex quad given corner by corner.
bool InsideQuad(const double qx[4], const double qy[4], double x, double y)
{
    int positive = 0, negative = 0;
    for (int i = 0; i < 4; i++) {
        int j = (i + 1) % 4;
        double c = (qx[j] - qx[i]) * (y - qy[i]) - (qy[j] - qy[i]) * (x - qx[i]);
        positive += c > 1e-9;
        negative += c < -1e-9;
    }
    return positive == 0 || negative == 0;
}

void ExpectCentresInsideSquares(const VIEW_T& v, const char* what)
{
    for (int s = 0; s < 64; s++) {
        P3D_T c = Corner(s / 8, s % 8);
        double qx[4], qy[4], x, y;
        const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        for (int k = 0; k < 4; k++)
            Project(v, c.x + corners[k][0], c.y + corners[k][1], c.z, &qx[k], &qy[k]);
        Project(v, c.x + 0.5f, c.y + 0.5f, c.z, &x, &y);
        EXPECT_TRUE(InsideQuad(qx, qy, x, y)) << what << ": " << IndexSquareName(SQ_T(s));
        // Well inside: not on an edge, and the square is not seen edge-on.
        double area = 0;
        for (int k = 0; k < 4; k++)
            area += qx[k] * qy[(k + 1) % 4] - qx[(k + 1) % 4] * qy[k];
        EXPECT_GT(std::fabs(area) / 2, 4.0) << what << ": " << IndexSquareName(SQ_T(s));
    }
}

TEST(Camera, EverySquaresCentreProjectsInsideItsSquareInEveryView)
{
    for (int dmode : {2, 3}) {
        NewGame(dmode);
        ResetView();
        ExpectCentresInsideSquares(CurrentView(), "default view");
        state.projection_ortho = 1;
        ExpectCentresInsideSquares(CurrentView(), "orthographic");
        state.projection_ortho = 0;
        state.yang = 37;
        *GetZAng() = 200;
        ExpectCentresInsideSquares(CurrentView(), "turned");
        Overhead();
        ExpectCentresInsideSquares(CurrentView(), "overhead");
        ResetView();
        ToggleZeBlackView();
        ExpectCentresInsideSquares(CurrentView(), "black view");
        ToggleZeBlackView();
    }
    // Boards on other pins.
    NewGame(3);
    ResetView();
    POS_T* b = &state.position;
    b->whereis_board[0] = ABW_QL3;
    b->whereis_board[3] = ABW_KL4;
    ExpectCentresInsideSquares(CurrentView(), "boards moved");
}

// ---------------------------------------------------------------- coordinates

// Where a label's text lies in the window: a box round its centre as wide
// as Helvetica's widest letters make it.
struct LABEL_BOX_T {
    std::string text;
    bool name;  // a level's or a pin's
    double x0, y0, x1, y1;
};

std::vector<LABEL_BOX_T> LabelBoxes(const VIEW_T& v)
{
    std::vector<LABEL_BOX_T> boxes;
    for (const COORD_LABEL_T& label : CoordinateLabels(&state.position)) {
        double x, y;
        P3D_T at = label.at;
        EXPECT_TRUE(ProjectToWindow(&v, kViewport, &at, &x, &y, nullptr)) << label.text;
        double half_width = label.text.size() * (label.large ? 17 : 8) / 2.0, half_height = label.large ? 7 : 5;
        bool name = label.large || label.text.size() >= 3;
        boxes.push_back({label.text, name, x - half_width, y - half_height, x + half_width, y + half_height});
    }
    return boxes;
}

// Pairs of labels whose boxes meet, as "a/b" texts.
std::vector<std::string> Crowded(const std::vector<LABEL_BOX_T>& boxes, bool names_only)
{
    std::vector<std::string> crowded;
    for (size_t i = 0; i < boxes.size(); i++)
        for (size_t j = i + 1; j < boxes.size(); j++) {
            const LABEL_BOX_T &a = boxes[i], &b = boxes[j];
            if (names_only && !a.name && !b.name)
                continue;
            if (a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1)
                crowded.push_back(a.text + "/" + b.text);
        }
    return crowded;
}

// With coordinates on, no two labels of the tri-dimensional board cover
// each other in the default view, in every notation and with the boards
// moved; seen from above, where the levels lie one over another, the
// levels' and pins' names still keep apart from everything.
TEST(Coordinates, LabelsKeepApart)
{
    for (int notation : {NOTATION_VESKAR, NOTATION_STANDARD, NOTATION_ALGEBRAIC}) {
        NewGame(3);
        state.notation = notation;
        ResetView();
        EXPECT_EQ(Crowded(LabelBoxes(CurrentView()), false), std::vector<std::string>{}) << notation;
        Overhead();
        EXPECT_EQ(Crowded(LabelBoxes(CurrentView()), true), std::vector<std::string>{}) << notation;
    }
    NewGame(3);
    ResetView();
    POS_T* b = &state.position;
    b->whereis_board[0] = ABW_QL3;
    b->whereis_board[3] = ABW_KL4;
    EXPECT_EQ(Crowded(LabelBoxes(CurrentView()), false), std::vector<std::string>{});
    NewGame(2);
    ResetView();
    EXPECT_EQ(Crowded(LabelBoxes(CurrentView()), false), std::vector<std::string>{});
}

TEST(Camera, BlackViewShowsThePlainBoardFromTheOtherSide)
{
    NewGame(2);
    ResetView();
    double wx, wy, bx, by;
    P3D_T a1 = Corner(0, 0), h8 = Corner(7, 7);
    Project(CurrentView(), a1.x, a1.y, 0, &wx, &wy);
    Project(CurrentView(), h8.x, h8.y, 0, &bx, &by);
    EXPECT_LT(wy, by);  // White's side at the bottom
    ToggleZeBlackView();
    Project(CurrentView(), a1.x, a1.y, 0, &wx, &wy);
    Project(CurrentView(), h8.x, h8.y, 0, &bx, &by);
    EXPECT_GT(wy, by);
    ToggleZeBlackView();
}

// ---------------------------------------------------------------- picking

std::string Parse(std::vector<GLuint> buffer, int hits, SQ_T* out)
{
    testing::internal::CaptureStdout();
    *out = ParsePickHits(buffer.data(), int(buffer.size()), hits, 3, 4);
    return testing::internal::GetCapturedStdout();
}

TEST(Picking, FirstTwoNameRecordDecidesInDrawingOrder)
{
    SQ_T r;
    // A square, then one behind it drawn later: the first one wins.
    EXPECT_EQ(Parse({2, 10, 20, 4, 5, 2, 5, 30, 6, 2}, 2, &r), "");
    EXPECT_EQ(r, 37u);  // file 4, rank 5
    // A pin marker (one name) is reported and passed over.
    EXPECT_EQ(Parse({1, 0, 0, 2, 2, 0, 0, 2, 3}, 2, &r),
              "\nx=3 y=4 hits=2\n number of names for this hit = 1; names are 2\n");
    EXPECT_EQ(r, 19u);
    EXPECT_EQ(Parse({}, 0, &r), "");
    EXPECT_EQ(r, NO_SQUARE);
}

TEST(Picking, PostsGiveTheirBoardCode)
{
    SQ_T r;
    for (GLuint code : {100u, 106u})
        EXPECT_EQ((Parse({2, 0, 0, 0, code}, 1, &r), r), code);
    for (GLuint code : {116u, 122u})
        EXPECT_EQ((Parse({2, 0, 0, 2, code}, 1, &r), r), code);
    // File 2's own ranks stay squares.
    EXPECT_EQ((Parse({2, 0, 0, 2, 7}, 1, &r), r), 23u);
}

TEST(Picking, AFullBufferIsReadOnlyAsFarAsItGoes)
{
    SQ_T r;
    // Overflow (-1 hits): the whole records are read.
    EXPECT_EQ((Parse({1, 0, 0, 9, 2, 0, 0, 1, 1}, -1, &r), r), 9u);
    // A record that claims more names than the buffer holds ends the walk.
    EXPECT_EQ(Parse({7, 0, 0, 1, 2}, 3, &r), "");
    EXPECT_EQ(r, NO_SQUARE);
}

// ---------------------------------------------------------------- spread map and pin markers

TEST(Spreadmap, ASelectedPieceColoursItsTargets)
{
    NewGame(2);
    state.selected = Square("E2");
    GenerateSpreadmap(&state.position);
    for (int s = 0; s < 64; s++) {
        int want = (s == int(Square("E3")) || s == int(Square("E4"))) ? 0 : 65;
        EXPECT_EQ(state.spreadmap[s], want) << IndexSquareName(SQ_T(s));
    }
    Play({"e2e4", "d7d5"});
    state.selected = Square("E4");
    GenerateSpreadmap(&state.position);
    EXPECT_EQ(state.spreadmap[Square("D5")], -1);
    EXPECT_EQ(state.spreadmap[Square("E5")], 0);
    EXPECT_EQ(state.spreadmap[Square("F5")], 65);
    state.selected = NO_SQUARE;
    GenerateSpreadmap(&state.position);
    for (int s = 0; s < 64; s++)
        EXPECT_EQ(state.spreadmap[s], 65);
}

TEST(Spreadmap, TeamModeShowsWhatTheSideToMoveAttacksUnderThePiecesTargets)
{
    NewGame(2);
    Play({"e2e4", "d7d5"});
    state.spread = SPREAD_TEAM;
    state.selected = Square("G1");
    GenerateSpreadmap(&state.position);
    EXPECT_EQ(state.spreadmap[Square("D5")], -1);  // attacked black pawn
    EXPECT_EQ(state.spreadmap[Square("A3")], 1);   // attacked, empty
    EXPECT_EQ(state.spreadmap[Square("F3")], 0);   // the knight's move wins
    EXPECT_EQ(state.spreadmap[Square("E2")], 0);
    EXPECT_EQ(state.spreadmap[Square("D1")], 65);  // own piece
    EXPECT_EQ(state.spreadmap[Square("A5")], 65);  // not attacked
    state.spread = SPREAD_OFF;
    GenerateSpreadmap(&state.position);
    EXPECT_EQ(state.spreadmap[Square("F3")], 65);
}

// The squares the selected piece marks, and those its legal moves reach.
void ExpectOnlyLegalTargets(const char* where)
{
    POS_T* b = &state.position;
    std::vector<MOVE_T> legal;
    LegalChoices(b, &legal);
    bool white = NextToPlay(b) == 1;
    for (int sel = 0; sel < 64; sel++) {
        if (b->board[sel] == 0 || (b->board[sel] > 0) != white)
            continue;
        state.selected = SQ_T(sel);
        GenerateSpreadmap(b);
        bool want[64] = {};
        for (const MOVE_T& m : legal)
            if (m.from == SQ_T(sel) && m.piece_moving == b->board[sel] && m.to < 64)
                want[m.to] = true;
        for (int s = 0; s < 64; s++)
            EXPECT_EQ(state.spreadmap[s] != 65, want[s])
                << where << ": " << IndexSquareName(SQ_T(sel)) << " to " << IndexSquareName(SQ_T(s));
    }
    state.selected = NO_SQUARE;
}

TEST(Spreadmap, InCheckOrPinnedOnlyLegalTargetsAreShown)
{
    NewGame(2);
    // Check from b4: a2 and Bf1 may not move, c3 and d2 block.
    Play({"e2e4", "e7e5", "d2d4", "f8b4"});
    ExpectOnlyLegalTargets("check");
    state.selected = Square("A2");
    GenerateSpreadmap(&state.position);
    EXPECT_EQ(state.spreadmap[Square("A3")], 65);
    EXPECT_EQ(state.spreadmap[Square("A4")], 65);
    // c3 blocks and is pinned: it may only take the pinning bishop.
    Play({"c2c3", "a7a6"});
    state.selected = Square("C3");
    GenerateSpreadmap(&state.position);
    EXPECT_EQ(state.spreadmap[Square("B4")], -1);
    EXPECT_EQ(state.spreadmap[Square("C4")], 65);
    ExpectOnlyLegalTargets("pin");
    // The tri-dimensional game, at the start and a few moves in.
    NewGame(3);
    ExpectOnlyLegalTargets("3d start");
    for (int ply = 0; ply < 2; ply++) {
        std::vector<MOVE_T> legal;
        LegalChoices(&state.position, &legal);
        ASSERT_FALSE(legal.empty());
        ASSERT_TRUE(PlayerMoved(&state.position, &legal[legal.size() / 2]));
    }
    ExpectOnlyLegalTargets("3d, two plies in");
}

int Bit(ABWHERE_E pin)
{
    for (int i = 0; i < 12; i++)
        if (attack_pins[i] == pin)
            return 1 << i;
    return 0;
}

// White's queen's-side board emptied: it may move now.
void EmptyQueensBoard()
{
    NewGame(3);
    POS_T* b = &state.position;
    for (SQ_T c : {A1, A2, B1, B2})
        b->board[c] = 0;
    ASSERT_TRUE(CreatePBoard(b, state.dmode));
    UpdateMaps(b);
    AlignAttackBoards(b);
}

TEST(PinMarkers, AnEmptyBoardShowsTheFreePinsItMayReach)
{
    for (int rules : {RULES_TDCL, RULES_TOURNAMENT}) {
        EmptyQueensBoard();
        state.rules = rules;
        POS_T* b = &state.position;
        // KL1 holds White's king's-side board.
        EXPECT_EQ(AttackboardPinMask(b, AB_QLW), Bit(ABW_QL2) | Bit(ABW_QL3));
        // From KL1 an empty board reaches only QL1, free once it has left.
        b->whereis_board[2] = ABW_KL2;
        b->whereis_board[0] = ABW_KL1;
        EXPECT_EQ(AttackboardPinMask(b, AB_QLW), Bit(ABW_QL1));
    }
}

TEST(PinMarkers, NoMarkersForABoardThatMayNotMove)
{
    NewGame(3);
    POS_T* b = &state.position;
    EXPECT_EQ(AttackboardPinMask(b, AB_QLW), 0);  // four pieces ride on it
    EmptyQueensBoard();
    EXPECT_EQ(AttackboardPinMask(b, AB_QLB), 0);  // Black's, with White to move
    EXPECT_EQ(AttackboardPinMask(b, A1), 0);      // no board at all
}

// ---------------------------------------------------------------- status texts

std::string Status(const GLfloat** color)
{
    char text[64];
    *color = ComposeStatusLine(text, sizeof text);
    return text;
}

TEST(StatusText, BannerFollowsTheComputersSide)
{
    NewGame(3);
    EXPECT_EQ(ComposeBanner(), color_orange);
    EXPECT_STREQ(banner_string, "Vornak not playing (TDCL); White to move");
    state.vornak = VORNAK_WHITE;
    EXPECT_EQ(ComposeBanner(), piece_color_white);
    EXPECT_STREQ(banner_string, "My move (White)");
    state.vornak = VORNAK_BLACK;
    EXPECT_EQ(ComposeBanner(), piece_color_white);
    EXPECT_STREQ(banner_string, "Your move (White)");
    // Whose turn it is shows also when the computer does not play.
    state.vornak = VORNAK_OFF;
    state.position.move_num |= 1;
    ComposeBanner();
    EXPECT_STREQ(banner_string, "Vornak not playing (TDCL); Black to move");
    state.position.move_num &= ~1;
}

// A restored game may ask the computer to play both sides: that is autoplay,
// never the end of the program.
TEST(StatusText, PlayingBothSidesIsTheComputerToMove)
{
    NewGame(2);
    state.vornak = VORNAK_BOTH;
    EXPECT_EQ(ComposeBanner(), piece_color_white);
    EXPECT_STREQ(banner_string, "My move (White)");
    Play({"e2e4"});
    EXPECT_EQ(ComposeBanner(), piece_color_black);
    EXPECT_STREQ(banner_string, "My move (Black)");
}

TEST(StatusText, MoveLineShowsTitleLastMoveReplayAndEditPrompt)
{
    NewGame(2);
    ComposeMoveLine();
    EXPECT_STREQ(move_string, "Vornak 2.98f");
    Play({"e2e4"});
    EXPECT_EQ(ComposeMoveLine(), piece_color_white);
    EXPECT_STREQ(move_string, "1. e4");
    Play({"e7e5", "g1f3"});
    ComposeMoveLine();
    EXPECT_STREQ(move_string, "2. Nf3");
    Play({"b8c6"});
    EXPECT_EQ(ComposeMoveLine(), piece_color_black);
    EXPECT_STREQ(move_string, "2. ... Nc6");
    replay = 2;
    ComposeMoveLine();
    EXPECT_STREQ(move_string, "Replay 2 of 4: 1. ... e5");
    replay = 3;
    ComposeMoveLine();
    EXPECT_STREQ(move_string, "Replay 3 of 4: 2. Nf3");
    replay = 0;
    ComposeMoveLine();
    EXPECT_STREQ(move_string, "Replay 0 of 4");
    replay = -1;
    editing_option = EDIT_NONE;
    ComposeMoveLine();
    EXPECT_STREQ(move_string, "remove from where?");
    editing_option = EDIT_WKING;
    ComposeMoveLine();
    EXPECT_STREQ(move_string, "add white king where?");
    editing_option = 0;
}

// The last move of the position shown: none before the first, the latest
// in play, the ply shown during a review.
TEST(StatusText, LastMoveIsThatOfThePositionShown)
{
    NewGame(2);
    MOVE_T m;
    EXPECT_FALSE(LastMoveShown(&m));
    Play({"e2e4", "e7e5"});
    ASSERT_TRUE(LastMoveShown(&m));
    EXPECT_EQ(m.from, Square("E7"));
    EXPECT_EQ(m.to, Square("E5"));
    replay = 1;
    ASSERT_TRUE(LastMoveShown(&m));
    EXPECT_EQ(m.to, Square("E4"));
    replay = 0;
    EXPECT_FALSE(LastMoveShown(&m));
    replay = -1;
}

TEST(StatusText, MoveListPairsThePliesAndMarksTheReviewedOne)
{
    NewGame(2);
    std::vector<std::string> lines;
    EXPECT_EQ(ComposeMoveList(&lines, 0), -1);
    EXPECT_TRUE(lines.empty());
    Play({"e2e4", "e7e5", "g1f3", "b8c6", "f1b5"});
    EXPECT_EQ(ComposeMoveList(&lines, 0), -1);
    EXPECT_EQ(lines, (std::vector<std::string>{"1. e4 e5", "2. Nf3 Nc6", "3. Bb5"}));
    replay = 3;
    EXPECT_EQ(ComposeMoveList(&lines, 0), 1);
    // Two lines fit: those round the ply reviewed, or the latest.
    EXPECT_EQ(ComposeMoveList(&lines, 2), 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"2. Nf3 Nc6", "3. Bb5"}));
    replay = -1;
    EXPECT_EQ(ComposeMoveList(&lines, 2), -1);
    EXPECT_EQ(lines, (std::vector<std::string>{"2. Nf3 Nc6", "3. Bb5"}));
}

TEST(StatusText, StatusLineShowsSelectionMessageOnceAndCheck)
{
    const GLfloat* color;
    NewGame(2);
    EXPECT_EQ(Status(&color), "0 plies");
    EXPECT_EQ(color, color_green);
    state.selected = Square("G1");
    EXPECT_EQ(Status(&color), "Ng1");
    snprintf(info_string, sizeof info_string, "illegal move x\n");
    EXPECT_EQ(Status(&color), "illegal move x\n");
    EXPECT_EQ(color, color_white);
    EXPECT_EQ(Status(&color), "Ng1");  // shown by one frame only
    state.selected = NO_SQUARE;
    Play({"e2e4", "d7d6", "f1b5"});
    snprintf(info_string, sizeof info_string, "a message");
    EXPECT_EQ(Status(&color), "CHECK");
    EXPECT_EQ(color, color_red);
    // Mate and stalemate show from the board, with nobody playing for the
    // computer to record them.
    NewGame(2);
    Play({"e2e4", "f7f6", "d2d4", "g7g5", "d1h5"});
    EXPECT_EQ(Status(&color), "CHECKMATE");
    EXPECT_EQ(state.position.winner, 0);
    std::string err;
    int mode;
    ASSERT_TRUE(ParsePosition("k7/8/1Q6/8/8/8/8/K7 b - - 0 1", &state.position, &mode, &err)) << err;
    EXPECT_EQ(Status(&color), "STALEMATE");
    EXPECT_EQ(color, color_red);
    ASSERT_TRUE(ParsePosition("k7/8/8/2Q5/8/8/8/K7 b - - 0 1", &state.position, &mode, &err)) << err;
    Status(&color);
    EXPECT_EQ(color, color_green) << "a king with a move left";
    // The result, as the thinking thread records it.
    NewGame(2);
    Play({"e2e4", "f7f6", "d2d4", "g7g5", "d1h5"});
    state.position.winner = 1;
    snprintf(info_string, sizeof info_string, "a message");
    EXPECT_EQ(Status(&color), "CHECKMATE");
    state.position.winner = 2;
    EXPECT_EQ(Status(&color), "STALEMATE");
    state.position.winner = 7;
    EXPECT_EQ(Status(&color), "YOU TELL ME");
    EXPECT_EQ(color, color_red);
    EXPECT_EQ(info_string[0], '\0');
}

TEST(StatusText, TriDimensionalSelectionNamesTheLevel)
{
    const GLfloat* color;
    NewGame(3);
    state.selected = AB_KLB;
    EXPECT_EQ(Status(&color), "Kings's Level");
    state.selected = AB_QLW;
    EXPECT_EQ(Status(&color), "Queen's Level");
    state.selected = Square("E1");
    state.notation = NOTATION_STANDARD;
    std::string standard = Status(&color);
    EXPECT_EQ(standard.substr(0, 1), "N");
    EXPECT_EQ(standard.substr(standard.size() - 3), "(2)");
    state.notation = NOTATION_VESKAR;
    std::string veskar = Status(&color);
    EXPECT_EQ(veskar.back(), 'W');
    state.selected = Square("A1");
    std::string board = Status(&color);
    EXPECT_EQ(board.substr(0, 1), "R");
    EXPECT_EQ(board.substr(board.size() - 3), "QL1");
    state.selected = NO_SQUARE;
}

TEST(StatusText, ABadClockModeIsReportedAndSwitchedOff)
{
    timers.timermode = TM_OFF;
    EXPECT_EQ(ComposeClockLine(), nullptr);
    timers.timermode = TM_WHITE;
    timers.white_time = 3725;
    EXPECT_EQ(ComposeClockLine(), piece_color_white);
    EXPECT_STREQ(timers.time_string, "1:02:05");
    timers.timermode = TIMERMODE_E(9);
    testing::internal::CaptureStdout();
    EXPECT_EQ(ComposeClockLine(), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nPanic: DisplayMain bad timer mode");
    EXPECT_EQ(timers.timermode, TM_OFF);
}

// Both players' clocks whenever a clock is on, the side to move marked
// while they run, and the shown clock's text left as it was.
TEST(StatusText, BothClocksShowWhileAClockIsOn)
{
    TIMERMODE_E saved = timers.timermode;
    NewGame(2);
    timers.white_time = 3725;
    timers.black_time = 59;
    char white[32] = "", black[32] = "";
    timers.timermode = TM_OFF;
    EXPECT_FALSE(ComposeSideClocks(white, black, sizeof white));
    EXPECT_STREQ(white, "");
    for (TIMERMODE_E mode : {TM_ELAPSED, TM_WHITE, TM_BLACK}) {
        timers.timermode = mode;
        snprintf(timers.time_string, sizeof timers.time_string, "kept");
        ASSERT_TRUE(ComposeSideClocks(white, black, sizeof white));
        EXPECT_STREQ(white, "> White 1:02:05");
        EXPECT_STREQ(black, "Black 0:00:59");
        EXPECT_STREQ(timers.time_string, "kept");
    }
    state.position.move_num = 1;  // Black to move
    ASSERT_TRUE(ComposeSideClocks(white, black, sizeof white));
    EXPECT_STREQ(white, "White 1:02:05");
    EXPECT_STREQ(black, "> Black 0:00:59");
    timers.timermode = TM_STOPPED;
    ASSERT_TRUE(ComposeSideClocks(white, black, sizeof white));
    EXPECT_STREQ(black, "Black 0:00:59");
    // A narrow buffer is cut, never overrun.
    char tiny[8];
    ComposeSideClocks(tiny, black, sizeof tiny);
    EXPECT_STREQ(tiny, "White 1");
    state.position.move_num = 0;
    timers.timermode = saved;
    timers.white_time = timers.black_time = 0;
}

// ---------------------------------------------------------------- mouse

struct MouseTest : testing::Test {
    SHELL_HOOKS_T saved = shell_hooks;
    void SetUp() override { shell_hooks = SHELL_HOOKS_T{}; }
    void TearDown() override { shell_hooks = saved; }
};

TEST_F(MouseTest, SelectDeselectAndMove)
{
    NewGame(2);
    MouseLeftPress(Square("E4"), false);  // empty: nothing
    EXPECT_EQ(state.selected, NO_SQUARE);
    MouseLeftPress(Square("E2"), false);
    EXPECT_EQ(state.selected, Square("E2"));
    EXPECT_EQ(state.spreadmap[Square("E4")], 0);
    MouseLeftPress(Square("E2"), false);  // again: only deselects
    EXPECT_EQ(state.selected, NO_SQUARE);
    EXPECT_EQ(state.spreadmap[Square("E4")], 65);
    EXPECT_EQ(state.position.move_num, 0);
    MouseLeftPress(Square("E2"), false);
    MouseLeftPress(Square("E4"), true);  // Shift keeps the selection
    EXPECT_EQ(state.selected, Square("E2"));
    MouseLeftPress(Square("E4"), false);
    EXPECT_EQ(state.position.move_num, 1);
    EXPECT_EQ(state.position.board[Square("E4")], W_PAWN);
    EXPECT_EQ(state.selected, NO_SQUARE);
    EXPECT_EQ(*MouseSelectedMove(), 0);
}

TEST_F(MouseTest, AClickWhileTheComputerIsToMoveOnlyDeselects)
{
    NewGame(2);
    state.vornak = VORNAK_WHITE;
    MouseLeftPress(Square("E2"), false);
    MouseLeftPress(Square("E4"), false);
    EXPECT_EQ(state.position.move_num, 0);
    EXPECT_EQ(state.selected, NO_SQUARE);
}

TEST_F(MouseTest, ARefusedMoveIsShownAndChangesNothing)
{
    NewGame(2);
    POS_T before = state.position;
    testing::internal::CaptureStdout();
    MouseLeftPress(Square("E2"), false);
    MouseLeftPress(Square("E5"), false);
    std::string out = testing::internal::GetCapturedStdout();
    // The player's slip is refused in words, never reported as a fault.
    EXPECT_NE(out.find("\nrefused e2-e5: "), std::string::npos) << out;
    EXPECT_EQ(out.find("Panic"), std::string::npos) << out;
    EXPECT_STREQ(info_string, "illegal move e2-e5\n");
    EXPECT_EQ(memcmp(before.board, state.position.board, sizeof before.board), 0);
    EXPECT_EQ(state.position.move_num, 0);
}

// No attack board's refused move ends the program; each is shown by its pins.
TEST_F(MouseTest, ARefusedBoardMoveIsShownForEveryBoard)
{
    for (AB_E board : {AB_QLW, AB_QLB, AB_KLW, AB_KLB}) {
        NewGame(3);
        testing::internal::CaptureStdout();
        MouseLeftPress(board, false);
        EXPECT_EQ(state.selected, SQ_T(board));
        MouseLeftPress(ABW_QL3, false);  // White's boards are full, Black's not White's to move
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(state.selected, NO_SQUARE);
        EXPECT_EQ(state.position.move_num, 0);
        const char* from = PinName(ab_home[AbIndex(board)]);
        EXPECT_EQ(std::string(info_string), std::string("illegal move ") + from + "-QL3\n") << out;
        EXPECT_NE(out.find(std::string("\nrefused ") + from + "-QL3: "), std::string::npos) << out;
        EXPECT_EQ(out.find("Panic"), std::string::npos) << out;
    }
}

TEST_F(MouseTest, AnEmptyBoardMovesToAPinWithTwoClicks)
{
    EmptyQueensBoard();
    testing::internal::CaptureStdout();
    MouseLeftPress(AB_QLW, false);
    MouseLeftPress(ABW_QL3, false);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("\nselected QL white"), std::string::npos);
    EXPECT_EQ(state.position.whereis_board[0], ABW_QL3);
    EXPECT_EQ(state.position.move_num, 1);
}

int asked_with_mouse_flag = -1;

TEST_F(MouseTest, AMousePromotionAsksAndTakesTheAnswer)
{
    NewGame(2);
    POS_T pos;
    int dmode;
    std::string err;
    ASSERT_TRUE(ParsePosition("4k3/P7/8/8/8/8/8/4K3 w - - 0 1", &pos, &dmode, &err)) << err;
    state.position = pos;
    shell_hooks.mouse_move = [] { return *MouseSelectedMove() != 0; };
    shell_hooks.ask_promotion = [] {
        asked_with_mouse_flag = *MouseSelectedMove();
        return 2;  // rook
    };
    MouseLeftPress(Square("A7"), false);
    MouseLeftPress(Square("A8"), false);
    EXPECT_EQ(asked_with_mouse_flag, 1);
    EXPECT_EQ(state.position.board[Square("A8")], W_ROOK);
    EXPECT_EQ(*MouseSelectedMove(), 0);
}

TEST_F(MouseTest, EditingPlacesAndRemovesPiecesAndStartsFromTheEditedBoard)
{
    NewGame(2);
    POS_T pos;
    int dmode;
    std::string err;
    ASSERT_TRUE(ParsePosition("4k3/8/8/8/8/8/8/4K3 w - - 0 1", &pos, &dmode, &err)) << err;
    state.position = pos;
    editing_option = EDIT_WQUEEN;
    testing::internal::CaptureStdout();
    MouseLeftPress(Square("C4"), false);  // square 19
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nset white Q at 19");
    EXPECT_EQ(editing_option, 0);
    EXPECT_EQ(state.position.board[Square("C4")], W_QUEEN);
    EXPECT_EQ(state.oeb.inited, 1);
    EXPECT_EQ(state.oeb.pos_0.board[Square("C4")], W_QUEEN);
    editing_option = EDIT_BKNIGHT;
    testing::internal::CaptureStdout();
    EXPECT_EQ(GotEditingSquare(Square("C5")), 1);  // square 20
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nset black N at 20");
    EXPECT_EQ(state.position.board[Square("C5")], B_KNIGHT);
    editing_option = EDIT_NONE;
    EXPECT_EQ(GotEditingSquare(Square("C4")), 1);
    EXPECT_EQ(state.position.board[Square("C4")], 0);
    // A click on nothing or on a post ends the edit without a change.
    for (SQ_T off : {NO_SQUARE, SQ_T(AB_KLW)}) {
        editing_option = EDIT_WPAWN;
        POS_T before = state.position;
        EXPECT_EQ(GotEditingSquare(off), 0);
        EXPECT_EQ(editing_option, 0);
        EXPECT_EQ(memcmp(before.board, state.position.board, sizeof before.board), 0);
    }
}

}  // namespace
