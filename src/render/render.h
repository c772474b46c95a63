// Rendering: where every cell lies in the world, the camera and its preset
// views, picking, the drawing of the board and the status text, and the
// colours of the board, the pieces and the text.
#pragma once

#include "board/board.h"

#include <GL/gl.h>

#include <string>
#include <vector>

// ---------------------------------------------------------------- geometry
struct P3D_T {
    float x, y, z;
};

// Lower-left corner of the unit square of cell (file, rank); an attack
// board's cells follow the pin it hangs from.
void GetCoords(POS_T* b, int file, int rank, P3D_T* p3d);
// which_ab: 0 AB_QLW, 1 AB_QLB, 2 AB_KLW, 3 AB_KLB.
void GetAttackBoardCoords(POS_T* b, int file, int rank, int which_ab, P3D_T* p3d);

// ---------------------------------------------------------------- camera
void ResetView();
void Overhead();
// The zoom of the overhead view for a window of that size.
float OverheadScale(int dmode, int width, int height);
void ToggleZeBlackView();  // 2-D games only
int* GetZAng();            // the turntable angle, degrees

void AdjustModelview();
void ReshapeMain(int width, int height);

// The view settings as numbers, and the matrices AdjustModelview loads for
// them (column-major, as OpenGL keeps them), without a GL context.
struct VIEW_T {
    bool ortho;
    float scale, xang, yang, zang;
};
VIEW_T CurrentView();
// `aspect` is the viewport's width over its height: the view keeps its
// proportions in a window of any shape.
void ViewMatrices(const VIEW_T* v, double projection[16], double modelview[16], double aspect = 1.0);
// The window's size, as the reshape callback last reported it.
extern int window_width, window_height;
// Window coordinates (origin lower left, as OpenGL's) of a world point;
// false for a point behind the eye.
bool ProjectToWindow(const VIEW_T* v, const int viewport[4], const P3D_T* p, double* wx, double* wy,
                     double* depth);

// ---------------------------------------------------------------- picking
// Pick codes: 0..63 a square, AB_E a post, NO_SQUARE nothing.
void InSquare(int x, int y, SQ_T* r);
// The pick code of a selection buffer holding `hits` records; records that
// do not name a square or a post are printed and passed over.
SQ_T ParsePickHits(const GLuint* buffer, int buffer_size, int hits, int x, int y);

// ---------------------------------------------------------------- drawing
void DisplayMain();
void DrawBoard(GLenum mode);  // GL_RENDER or GL_SELECT
// Markers on the pins the selected board may move to, rims round the
// boards; `select` names them for picking.
void DrawAttackboardPins(SQ_T selected, bool select);
void DrawAttackboardFrames(bool select);
// A square frame `size` across with bars `width` wide, its corner at (x, y),
// flat at height z (a board's rim, a marked square).
void DrawFrameBars(float x, float y, float z, float size, float width);
// The outer corner of a pin's level, where its marker stands; false for no pin.
bool PinMarkerPlace(POS_T* b, int pin, P3D_T* at);
const float PIN_MARKER_RADIUS = 0.42f, BOARD_FRAME_WIDTH = 0.2f;
// The pins (bits as AttackboardPinMask) the attack board board_pins_of may
// legally move to, worked out by GenerateSpreadmap when it is selected.
extern int board_pins_legal;
extern SQ_T board_pins_of;
// The last move of the position shown (during a review, of the ply shown):
// false before the game's first move.
bool LastMoveShown(MOVE_T* m);
// Marks its squares, or an attack board's old and new pins.
void DrawLastMove();
void DrawAxes();
// File letters, rank numbers, level and pin names beside the board (N key).
void DrawCoordinates();
// One of them: its text, the world point it is centred on, and whether it
// is drawn large (a level's name).
struct COORD_LABEL_T {
    std::string text;
    P3D_T at;
    bool large;
};
std::vector<COORD_LABEL_T> CoordinateLabels(POS_T* b);
void GenerateSpreadmap(POS_T* b);

// Bit i set: the selected attack board may move to the free pin
// attack_pins[i] now. 0 when it may not move or `selected` is no board.
int AttackboardPinMask(POS_T* b, SQ_T selected);

extern const GLubyte halftone[128];

// The status texts, composed into banner_string, move_string and the given
// buffers; each answers the colour to draw it in (null: no line).
const GLfloat* ComposeBanner();
const GLfloat* ComposeMoveLine();
const GLfloat* ComposeStatusLine(char* text, size_t size);
const GLfloat* ComposeClockLine();
// The status lines are drawn in window pixels, in a band at the top left
// that the overhead view keeps clear of the board: line n (0 move, 1
// banner, 2 status, 3 clock) starts at (*x, *y), its base line, counted
// from the window's upper left corner.
const int STATUS_TEXT_LEFT = 12, STATUS_TEXT_FIRST = 30, STATUS_TEXT_STEP = 30;
const int STATUS_TEXT_LINES = 4;
const int STATUS_TEXT_BAND = STATUS_TEXT_FIRST + STATUS_TEXT_STEP * (STATUS_TEXT_LINES - 1) + 10;
void StatusLinePixel(int line, int* x, int* y);
// Both players' clocks, "White h:mm:ss" and "Black h:mm:ss", the side to
// move's marked "> " while the clocks run; false (nothing written) while
// the clocks are off. They stand on the clock's line, right of its clock:
// the start of side 0 (White) or 1 (Black), as StatusLinePixel.
bool ComposeSideClocks(char* white, char* black, size_t size);
void SideClockPixel(int side, int* x, int* y);
const int SIDE_CLOCK_LEFT = 130, SIDE_CLOCK_STEP = 190;
// The move list (M key, View menu): at most max_lines lines (0: all) into
// lines; answers the index of the line of the ply reviewed, or -1.
int ComposeMoveList(std::vector<std::string>* lines, int max_lines);
const int MOVE_LIST_WIDTH = 200, MOVE_LIST_STEP = 18;  // pixels
// The text of the help drawn over the window.
const std::vector<std::string>& HelpOverlayLines();
// The base line of the message at the window's foot, from the bottom; a
// message too wide for the window takes more lines, upwards.
const int MESSAGE_BASELINE = 14, MESSAGE_STEP = 22;
// Text broken at spaces into lines no wider than `width`, as `measure`
// gives a line's width; a word wider than a line is cut where it must be.
std::vector<std::string> WrapText(const std::string& text, int width, int (*measure)(const std::string&));

extern const GLfloat square_color_black[4], square_color_white[4], square_color_selected[4],
    piece_color_white[4], piece_color_black[4], color_red[4], color_orange[4], color_green[4],
    color_magenta[4], color_cyan[4], color_yellow[4], color_white[4], color_last_move[4], color_hint[4],
    color_coordinates[4];
