// Taking moves back: the game is rebuilt from its starting position by
// replaying the record, so everything derived from the moves (maps, keys,
// captured pieces, the game list) comes out as it was when they were played.
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record_internal.h"

#include <cstdio>

bool RestartGamePosition()
{
    POS_T* b = &state.position;
    if (!state.oeb.inited)
        return ResetBoard(false) != 0;  // builds the piece list and maps itself
    *b = state.oeb.pos_0;
    b->rules = state.rules;  // the rules in force now, which the menu may have changed
    CaptureReset();
    if (!CreatePBoard(b, state.dmode))
        return false;
    UpdateMaps(b);
    return true;
}

int ReplayRecord(POS_T* b, int target, bool list, const char* caller, const char* failure)
{
    if (target > MAX_GAME_PLIES)
        target = MAX_GAME_PLIES;
    while (b->move_num >= 0 && b->move_num < target) {
        MOVE_T m = state.game_record[b->move_num];
        if (!LegalMove(b, &m, caller)) {
            Panic(false, failure);
            break;
        }
        if (!MakeGameMove(b, &m)) {
            Panic(false, failure);
            break;
        }
        // As after a move in play, the promotion marks last one ply.
        b->flags &= ~FLAG_PROMOTED;
        if (list)
            GameListPut(b, &m, b->move_num);
    }
    return b->move_num;
}

void RebuildGame(int num_to_undo)
{
    // Never before the game's start, never past the record's end.
    long target = (long)state.position.move_num - num_to_undo;
    int start = GameStartPly();
    if (target < start)
        target = start;
    if (target > MAX_GAME_PLIES)
        target = MAX_GAME_PLIES;

    bool built = RestartGamePosition();
    state.vornak = 0;
    state.demo_mode = 0;
    state.stop_search = 1;
    replay = -1;  // the whole game is on the board again

    // Plies before an edited start have no text.
    for (int k = 1; k <= start && k <= MAX_GAME_PLIES; k++)
        game_list_strings[k][0] = 0;
    if (built) {
        ReplayRecord(&state.position, (int)target, true, "UndoMoves", "Illegal move in game undo");
        if (num_to_undo) {
            ConsolePrint("\nmove undone");
            game_changed_since_save = true;
        }
    }
}

void UndoMoves(int num_to_undo)
{
    if (shell_hooks.clutch)
        shell_hooks.clutch(0);
    RebuildGame(num_to_undo);
    if (shell_hooks.redraw)
        shell_hooks.redraw();
    if (shell_hooks.clutch)
        shell_hooks.clutch(1);
}
