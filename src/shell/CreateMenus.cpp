// Building the GLUT menu tree from its description.
#include "shell/menus.h"
#include "shell/shell.h"

#include <GL/freeglut.h>

int RulesMenu, NotationMenu, CompMenu, TimeLimitMenu, DifficultyMenu, UndoMenu, SpreadMenu, PieceMenuWhite,
    PieceMenuBlack, EditMenu, GameMenu, ProjMenu, AxesMenu, CapturedMenu, OpacityMenu, ViewMenu, ModeMenu,
    PiecesMenu, MainMenu;
bool menus_ready;

void CreateMenus()
{
    // 1. Tear down the old tree, children before their parents.
    if (MainMenu) {
        glutSetMenu(MainMenu);
        glutDetachMenu(GLUT_RIGHT_BUTTON);
        int* ids[] = {&RulesMenu, &NotationMenu, &CompMenu, &TimeLimitMenu, &DifficultyMenu, &UndoMenu,
                      &SpreadMenu, &PieceMenuWhite, &PieceMenuBlack, &EditMenu, &GameMenu, &ProjMenu,
                      &AxesMenu, &CapturedMenu, &OpacityMenu, &ViewMenu, &ModeMenu, &PiecesMenu, &MainMenu};
        for (int* id : ids) {
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
        for (const MENU_T& menu : DescribeMenus()) {
            *menu.id = glutCreateMenu(menu.callback);
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
