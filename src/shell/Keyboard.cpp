// The keyboard callback for character keys.
#include "shell/shell.h"
#include "shell/timers.h"

#include "render/render.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstring>
#include <ctime>

// The attack board that the K key moves (0..3 into whereis_board).
static int j_ptr = 0;

// The pins in the order the K key steps through them.
static const ABWHERE_E k_order[12] = {ABW_QL1, ABW_QL2, ABW_QL3, ABW_QL4, ABW_QL5, ABW_QL6,
                                      ABW_KL1, ABW_KL2, ABW_KL3, ABW_KL4, ABW_KL5, ABW_KL6};

static const char* const help_lines[] = {
    "arrow keys pan, page keys zoom, <shift> faster",
    "F2 \t new 2D game",
    "F3 \t new 3D game",
    "F5 \t fetch favorite view",
    "F6 \t store favorite view",
    "F7-F8 \t replay step back-forward",
    "F9 \t autoplay",
    "F10\t come to full stop",
    "A \t toggle axes",
    "B \t Vornak play black",
    "C \t captured pieces toggle",
    "D \t difficulty level toggle",
    "E \t evaluation verbose toggle",
    "H \t help screen (press 'H' in main window)",
    "I \t hint: the computer suggests a move",
    "L \t list game",
    "M \t move list in the window toggle",
    "N \t coordinates toggle",
    "O \t overhead view",
    "P \t set up a position from a FEN or 3d line",
    "Q \t quit",
    "R \t restore game",
    "S \t save game",
    "T \t toggle timer mode",
    "U \t undo one move",
    "V \t view reset",
    "W \t Vornak play white",
    "X \t toggle transparency",
    "Y \t position as FEN or 3d line to console and position.txt",
    "Z \t black view toggle(2D)",
};

// The build time in asctime's layout with a two-digit year:
// "Sun Dec  7 12:51:00 25".
static const char* BuildStamp()
{
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    static char stamp[32];
    char month[4] = "";
    int day = 1, year = 1970, hour = 0, minute = 0, second = 0;
    sscanf(__DATE__, "%3s %d %d", month, &day, &year);
    sscanf(__TIME__, "%d:%d:%d", &hour, &minute, &second);
    struct tm t = {};
    const char* m = strstr(months, month);
    t.tm_mon = m ? int(m - months) / 3 : 0;
    t.tm_mday = day;
    t.tm_year = year - 1900;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    mktime(&t);  // fills in the weekday
    snprintf(stamp, sizeof stamp, "%s", asctime(&t));
    // "... 2025\n": the year's last two digits over its first two.
    stamp[20] = stamp[22];
    stamp[21] = stamp[23];
    stamp[22] = '\0';
    return stamp;
}

// The board moves without any rule, like an edit. The pieces on it travel
// with it, so the attack maps, the check flag and the keys are rebuilt from
// the board; a board that cannot be played on (being edited) is left for the
// edit that repairs it.
static void MoveAttackBoard()
{
    WORKER_PAUSE_T pause;
    POS_T* b = &state.position;
    int old = b->whereis_board[j_ptr];
    int at = -1;
    for (int i = 0; i < 12; i++)
        if (k_order[i] == old)
            at = i;
    for (int tries = 1; tries <= 12; tries++) {
        ABWHERE_E pin = k_order[(at + tries) % 12];
        printf("\nj=%d k=%d", j_ptr, old);
        if (IsAttackBoardThere(b, pin) == int(NO_SQUARE)) {
            b->whereis_board[j_ptr] = pin;
            AlignAttackBoards(b);
            if (state.dmode == 3 && PositionPlayable(b) && CreatePBoard(b, state.dmode))
                UpdateMaps(b);
            return;
        }
    }
}

static void StepDifficulty()
{
    if (state.maxdepth == DIFF_MED)
        state.maxdepth = DIFF_HARD;
    else if (state.maxdepth == DIFF_HARD)
        state.maxdepth = DIFF_EASY;
    else
        state.maxdepth = DIFF_MED;
    const char* word = state.maxdepth == DIFF_HARD ? "HARD" : state.maxdepth == DIFF_EASY ? "EASY" : "MED";
    printf("\ndifficulty : %s", word);
    snprintf(info_string, sizeof info_string, "difficulty: %s\n", word);
}

