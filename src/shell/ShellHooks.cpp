// What the core asks of the window: the thinking thread, the menus, redraws,
// the title, the banner, the clocks, the file chooser and the promotion
// question.
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include "render/render.h"

#include <GL/freeglut.h>
#include <SDL_messagebox.h>

namespace {

void Redraw() { RequestRedisplay(); }
void SetTitle(const char* title)
{
    snprintf(window_title, sizeof window_title, "%s", title);
    glutSetWindowTitle(window_title);
}
void PrintBanner() { Keyboard('?', 0, 0); }
void StopClocks() { timers.timermode = TM_STOPPED; }
bool MouseMove() { return *MouseSelectedMove() != 0; }

// Which piece a pawn promotes to: the button id (1 queen, 2 rook, 3 bishop,
// 4 knight), 0 when the box was closed without one, -1 when it could not be
// shown.
int AskPromotion()
{
    static const SDL_MessageBoxButtonData buttons[] = {
        {4, 4, "knight"}, {3, 3, "bishop"}, {2, 2, "rook"}, {1, 1, "queen"}};
    static const SDL_MessageBoxColorScheme colors = {{
        {255, 0, 0},    // background
        {0, 255, 0},    // text
        {255, 255, 0},  // button border
        {0, 0, 255},    // button background
        {255, 0, 255},  // button selected
    }};
    SDL_MessageBoxData box = {};
    box.flags = SDL_MESSAGEBOX_INFORMATION;
    box.window = nullptr;
    box.title = "PROMOTION";
    box.message = "select a piece";
    box.numbuttons = SDL_arraysize(buttons);
    box.buttons = buttons;
    box.colorScheme = &colors;
    int id = -1;
    if (SDL_ShowMessageBox(&box, &id) < 0)
        return -1;
    return id < 0 ? 0 : id;
}

}  // namespace

void InstallShellHooks()
{
    shell_hooks.reset_view = ResetView;
    shell_hooks.clutch = Clutch;
    shell_hooks.create_menus = CreateMenus;
    shell_hooks.redraw = Redraw;
    shell_hooks.set_window_title = SetTitle;
    shell_hooks.print_banner = PrintBanner;
    shell_hooks.stop_clocks = StopClocks;
    shell_hooks.choose_file = ChooseFileInDialog;
    shell_hooks.ask_text = AskTextInDialog;
    shell_hooks.mouse_move = MouseMove;
    shell_hooks.ask_promotion = AskPromotion;
}
