// Finding a move, known only as far as a table or a caller recorded it, in a
// generator's list.
#include "movegen/movegen.h"

MOVE_T* ListedMove(MOVE_T* list, int n, const MOVE_T* m)
{
    auto special = [](char c) { return IsPromotionSymbol(c) || c == 'S' || c == 'L'; };
    MOVE_T* loose = nullptr;
    for (int i = 0; i < n; i++) {
        MOVE_T* l = &list[i];
        if (l->from != m->from || l->to != m->to || l->piece_moving != m->piece_moving)
            continue;
        if (l->move_symbol == m->move_symbol)
            return l;
        if (!loose && !special(l->move_symbol) && !special(m->move_symbol))
            loose = l;
    }
    return loose;
}
