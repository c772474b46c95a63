// A straight top view.
#include "render/render.h"
#include "shell/shell.h"

void Overhead()
{
    state.projection_ortho = 1;
    state.stipple = 1;
    state.xang = 0;
    state.yang = 0;
    *GetZAng() = 0;
}
