// Building the GLUT menu tree from its description.
#include "shell/menus.h"
#include "shell/shell.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int RulesMenu, NotationMenu, CompMenu, TimeLimitMenu, DifficultyMenu, UndoMenu, SpreadMenu, PieceMenuWhite,
    PieceMenuBlack, EditMenu, GameMenu, ProjMenu, AxesMenu, CapturedMenu, OpacityMenu, ViewMenu, ModeMenu,
    PiecesMenu, MainMenu;
bool menus_ready;

// Children before their parents: the order of tearing down.
static int* const menu_ids[] = {&RulesMenu, &NotationMenu, &CompMenu, &TimeLimitMenu, &DifficultyMenu, &UndoMenu,
                                &SpreadMenu, &PieceMenuWhite, &PieceMenuBlack, &EditMenu, &GameMenu, &ProjMenu,
                                &AxesMenu, &CapturedMenu, &OpacityMenu, &ViewMenu, &ModeMenu, &PiecesMenu,
                                &MainMenu};

namespace {

const char* MenuName(const int* id)
{
    static const struct {
        const int* id;
        const char* name;
    } names[] = {{&RulesMenu, "Rules"},         {&NotationMenu, "Notation"},     {&CompMenu, "Vornak"},
                 {&TimeLimitMenu, "TimeLimit"}, {&DifficultyMenu, "Difficulty"}, {&UndoMenu, "Undo"},
                 {&SpreadMenu, "Spread"},       {&PieceMenuWhite, "AddWhite"},   {&PieceMenuBlack, "AddBlack"},
                 {&EditMenu, "Edit"},           {&GameMenu, "Game"},             {&ProjMenu, "Projection"},
                 {&AxesMenu, "Axes"},           {&CapturedMenu, "Captured"},     {&OpacityMenu, "Opacity"},
                 {&ViewMenu, "View"},           {&ModeMenu, "Mode"},             {&PiecesMenu, "Pieces"},
                 {&MainMenu, "Main"}};
    for (const auto& n : names)
        if (n.id == id)
            return n.name;
    return "?";
}

// With VORNAK_TRACE_MENUS set in the environment each choice prints
// "\nmenu <name> <value>": the window tests learn from it that a click
// reached the entry it aimed at.
void TraceChoice(int glut_id, int value)
{
    static const bool trace = getenv("VORNAK_TRACE_MENUS") != nullptr;
    if (!trace)
        return;
    for (int* id : menu_ids)
        if (*id == glut_id)
            printf("\nmenu %s %d", MenuName(id), value);
}

// GLUT calls one function for every menu; it finds the chosen menu's own
// callback and runs it holding the game against the thinking thread.
std::vector<std::pair<int, void (*)(int)>> menu_callbacks;

void MenuChosen(int value)
{
    int id = glutGetMenu();
    void (*chosen)(int) = nullptr;
    for (const auto& [menu, callback] : menu_callbacks)
        if (menu == id)
            chosen = callback;
    if (!chosen) {
        Panic(false, "menu choice from an unknown menu");
        return;
    }
    TraceChoice(id, value);
    // The callback may rebuild the menus, and with them menu_callbacks.
    std::lock_guard<std::recursive_mutex> hold(game_lock);
    chosen(value);
}

}  // namespace

void CreateMenus()
{
    // 1. Tear down the old tree, children before their parents.
    if (MainMenu) {
        glutSetMenu(MainMenu);
        glutDetachMenu(GLUT_RIGHT_BUTTON);
        for (int* id : menu_ids) {
            if (*id) {
                glutDestroyMenu(*id);
                *id = 0;
            }
        }
        menus_ready = false;
    } else {
        Panic(false, "CreateMenu no main menu but MainMenu");
    }

    // 2. Build it again; submenus always exist before their parents.
    if (!menus_ready) {
        menu_callbacks.clear();
        for (const MENU_T& menu : DescribeMenus()) {
            *menu.id = glutCreateMenu(MenuChosen);
            menu_callbacks.emplace_back(*menu.id, menu.callback);
            for (const MENU_ENTRY_T& e : menu.entries) {
                if (e.submenu)
                    glutAddSubMenu(e.label.c_str(), *e.submenu);
                else
                    glutAddMenuEntry(e.label.c_str(), e.value);
            }
        }
    }

    // 3.
    glutSetMenu(MainMenu);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
    menus_ready = true;
    RequestRedisplay();
}
