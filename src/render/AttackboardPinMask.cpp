// The free pins a selected attack board may move to, as the marker bits of
// attack_pins.
#include "render/render.h"

#include "movegen/movegen.h"

int AttackboardPinMask(POS_T* b, SQ_T selected)
{
    if (AbIndex(int(selected)) < 0)
        return 0;
    int where = WhereIsAttackBoard(b, int(selected));
    int pilot = 0;
    if (!BoardCanMove(b, int(selected), &pilot))
        return 0;
    bool tdcl = state.rules == RULES_TDCL;
    bool a = pilot >= 0 || (tdcl && pilot < -1);
    bool c = pilot > 0 || (tdcl && pilot < -1);
    bool bb = pilot <= 0 || (tdcl && pilot > 1);
    int mask = 0;
    for (const PIN_MOVES_T& r : pin_moves) {
        if (r.pin != where)
            continue;
        // From KL1 an empty board shows no step along its own side.
        if (r.pin == ABW_KL1 ? c : a)
            for (int p : r.toward_black)
                if (p)
                    mask |= AddABPin(b, p);
        if (bb)
            for (int p : r.toward_white)
                if (p)
                    mask |= AddABPin(b, p);
        for (int p : r.across)
            if (p)
                mask |= AddABPin(b, p);
    }
    return mask;
}
