// The mouse callback. The right button belongs to the menu tree; a left
// press picks a square or a post and selects, moves or edits with it.
#include "shell/menus.h"
#include "shell/shell.h"

#include "movegen/movegen.h"
#include "render/render.h"

#include <GL/freeglut.h>

#include <cstdio>

static SQ_T mb_from = NO_SQUARE;  // picked by the click that selected
static SQ_T mb_to = NO_SQUARE;    // picked by the latest click
static int msm = 0;               // 1 while a left press is handled

int* MouseSelectedMove()
{
    return &msm;
}

// A refused move is shown in the window under its own name. A move the
// generator does not list has no name in the notation table; it is then
// named by its squares (a board by its pins), so the user still sees why
// nothing happened. A click on a square the piece cannot reach is the
// player's slip, not a fault of the program: only the refusal is printed.
static void ShowRefusal(MOVE_T* m)
{
    const char* text = ListedMoveName(m);
    char fallback[32];
    if (!text) {
        POS_T* b = &state.position;
        bool board_move = AbIndex(m->piece_moving) >= 0;
        const char* from = board_move ? PinName(int(m->from)) : nullptr;
        const char* to = board_move ? PinName(int(m->to)) : nullptr;
        if (!from)
            from = m->from < 64 ? PosStr(b, m->from) : nullptr;
        if (!to)
            to = m->to < 64 ? PosStr(b, m->to) : nullptr;
        snprintf(fallback, sizeof fallback, "%s-%s", from ? from : "??", to ? to : "??");
        text = fallback;
    }
    snprintf(info_string, sizeof info_string, "illegal move %s\n", text);
    // Why, in words: at the window's foot and on the console.
    char why[128], message[200];
    RefusalReason(&state.position, m, why, sizeof why);
    snprintf(message, sizeof message, "%s: %s", text, why);
    printf("\nrefused %s", message);
    ShowMessage(message);
}

// The symbol of a piece move: castling when the king goes where castling
// takes it and the right is still there, else capture or plain move.
static char MoveSymbol(POS_T* b, int piece, SQ_T to)
{
    uint32_t rights = b->flags;
    if (state.dmode == 3) {
        if ((piece == W_KING && b->board[to] == W_ROOK && (rights & FLAG_CASTLE_WS)) ||
            (piece == B_KING && b->board[to] == B_ROOK && (rights & FLAG_CASTLE_BS)))
            return 'S';
        if ((piece == W_KING && to == B1 && (rights & FLAG_CASTLE_WL)) ||
            (piece == B_KING && to == B8 && (rights & FLAG_CASTLE_BL)))
            return 'L';
    } else {
        if ((piece == W_KING && to == G1 && (rights & FLAG_CASTLE_WS)) ||
            (piece == B_KING && to == G8 && (rights & FLAG_CASTLE_BS)))
            return 'S';
        if ((piece == W_KING && to == C1 && (rights & FLAG_CASTLE_WL)) ||
            (piece == B_KING && to == C8 && (rights & FLAG_CASTLE_BL)))
            return 'L';
    }
    return b->board[to] ? 'x' : '-';
}

static void SelectWithNothingSelected(SQ_T picked)
{
    POS_T* b = &state.position;
    mb_from = picked;
    if (picked < 64) {
        if (b->board[picked]) {
            state.selected = picked;
            GenerateSpreadmap(b);
        }
        return;
    }
    const char* name = nullptr;
    switch (picked) {
    case AB_QLW: name = "QL white"; break;
    case AB_QLB: name = "QL black"; break;
    case AB_KLW: name = "KL white"; break;
    case AB_KLB: name = "KL black"; break;
    case NO_SQUARE: return;
    default: Panic(false, "why default?"); return;
    }
    printf("\nselected %s", name);
    state.selected = picked;
    // Its markers, or why there are none: a board that cannot move would
    // otherwise stay selected without a word.
    GenerateSpreadmap(b);
    char why[128], message[200];
    if (BoardStuckReason(b, int(picked), why, sizeof why)) {
        snprintf(message, sizeof message, "%s has no move: %s", name, why);
        printf("\n%s", message);
        ShowMessage(message);
    }
}

static void MoveSelectedBoard(SQ_T picked)
{
    POS_T* b = &state.position;
    SQ_T board = state.selected;
    mb_to = picked;
    ResetSpreadmap();
    board_pins_legal = 0;
    if (mb_to != board && NextToPlay(b) != state.vornak) {
        MOVE_T m;
        InitMove(&m, int(board), SQ_T(b->whereis_board[AbIndex(int(board))]), mb_to, NO_VALUE, 'T', 0);
        if (!PlayerMoved(b, &m))
            ShowRefusal(&m);
    }
    state.selected = NO_SQUARE;
}

static void MoveSelectedPiece(SQ_T picked)
{
    POS_T* b = &state.position;
    // The selection, not the click that made it, says where the piece is:
    // a restored game brings its own selection.
    SQ_T from = state.selected;
    state.selected = NO_SQUARE;
    ResetSpreadmap();
    mb_to = picked;
    if (mb_to > 63 || mb_to == from || NextToPlay(b) == state.vornak)
        return;
    int piece = from < 64 ? b->board[from] : 0;
    if (!piece) {
        Panic(false, "not selecting?");
        return;
    }
    MOVE_T m;
    InitMove(&m, piece, from, mb_to, NO_VALUE, MoveSymbol(b, piece, mb_to), 0);
    if (!PlayerMoved(b, &m))
        ShowRefusal(&m);
}

void MouseLeftPress(SQ_T picked, bool shift)
{
    // 1.
    if (editing_option) {
        mb_to = picked;
        GotEditingSquare(mb_to);
        editing_option = 0;
        return;
    }
    // 2.
    msm = 1;
    if (state.selected == NO_SQUARE)
        SelectWithNothingSelected(picked);
    else if (AbIndex(int(state.selected)) >= 0)
        MoveSelectedBoard(picked);
    else if (!shift)
        MoveSelectedPiece(picked);
    // 3.
    msm = 0;
}

void MouseButton(int button, int bstate, int x, int y)
{
    if (button == GLUT_RIGHT_BUTTON)
        return;
    if (button != GLUT_LEFT_BUTTON) {
        Panic(false, "unknown mouse button");
        return;
    }
    if (bstate == GLUT_UP)
        return;
    if (bstate != GLUT_DOWN) {
        Panic(false, "unknown bstate");
        return;
    }
    // A click on the board ends a review of the game.
    ReplayExit();
    bool shift = (glutGetModifiers() & GLUT_ACTIVE_SHIFT) != 0;
    SQ_T picked = NO_SQUARE;
    // With Shift a selected piece stays selected and nothing is picked.
    bool holds_piece = state.selected < 64 && shift && !editing_option;
    if (!holds_piece)
        InSquare(x, y, &picked);
    MouseLeftPress(picked, shift);
    RequestRedisplay();
}
