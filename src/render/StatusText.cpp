// The four lines of text in the window's upper left corner, composed
// without drawing so that their wording can be checked headless.
#include "render/render.h"
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include "movegen/movegen.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

// Who is to move, and whether the computer plays; in the colour of the side
// to move, orange when the computer is off.
const GLfloat* ComposeBanner()
{
    POS_T* b = &state.position;
    const char* side = NextToPlay(b) == 1 ? "White" : "Black";
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
        snprintf(banner_string, sizeof banner_string, "Vornak not playing%s; %s to move", rules, side);
        return color_orange;
    }
    int computer = state.vornak;
    // Playing both sides, as a restored game may ask, is autoplay: the
    // computer is always the side to move.
    if (computer == VORNAK_BOTH)
        computer = NextToPlay(b);
    else if (computer != VORNAK_WHITE && computer != VORNAK_BLACK)
        Panic(true, "bad setting @ DisplayMain");
    bool computer_to_move = NextToPlay(b) == computer;
    snprintf(banner_string, sizeof banner_string, "%s (%s)", computer_to_move ? "My move" : "Your move", side);
    bool white = (computer == VORNAK_WHITE) == computer_to_move;
    return white ? piece_color_white : piece_color_black;
}

// The edit prompt, the title, the last move or the replay position.
const GLfloat* ComposeMoveLine()
{
    static const char* const edit_prompts[] = {
        "add black pawn where?", "add black knight where?", "add black bishop where?",
        "add black rook where?", "add black queen where?", "add black king where?",
        "add white pawn where?", "add white knight where?", "add white bishop where?",
        "add white rook where?", "add white queen where?", "add white king where?"};
    int n = state.position.move_num;
    if (editing_option == EDIT_NONE)
        snprintf(move_string, sizeof move_string, "remove from where?");
    else if (editing_option >= EDIT_BPAWN && editing_option <= EDIT_WKING)
        snprintf(move_string, sizeof move_string, "%s", edit_prompts[editing_option - EDIT_BPAWN]);
    else if (replay != -1 && replay > GameStartPly())
        snprintf(move_string, sizeof move_string, "Replay %d of %d: %d.%s %s", replay, n, (replay + 1) / 2,
                 (replay & 1) ? "" : " ...", GameListGet(replay));
    else if (replay != -1)
        snprintf(move_string, sizeof move_string, "Replay %d of %d", replay, n);
    else if (n <= 0)
        snprintf(move_string, sizeof move_string, "%s", VORNAK_TITLE);
    else if (n & 1)
        snprintf(move_string, sizeof move_string, "%d. %s", n / 2 + 1, GameListGet(n));
    else
        snprintf(move_string, sizeof move_string, "%d. ... %s", (n - 1) / 2 + 1, GameListGet(n));
    return (n & 1) ? piece_color_white : piece_color_black;
}

// The level a selected square lies on, as the chosen notation names it.
static const char* LevelSuffix(POS_T* b, SQ_T sq)
{
    switch (GetLevel(b, sq)) {
    case 2: return "W";
    case 4: return "N";
    case 6: return "B";
    case 3:
    case 5:
    case 7: {
        const char* pin = GetABStringBySquare(b, sq);
        return pin ? pin : "OOC";
    }
    default: return "OOC";
    }
}

namespace {

// Mate or stalemate as the board shows it, which only the thinking thread
// records: two players at one board see the game's end too. 1 or -1 the
// side that mated, 2 stalemate, 0 a move remains. Worked out once a
// position, not every frame.
int NoMoveVerdict(POS_T* b)
{
    static uint32_t key = 0;
    static int ply = -1, verdict = 0;
    if (b->hash1 == key && b->move_num == ply)
        return verdict;
    key = b->hash1;
    ply = b->move_num;
    std::vector<MOVE_T> legal;
    verdict = 0;
    if (!PositionUnplayableWhy(b) && LegalChoices(b, &legal) == 0)
        verdict = (b->flags & FLAG_IN_CHECK) ? -NextToPlay(b) : 2;
    return verdict;
}

}  // namespace

// Check and the game's end, else a pending message, else the selection or
// the ply count. The message is shown once: the next frame drops it.
const GLfloat* ComposeStatusLine(char* text, size_t size)
{
    POS_T* b = &state.position;
    SQ_T sel = state.selected;
    const GLfloat* color = color_green;
    int winner = b->winner ? b->winner : NoMoveVerdict(b);
    // The last move's check mark, or the position's own flag: an edited or
    // restored board may be in check with no move behind it.
    if (b->last_move.check || (b->flags & FLAG_IN_CHECK) || (!b->winner && winner == 2)) {
        color = color_red;
        snprintf(text, size, "%s",
                 winner == 0                   ? "CHECK"
                 : winner == 1 || winner == -1 ? "CHECKMATE"
                 : winner == 2                 ? "STALEMATE"
                                               : "YOU TELL ME");
    } else if (info_string[0]) {
        color = color_white;
        snprintf(text, size, "%s", info_string);
    } else if (sel == NO_SQUARE) {
        snprintf(text, size, "%d plies", b->move_num);
    } else if (sel == AB_QLW || sel == AB_QLB) {
        snprintf(text, size, "Queen's Level");
    } else if (sel == AB_KLW || sel == AB_KLB) {
        snprintf(text, size, "Kings's Level");
    } else if (sel > 63) {
        snprintf(text, size, "%d plies", b->move_num);
    } else {
        char letter = piecechar(abs(b->board[sel]));
        const char* square = PosStr(b, sel);
        if (!square)
            square = "";
        if (state.dmode != 3)
            snprintf(text, size, "%c%s", letter, square);
        else if (state.notation == NOTATION_STANDARD)
            snprintf(text, size, "%c%s(%d)", letter, square, GetLevel(b, sel));
        else
            snprintf(text, size, "%c%s%s", letter, square, LevelSuffix(b, sel));
    }
    info_string[0] = '\0';
    return color;
}

// The clock chosen with the T key into timers.time_string; null when none
// is shown. A mode no key offers is reported and switched off.
const GLfloat* ComposeClockLine()
{
    switch (timers.timermode) {
    case TM_OFF:
        return nullptr;
    case TM_ELAPSED:
    case TM_STOPPED:
        timers.PrintTimeString(timers.elapsed_time);
        return color_yellow;
    case TM_WHITE:
        timers.PrintTimeString(timers.white_time);
        return piece_color_white;
    case TM_BLACK:
        timers.PrintTimeString(timers.black_time);
        return piece_color_black;
    default:
        Panic(false, "DisplayMain bad timer mode");
        timers.timermode = TM_OFF;
        return nullptr;
    }
}
