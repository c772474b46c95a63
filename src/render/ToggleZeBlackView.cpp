// The plain board seen from Black's side, and back.
#include "render/render.h"
#include "shell/shell.h"

void ToggleZeBlackView()
{
    static bool blackview = false;
    if (state.dmode != 2)
        return;
    if (blackview) {
        ResetView();
        blackview = false;
        return;
    }
    state.xang -= 120;
    if (state.xang < 0)
        state.xang += 360;
    state.yang -= 180;
    if (state.yang < 0)
        state.yang += 360;
    blackview = true;
}
