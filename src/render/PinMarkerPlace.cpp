// Where a pin's marks stand: the outer corner of its level's corner square,
// under the middle of a board hanging from it.
#include "render/render.h"

bool PinMarkerPlace(POS_T* b, int pin, P3D_T* at)
{
    for (int i = 0; i < 12; i++) {
        if (int(attack_pins[i]) != pin)
            continue;
        // Queen's side on the left, king's side on the right; the first
        // three of each side at the front edge, the next three at the back.
        SQ_T sq = attack_pins[i];
        GetCoords(b, int(XPOS(sq)), int(YPOS(sq)), at);
        at->x += i >= 6 ? 1.0f : 0.0f;
        at->y += (i / 3) % 2 ? 1.0f : 0.0f;
        return true;
    }
    return false;
}
