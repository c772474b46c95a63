// Pieces that may not leave their square: a slider behind them would then
// win the more valuable piece behind.
#include "movegen/movegen.h"
#include "makemove/makemove.h"
#include "eval/eval.h"

ETYPE_T FindPins(POS_T* b)
{
    b->pinned_mask = 0;
    if (b->stage == MATING)
        return 0;
    for (int white = 1; white >= 0; white--) {
        int first = white ? 2 : 18, last = white ? 15 : 31;
        int guard_first = white ? 0 : 16, guard_last = white ? 7 : 23;
        uint32_t enemy_sliders = b->sliding_mask & (white ? BLACK_SLOTS : WHITE_SLOTS);
        for (int i = first; i <= last; i++) {
            const PS_T& pi = b->pieces[i];
            if (!pi.p || pi.pos > 63)
                continue;
            for (uint32_t js = b->topieces[pi.pos] & enemy_sliders; js; js &= js - 1) {
                int j = FFOne(js);
                SQ_T pj = b->pieces[j].pos;
                if (pj > 63 || (b->topieces[pj] >> i & 1))
                    continue;
                for (int k = guard_first; k <= guard_last; k++) {
                    const PS_T& pk = b->pieces[k];
                    if (k == i || !pk.p || pk.pos > 63)
                        continue;
                    if (!SameLine(b, pj, pi.pos, pk.pos) || !EmptyLine(b, pi.pos, pk.pos))
                        continue;
                    int c = GetControl(b, b->topieces[pk.pos] | (1u << j), pk.p, pk.pos);
                    if (white ? c < 0 : c > 0)
                        b->pinned_mask |= 1u << i;
                }
            }
        }
    }
    return 0;
}
