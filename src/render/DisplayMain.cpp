// The display callback. The board and the pieces are not drawn yet; the
// status text is: banner, move line, status line and clock.
#include "render/render.h"
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include <GL/freeglut.h>

#include <cstdio>

static void DrawString(GLfloat x, GLfloat y, const GLfloat* color, const char* text)
{
    glColor3fv(color);
    glRasterPos3f(x, y, 0.0f);
    for (const char* c = text; *c; c++)
        glutBitmapCharacter(GLUT_BITMAP_TIMES_ROMAN_24, *c);
}

// Who is to move, or that the computer is off, in the colour of that side.
static const GLfloat* ComposeBanner()
{
    POS_T* b = &state.position;
    if (state.vornak == VORNAK_OFF) {
        const char* rules = "";
        if (state.dmode == 3) {
            if (state.rules == RULES_TOURNAMENT)
                rules = " (TOURNAMENT)";
            else if (state.rules == RULES_TDCL)
                rules = " (TDCL)";
            else
                Panic(true, "NO RULESET");
        }
        snprintf(banner_string, sizeof banner_string, "Vornak not playing%s", rules);
        return color_orange;
    }
    if (state.vornak != VORNAK_WHITE && state.vornak != VORNAK_BLACK)
        Panic(true, "bad setting @ DisplayMain");
    bool computer_to_move = NextToPlay(b) == state.vornak;
    snprintf(banner_string, sizeof banner_string, "%s", computer_to_move ? "My move" : "Your move");
    bool white = (state.vornak == VORNAK_WHITE) == computer_to_move;
    return white ? piece_color_white : piece_color_black;
}

static void ComposeMoveLine()
{
    static const char* const edit_prompts[] = {
        "add black pawn where?", "add black knight where?", "add black bishop where?",
        "add black rook where?", "add black queen where?", "add black king where?",
        "add white pawn where?", "add white knight where?", "add white bishop where?",
        "add white rook where?", "add white queen where?", "add white king where?"};
    if (editing_option == EDIT_NONE)
        snprintf(move_string, sizeof move_string, "remove from where?");
    else if (editing_option >= EDIT_BPAWN && editing_option <= EDIT_WKING)
        snprintf(move_string, sizeof move_string, "%s", edit_prompts[editing_option - EDIT_BPAWN]);
    else if (state.position.move_num == 0)
        snprintf(move_string, sizeof move_string, "%s", VORNAK_TITLE);
}

static void DrawStatusLine(GLfloat x, GLfloat y)
{
    POS_T* b = &state.position;
    char text[64];
    const GLfloat* color = color_green;
    if (b->last_move.check) {
        color = color_red;
        snprintf(text, sizeof text, "%s",
                 b->winner == 0                     ? "CHECK"
                 : b->winner == 1 || b->winner == -1 ? "CHECKMATE"
                 : b->winner == 2                   ? "STALEMATE"
                                                    : "YOU TELL ME");
    } else if (info_string[0]) {
        color = color_white;
        snprintf(text, sizeof text, "%s", info_string);
    } else {
        snprintf(text, sizeof text, "%d plies", b->move_num);
    }
    DrawString(x, y, color, text);
    // A message is shown for one frame; the clock tick redraws.
    info_string[0] = '\0';
}

static void DrawClockLine(GLfloat x, GLfloat y)
{
    const GLfloat* color;
    switch (timers.timermode) {
    case TM_OFF:
        return;
    case TM_ELAPSED:
    case TM_STOPPED:
        timers.PrintTimeString(timers.elapsed_time);
        color = color_yellow;
        break;
    case TM_WHITE:
        timers.PrintTimeString(timers.white_time);
        color = piece_color_white;
        break;
    case TM_BLACK:
        timers.PrintTimeString(timers.black_time);
        color = piece_color_black;
        break;
    default:
        Panic(false, "DisplayMain bad timer mode");
        timers.timermode = TM_OFF;
        return;
    }
    DrawString(x, y, color, timers.time_string);
    info_string[0] = '\0';
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
    glDisable(GL_LIGHTING);

    // 4, 5. Text in the scene's projection, on top of everything.
    ComposeMoveLine();
    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    GLfloat x = state.projection_ortho ? -7.0f : -10.0f;
    GLfloat y = state.projection_ortho ? 7.0f : 10.0f;
    const GLfloat* banner_color = ComposeBanner();
    DrawString(x, y - 1, banner_color, banner_string);
    DrawString(x, y, (state.position.move_num & 1) ? piece_color_white : piece_color_black, move_string);
    DrawStatusLine(x, y - 2);
    DrawClockLine(x, y - 3);

    // 6.
    glPopMatrix();
    glPopAttrib();
    glEnable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glutSwapBuffers();
    glFlush();
}
