// A new game in the current mode: the game's state back to its start.
#include "record/record.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"

#include <cstring>

void ResetSpreadmap()
{
    for (int i = 0; i < 64; i++)
        state.spreadmap[i] = 65;
}

int ResetBoard(bool reset_view)
{
    if (eval_show)
        ConsolePrint("\nResetBoard");
    state.state_hash_table_size = 1;
    state.demo_mode = 0;
    state.vornak = VORNAK_BLACK;
    state.selected = NO_SQUARE;
    state.spread = SPREAD_PIECE;
    hash_c.HashReset();
    hash_c.OrderReset();
    memset(&state.position, 0, sizeof state.position);
    memset(&state.oeb.pos_0, 0, sizeof state.oeb.pos_0);
    state.oeb.inited = 0;
    POS_T* b = &state.position;
    SetupStartPosition(b, state.dmode);
    b->rules = state.rules;
    CaptureReset();
    if (!CreatePBoard(b, state.dmode))
        return 0;
    UpdateMaps(b);
    EstimateGameStage(b, 1);
    ResetSpreadmap();
    if (reset_view && shell_hooks.reset_view)
        shell_hooks.reset_view();
    return 1;
}

void SetGameRules(int rules)
{
    state.rules = rules;
    state.position.rules = state.oeb.pos_0.rules = rules;
}
