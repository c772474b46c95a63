// A straight top view, zoomed so that the whole board lies below the status
// text and clear of the captured pieces' columns.
#include "render/render.h"
#include "shell/shell.h"

#include <algorithm>

// The zoom at which the board, seen from above, fits the window of the
// given size without the text band at the top and the side columns.
float OverheadScale(int dmode, int width, int height)
{
    // World units from the centre to the farthest cell edge: the plain
    // board's 8 x 8; the tri-dimensional levels with the attack boards on
    // their outermost pins (every pin lies within), so that the zoom does
    // not change as the boards move.
    float reach_x = dmode == 3 ? 3.0f : 4.0f;
    float reach_y = dmode == 3 ? 5.0f : 4.0f;
    if (width <= 0 || height <= 0)
        return 1.0f;
    // The orthographic view shows 16 units across the shorter side.
    float pixels_per_unit = float(std::min(width, height)) / 16.0f;
    const float side_margin = 70.0f;  // the captured pieces' columns
    float room_x = float(width) / 2.0f - side_margin;
    float room_y = float(height) / 2.0f - float(STATUS_TEXT_BAND) - 6.0f;
    float scale = std::min(room_x / (reach_x * pixels_per_unit), room_y / (reach_y * pixels_per_unit));
    return std::max(scale, 0.1f);
}

void Overhead()
{
    state.projection_ortho = 1;
    state.stipple = 1;
    state.xang = 0;
    state.yang = 0;
    *GetZAng() = 0;
    state.scale = OverheadScale(state.dmode, window_width, window_height);
}
