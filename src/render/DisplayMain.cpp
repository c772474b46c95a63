// The display callback: the board, the pieces, the captured pieces and the
// axes under the camera, then the four status lines on top.
#include "render/piece.h"
#include "render/render.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

// Status line `line` in window pixels (the projection set up for it below).
static void DrawString(int line, const GLfloat* color, const char* text)
{
    int x, y;
    StatusLinePixel(line, &x, &y);
    glColor3fv(color);
    glRasterPos2i(x, window_height - y);
    for (const char* c = text; *c; c++)
        glutBitmapCharacter(GLUT_BITMAP_TIMES_ROMAN_24, *c);
}

// A player's clock on the clock's line.
static void DrawSideClock(int side, const GLfloat* color, const char* text)
{
    int x, y;
    SideClockPixel(side, &x, &y);
    glColor3fv(color);
    glRasterPos2i(x, window_height - y);
    for (const char* c = text; *c; c++)
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, *c);
}

// The move list at the top right, left of Black's captured pieces, on a
// dark ground so that it reads over the board; the ply reviewed in yellow.
static void DrawMoveList()
{
    int top = STATUS_TEXT_FIRST - 8;
    int max_lines = (window_height - top - 40) / MOVE_LIST_STEP;
    std::vector<std::string> lines;
    int current = ComposeMoveList(&lines, max_lines > 1 ? max_lines : 1);
    if (lines.empty())
        return;
    int x = window_width - 70 - MOVE_LIST_WIDTH;
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, 0.7f);
    glRecti(x - 8, window_height - top + MOVE_LIST_STEP, x + MOVE_LIST_WIDTH,
            window_height - top - MOVE_LIST_STEP * int(lines.size()) + 6);
    glPopAttrib();
    for (int i = 0; i < int(lines.size()); i++) {
        glColor3fv(i == current ? color_yellow : color_white);
        glRasterPos2i(x, window_height - top - MOVE_LIST_STEP * i);
        for (char c : lines[i])
            glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, c);
    }
}

// The help over the middle of the window, on a dark ground.
static void DrawHelp()
{
    const std::vector<std::string>& lines = HelpOverlayLines();
    const int step = 18, width = 540;
    int height = step * int(lines.size()) + 16;
    int x = (window_width - width) / 2 + 12;
    int top = (window_height + height) / 2;  // from the bottom
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.15f, 0.85f);
    glRecti(x - 12, top, x - 12 + width, top - height);
    glPopAttrib();
    for (int i = 0; i < int(lines.size()); i++) {
        glColor3fv(i == 0 ? color_yellow : color_white);
        glRasterPos2i(x, top - 20 - step * i);
        for (char c : lines[i])
            glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, c);
    }
}

static int MessageWidth(const std::string& text)
{
    return glutBitmapLength(GLUT_BITMAP_HELVETICA_18, reinterpret_cast<const unsigned char*>(text.c_str()));
}

// The message at the window's foot, on as many lines as it needs. With
// VORNAK_TRACE_MESSAGES set in the environment the first frame that draws
// a message prints "\nwindow message: <text>", which tells the window tests
// what the window shows.
static void DrawMessage()
{
    static const bool trace = getenv("VORNAK_TRACE_MESSAGES") != nullptr;
    float brightness;
    bool fresh = false;
    const char* message = MessageNow(&brightness, &fresh);
    if (!message)
        return;
    std::vector<std::string> lines = WrapText(message, window_width - 2 * STATUS_TEXT_LEFT, MessageWidth);
    glColor3f(brightness, brightness, brightness * 0.6f);
    for (size_t i = 0; i < lines.size(); i++) {
        glRasterPos2i(STATUS_TEXT_LEFT, MESSAGE_BASELINE + MESSAGE_STEP * int(lines.size() - 1 - i));
        for (char c : lines[i])
            glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, c);
    }
    if (trace && fresh)
        printf("\nwindow message: %s", message);
}

void DisplayMain()
{
    // 1.
    glutSetWindow(mainWindow);
    glDrawBuffer(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_FLAT);

    // 2.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    AdjustModelview();

    // 3.
    DrawBoard(GL_RENDER);
    DrawPieces();
    if (CoordinatesOnOff)
        DrawCoordinates();
    if (AxesOnOff) {
        glDisable(GL_LIGHTING);
        DrawAxes();
    }
    glDisable(GL_LIGHTING);

    // 4, 5. Window pixels from here on: the captured pieces beside the
    // board and the text, on top of everything, always inside the window.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, window_width, 0.0, window_height, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    if (CapturedOnOff)
        DrawCaptured();
    const GLfloat* move_color = ComposeMoveLine();
    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    DrawString(1, ComposeBanner(), banner_string);
    DrawString(0, move_color, move_string);
    char status[64];
    const GLfloat* status_color = ComposeStatusLine(status, sizeof status);
    DrawString(2, status_color, status);
    if (const GLfloat* clock_color = ComposeClockLine()) {
        DrawString(3, clock_color, timers.time_string);
        info_string[0] = '\0';
    }
    char white_clock[32], black_clock[32];
    if (ComposeSideClocks(white_clock, black_clock, sizeof white_clock)) {
        DrawSideClock(0, piece_color_white, white_clock);
        DrawSideClock(1, piece_color_black, black_clock);
    }
    if (MoveListOnOff)
        DrawMoveList();
    if (HelpOnOff)
        DrawHelp();
    DrawMessage();

    // 6.
    glPopAttrib();
    glPopMatrix();
    glEnable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glutSwapBuffers();
    glFlush();
}
