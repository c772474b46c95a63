// The free pins a selected attack board may move to, as the marker bits of
// attack_pins.
#include "render/render.h"

#include "movegen/movegen.h"

namespace {

// From each pin: the pins reached when the passenger allows the first
// direction (or always, when the board is empty), the second, and always.
struct PIN_REACH_T {
    ABWHERE_E at;
    ABWHERE_E if_a[3], if_b[3], always[2];
};

const PIN_REACH_T reach[12] = {
    {ABW_QL1, {ABW_QL2, ABW_QL3}, {}, {ABW_KL1}},
    {ABW_QL2, {ABW_QL4}, {ABW_QL1, ABW_QL3}, {ABW_KL2, ABW_KL5}},
    {ABW_QL3, {ABW_QL2, ABW_QL4, ABW_QL5}, {ABW_QL1}, {ABW_KL3}},
    {ABW_QL4, {ABW_QL6}, {ABW_QL2, ABW_QL3, ABW_QL5}, {ABW_KL4}},
    {ABW_QL5, {ABW_QL4, ABW_QL6}, {ABW_QL3}, {ABW_KL2, ABW_KL5}},
    {ABW_QL6, {}, {ABW_QL4, ABW_QL5}, {ABW_KL6}},
    {ABW_KL1, {ABW_KL2, ABW_KL3}, {}, {ABW_QL1}},
    {ABW_KL2, {ABW_KL4}, {ABW_KL1, ABW_KL3}, {ABW_QL2, ABW_QL5}},
    {ABW_KL3, {ABW_KL2, ABW_KL4, ABW_KL5}, {ABW_KL1}, {ABW_QL3}},
    {ABW_KL4, {ABW_KL6}, {ABW_KL2, ABW_KL3, ABW_KL5}, {ABW_QL4}},
    {ABW_KL5, {ABW_KL4, ABW_KL6}, {ABW_KL3}, {ABW_QL2, ABW_QL5}},
    {ABW_KL6, {}, {ABW_KL4, ABW_KL5}, {ABW_QL6}},
};

}  // namespace

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
    for (const PIN_REACH_T& r : reach) {
        if (r.at != where)
            continue;
        // From KL1 an empty board shows no step along its own side.
        if (r.at == ABW_KL1 ? c : a)
            for (ABWHERE_E p : r.if_a)
                if (p)
                    mask |= AddABPin(p);
        if (bb)
            for (ABWHERE_E p : r.if_b)
                if (p)
                    mask |= AddABPin(p);
        for (ABWHERE_E p : r.always)
            if (p)
                mask |= AddABPin(p);
    }
    return mask;
}