// Alt chooses the screen-only listing and the fixed file name.
static bool AltHeld() { return glutGetModifiers() & GLUT_ACTIVE_ALT; }

static void StepTimerMode()
{
    switch (timers.timermode) {
    case TM_OFF: timers.timermode = TM_ELAPSED; break;
    case TM_ELAPSED: timers.timermode = TM_WHITE; break;
    case TM_WHITE: timers.timermode = TM_BLACK; break;
    case TM_BLACK: timers.timermode = TM_OFF; break;
    case TM_STOPPED: break;
    default:
        Panic(false, "Keyboard : bad timer mode");
        timers.timermode = TM_OFF;
        break;
    }
}

void PrintKeyHelp()
{
    for (const char* line : help_lines)
        printf("\n%s", line);
}

void Keyboard(unsigned char c, int, int)
{
    switch (c) {
    case 'H': case 'h':
        PrintKeyHelp();
        HelpOnOff = !HelpOnOff;
        break;
    case '#':
        printf("\nBuilt: %s", BuildStamp());
        break;
    case '?':
        printf("\n%s V%s.%s\n", VORNAK_NAME, VORNAK_MAJOR, VORNAK_MINOR);
        printf("\n");
        break;
    case 'A': case 'a':
        AxesOnOff = !AxesOnOff;
        ShowSetting(SETTING_AXES);
        break;
    case 'B': case 'b':
        printf("\nVornak playing Black");
        state.vornak = VORNAK_BLACK;
        state.demo_mode = 0;
        ComputerTakesOver();
        ShowSetting(SETTING_COMPUTER);
        break;
    case 'C': case 'c':
        CapturedOnOff = !CapturedOnOff;
        ShowSetting(SETTING_CAPTURED);
        break;
    case 'D': case 'd':
        StepDifficulty();
        ShowSetting(SETTING_DIFFICULTY);
        break;
    case 'E': case 'e':
        eval_show = !eval_show;
        printf("\nEval %s", eval_show ? "ON" : "OFF");
        ShowSetting(SETTING_EVALUATION);
        break;
    case 'G': case 'g':
        printf("\nW xang=%g yang=%g scale=%g", state.xang, state.yang, state.scale);
        break;
    case 'I': case 'i':
        ShowHint();
        break;
    case 'J': case 'j':
        j_ptr = j_ptr < 3 ? j_ptr + 1 : 0;
        printf("\nj=%d", j_ptr);
        break;
    case 'K': case 'k':
        MoveAttackBoard();
        break;
    case 'L': case 'l':
        ListGame(AltHeld());
        break;
    case 'M': case 'm':
        MoveListOnOff = !MoveListOnOff;
        ShowSetting(SETTING_MOVE_LIST);
        break;
    case 'N': case 'n':
        ToggleCoordinates();
        break;
    case 'O': case 'o':
        Overhead();
        break;
    case 'P': case 'p':
        if (ConfirmDiscard(DISCARD_NEW_GAME))
            SetUpPositionInWindow();
        break;
    case 'Q': case 'q': case 27:
        if (ConfirmDiscard(DISCARD_QUIT))
            Quit();
        break;
    case 'R': case 'r':
        RestoreGameInWindow(AltHeld() ? 1 : 0);
        break;
    case 'S': case 's':
        SaveGame(AltHeld() ? 1 : 0);
        break;
    case 'T': case 't':
        StepTimerMode();
        ShowSetting(SETTING_CLOCK);
        break;
    case 'U': case 'u':
        UndoMoves(1);
        break;
    case 'V': case 'v':
        ResetView();
        break;
    case 'W': case 'w':
        printf("\nVornak playing White");
        state.vornak = VORNAK_WHITE;
        state.demo_mode = 0;
        ComputerTakesOver();
        ShowSetting(SETTING_COMPUTER);
        break;
    case 'X': case 'x':
        state.stipple = !state.stipple;
        ShowSetting(SETTING_OPACITY);
        break;
    case 'Y': case 'y':
        PrintPosition();
        break;
    case 'Z': case 'z':
        ToggleZeBlackView();
        break;
    default:
        printf("\nDon't know what to do with keyboard hit: '%c' (0x%0x)\n", c, c);
        break;
    }
    RequestRedisplay();
}
