// What the core asks of the window: the thinking thread, the menus, redraws,
// the title, the banner, the clocks and the file chooser.
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include "render/render.h"

#include <GL/freeglut.h>

namespace {

void Redraw() { RequestRedisplay(); }
void SetTitle(const char* title) { glutSetWindowTitle(title); }
void PrintBanner() { Keyboard('?', 0, 0); }
void StopClocks() { timers.timermode = TM_STOPPED; }

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
    shell_hooks.choose_file = ChooseFileWithZenity;
}
