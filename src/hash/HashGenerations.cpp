// Ageing between searches: a new table generation per search, and history
// that fades with the moves played since the last search.
#include "hash/hash.h"

#include <cstring>

void HASH_C::HashChangeTag(int move_num)
{
    static int last_move_num = 0;
    if (move_num < last_move_num)
        HashReset();  // the game went back: undo, a new game or a restore
    last_move_num = move_num;
    hash_tag = (hash_tag % 15) + 1;
}

void OrderClear(int move_num)
{
    static int last_move_num = 0;
    int d = move_num - last_move_num;
    if (d < 3)
        d = 3;
    last_move_num = move_num;
    memset(hash_c.killers, 0, sizeof hash_c.killers);
    memset(hash_c.refutation, 0, sizeof hash_c.refutation);
    for (auto& row : hash_c.history)
        for (uint32_t& h : row)
            h = d >= 32 ? 0 : h >> d;
}
