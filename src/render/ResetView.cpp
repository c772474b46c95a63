// The default view of the current game mode.
#include "render/render.h"
#include "shell/shell.h"

void ResetView()
{
    AxesOnOff = 0;
    CapturedOnOff = 1;
    state.projection_ortho = 0;
    if (state.dmode == 3) {
        state.scale = 1.6f;
        state.stipple = 1;
        state.xang = 300;
    } else {
        state.scale = 2.0f;
        state.stipple = 0;
        state.xang = 330;
    }
    state.yang = 0;
    *GetZAng() = 0;
}
