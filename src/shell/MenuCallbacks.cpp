// The menu callbacks. Most store the choice and rebuild the tree so that it
// shows the new setting.
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include "render/render.h"

void DoMainMenu(int value)
{
    if (value == MAIN_MENU_QUIT) {
        if (ConfirmDiscard(DISCARD_QUIT))
            Quit();
    }
    else
        Panic(false, "Unknown main menu value");
    CreateMenus();
}

void DoGameMenu(int value)
{
    switch (value) {
    case MENU_RESETBOARD:
        // Lighter than a new game from the Mode menu: state is not wiped and
        // the thinking thread keeps running.
        if (!ConfirmDiscard(DISCARD_NEW_GAME))
            break;
        Keyboard('?', 0, 0);
        {
            // A search still running for the old game must not play its
            // move on the new one.
            WORKER_PAUSE_T pause;
            pause.resume = true;  // a review of the old game ends with it
            replay = -1;
            ResetBoard(true);
            game_changed_since_save = false;
        }
        break;
    case MENU_LISTGAME:
        ListGame(false);
        break;
    case MENU_SAVE:
        SaveGame(0);
        break;
    case MENU_RESTORE:
        RestoreGameInWindow(0);
        break;
    case MENU_HINT:
        ShowHint();
        break;
    case MENU_SETUP_POSITION:
        if (ConfirmDiscard(DISCARD_NEW_GAME))
            SetUpPositionInWindow();
        break;
    case MENU_PRINT_POSITION:
        PrintPosition();
        break;
    default:
        Panic(false, "unknown selection @ DoGameMenu");
        break;
    }
    CreateMenus();
}

void DoComputerMenu(int value)
{
    if (value == VORNAK_BOTH) {
        // Autoplay: the idle callback hands the computer the side to move.
        state.demo_mode = 1;
    } else {
        state.vornak = value;
        state.stop_search = 1;
        state.demo_mode = 0;
    }
    if (state.demo_mode || state.vornak != VORNAK_OFF)
        ComputerTakesOver();
    ShowSetting(SETTING_COMPUTER);
    CreateMenus();
}

void DoDifficultyMenu(int value)
{
    state.maxdepth = value;
    ShowSetting(SETTING_DIFFICULTY);
    CreateMenus();
}

void DoTimeLimitMenu(int value)
{
    timers.timer_limit = value;
    ShowSetting(SETTING_TIME_LIMIT);
    CreateMenus();
}

void DoSpreadMenu(int value)
{
    state.spread = value;
    ShowSetting(SETTING_SPREAD);
    CreateMenus();
}

void DoRulesMenu(int value)
{
    SetGameRules(value);
    ShowSetting(SETTING_RULES);
    CreateMenus();
}

void DoNotationMenu(int value)
{
    state.notation = value;
    ShowSetting(SETTING_NOTATION);
    CreateMenus();
}

void DoPiecesMenu(int value)
{
    menu_mesh_pieces = SET_E(value);
    ShowSetting(SETTING_PIECES);
    CreateMenus();
}

void DoViewMenu(int value)
{
    if (value == MENU_RESETVIEW)
        ResetView();
    else if (value == MENU_ZEBLACKVIEW)
        ToggleZeBlackView();
    else if (value == MENU_MOVELIST) {
        MoveListOnOff = !MoveListOnOff;
        ShowSetting(SETTING_MOVE_LIST);
    }
    else if (value == MENU_COORDINATES)
        ToggleCoordinates();
    else
        Panic(false, "Unknown View Menu value");
    CreateMenus();
}

void DoProjMenu(int value)
{
    state.projection_ortho = value;
    ShowSetting(SETTING_PROJECTION);
    CreateMenus();
}

void DoAxesMenu(int value)
{
    AxesOnOff = value;
    ShowSetting(SETTING_AXES);
    CreateMenus();
}

void DoOpacityMenu(int value)
{
    state.stipple = value;
    ShowSetting(SETTING_OPACITY);
    CreateMenus();
}

void DoCapturedMenu(int value)
{
    CapturedOnOff = value;
    ShowSetting(SETTING_CAPTURED);
}

void DoEditMenu(int value)
{
    editing_option = 0;
    WORKER_PAUSE_T pause;
    switch (value) {
    case EDIT_CLEAR:
        // Only the cells: piece list and maps are rebuilt by the next edit.
        for (int& cell : state.position.board)
            cell = 0;
        break;
    case EDIT_WHITES_MOVE:
        state.position.move_num &= ~1;
        break;
    case EDIT_BLACKS_MOVE:
        state.position.move_num |= 1;
        break;
    default:
        editing_option = value;
        break;
    }
    CreateMenus();
}

void DoPieceMenu(int value)
{
    editing_option = value;
    CreateMenus();
}
