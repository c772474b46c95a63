// The pop-up menu tree on the right mouse button. The tree is rebuilt after
// nearly every choice so that each submenu shows the current setting; the
// rebuild also repairs settings that hold a value no menu offers.
#pragma once

#include <string>
#include <vector>

enum {
    MENU_RESETBOARD = 0, MENU_QUIT = 1, MENU_LISTGAME = 2, MENU_RESETVIEW = 3,
    MENU_ZEBLACKVIEW = 4, MENU_SAVE = 5, MENU_RESTORE = 6, MENU_HINT = 7,
    MENU_MOVELIST = 8, MENU_SETUP_POSITION = 9, MENU_PRINT_POSITION = 10, MENU_COORDINATES = 11
};
const int MAIN_MENU_QUIT = 3;  // the main menu's "Quit" entry

enum {
    EDIT_NONE = 1, EDIT_CLEAR = 2, EDIT_WHITES_MOVE = 3, EDIT_BLACKS_MOVE = 4,
    EDIT_BPAWN = 5, EDIT_BKNIGHT = 6, EDIT_BBISHOP = 7, EDIT_BROOK = 8, EDIT_BQUEEN = 9, EDIT_BKING = 10,
    EDIT_WPAWN = 11, EDIT_WKNIGHT = 12, EDIT_WBISHOP = 13, EDIT_WROOK = 14, EDIT_WQUEEN = 15, EDIT_WKING = 16
};

// GLUT menu identifiers, 0 while a menu does not exist.
extern int RulesMenu, NotationMenu, CompMenu, TimeLimitMenu, DifficultyMenu, UndoMenu, SpreadMenu,
    PieceMenuWhite, PieceMenuBlack, EditMenu, GameMenu, ProjMenu, AxesMenu, CapturedMenu,
    OpacityMenu, ViewMenu, ModeMenu, PiecesMenu, MainMenu;
extern bool menus_ready;

void CreateMenus();

void DoMainMenu(int value);
void DoGameMenu(int value);
void DoComputerMenu(int value);
void DoDifficultyMenu(int value);
void DoTimeLimitMenu(int value);
void DoSpreadMenu(int value);
void DoRulesMenu(int value);
void DoNotationMenu(int value);
void DoPiecesMenu(int value);
void DoViewMenu(int value);
void DoProjMenu(int value);
void DoAxesMenu(int value);
void DoOpacityMenu(int value);
void DoCapturedMenu(int value);
void DoEditMenu(int value);
void DoPieceMenu(int value);

// The tree as data, without GLUT, so that labels and repairs can be checked
// headless. An entry with a submenu names the identifier of a menu listed
// earlier; menus are listed in creation order, the main menu last.
struct MENU_ENTRY_T {
    std::string label;
    int value;
    int* submenu;
};

struct MENU_T {
    int* id;
    void (*callback)(int);
    std::vector<MENU_ENTRY_T> entries;
};

// Repairs the settings the menus show, then describes the tree labelled by them.
std::vector<MENU_T> DescribeMenus();
