// A new game in mode 2 (plain) or 3 (tri-dimensional); also the Mode menu's
// callback and the F2 and F3 keys.
#include "shell/menus.h"
#include "shell/shell.h"

#include <cstdio>
#include <cstring>

void DoModeMenu(int value)
{
    // 1. A review of the old game ends with it.
    Clutch(0);
    replay = -1;

    // 2. Wipe the game but keep the difficulty.
    int maxdepth = state.maxdepth;
    memset((void*)&state, 0, sizeof state);
    state.maxdepth = maxdepth;
    state.dmode = value;

    // 3, 4. Configuration tables belong to the old game's boards.
    if (eval_show)
        printf("\nBoard Hashes Reset");
    ResetBoardConfigCache();

    // 5 to 8.
    ResetBoard(true);
    Keyboard('?', 0, 0);
    CreateMenus();
    game_changed_since_save = false;
    Clutch(1);
}

void ChooseModeMenu(int value)
{
    if (ConfirmDiscard(DISCARD_NEW_GAME))
        DoModeMenu(value);
}
