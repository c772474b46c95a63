// The cache of direction tables, one per arrangement of the four attack
// boards. A table depends on nothing but its arrangement, so it is built once
// and never changed: any thread may read it. The shared cache is guarded for
// the rare build; each thread keeps a small cache of its own in front of it.
#include "board/board.h"
#include "record/record.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace {

// Never destroyed: the tables outlive every position that may point at them.
struct Cache {
    std::mutex mutex;
    std::unordered_map<int, BC_T*> stored;  // grows without bound
    int index = 0;                          // tables built
};
Cache& TheCache()
{
    static Cache* cache = new Cache;
    return *cache;
}
std::atomic<unsigned> bc_generation{1};  // changes when the cache is emptied

struct NearTable {
    int key;
    unsigned generation;
    BC_T* table;
};
thread_local NearTable near_tables[16];

void Append(BC_T* t, int di, SQ_T from, SQ_T to)
{
    BTO_T* list = t->List(di, from);
    if (list->n >= 4)
        Panic(true, "direction list overflow @ DirTo");
    list->tos[list->n++] = to;
}

// Every link is added both ways at the same moment.
void AddPath(BC_T* t, int direction, SQ_T from, SQ_T to)
{
    Append(t, DirIndex(direction), from, to);
    Append(t, DirIndex(-direction), to, from);
}

struct BoardCells {
    SQ_T a, b, c, d;  // a above c, b above d; b right of a, d right of c
};

BoardCells CellsOf(int ab)
{
    SQ_T base = WhereIsAB_C(ab);
    return {base + 1, base + 9, base, base + 8};
}

void SamePattern(BC_T* t, const BoardCells& o, const BoardCells& i)
{
    AddPath(t, NORTH, o.c, i.a);
    AddPath(t, NORTH, o.d, i.b);
    AddPath(t, NORTH_EAST, o.c, i.b);
    AddPath(t, EAST, o.a, i.b);
    AddPath(t, EAST, o.c, i.d);
    AddPath(t, SOUTH_EAST, o.a, i.d);
}

void UpPattern(BC_T* t, const BoardCells& o, const BoardCells& i)
{
    AddPath(t, NORTH, o.a, i.c);
    AddPath(t, NORTH, o.b, i.d);
    AddPath(t, N_N_E, o.a, i.b);
    AddPath(t, N_N_E, o.c, i.d);
    AddPath(t, NORTH_EAST, o.a, i.d);
    AddPath(t, NORTH_WEST, o.b, i.c);
    AddPath(t, N_N_W, o.b, i.a);
    AddPath(t, N_N_W, o.d, i.c);
}

// Links of one board's cells with the fixed levels, in list order: by
// direction, upper row before lower row, White's/Black's level before the
// neutral level, left cell before right cell.
void LinkToFixedLevels(BC_T* t, int pin, const BoardCells& cells)
{
    int f0, r0;
    PinCovers(pin, &f0, &r0);
    const SQ_T rows[2][2] = {{cells.a, cells.b}, {cells.c, cells.d}};
    const int row_rank[2] = {r0 + 1, r0};
    for (int di = 0; di < NUM_DIRS; di++) {
        int dir = dir_order[di];
        for (int row = 0; row < 2; row++)
            for (int pass = 0; pass < 2; pass++)
                for (int col = 0; col < 2; col++) {
                    SQ_T found[2];
                    int n = FixedSquaresAt(f0 + col + DirFileStep(dir), row_rank[row] + DirRankStep(dir), found);
                    for (int k = 0; k < n; k++)
                        if ((found[k] >= 32) == (pass == 0))
                            AddPath(t, dir, rows[row][col], found[k]);
                }
    }
}

void BuildTable(BC_T* t, const ABWHERE_E where[4])
{
    static const char* const same_pin[12] = {
        "Error! QL1 @ DirTo", "Error! QL2 @ DirTo", "Error! QL3 @ DirTo",
        "Error! QL4 @ DirTo", "Error! QL5 @ DirTo", "Error! QL6 @ DirTo",
        "Error! KL1 @ DirTo", "Error! KL2 @ DirTo", "Error! KL3 @ DirTo",
        "Error! KL4 @ DirTo", "Error! KL5 @ DirTo", "Error! KL6 @ DirTo"};
    static const ABWHERE_E pin_by_name[12] = {ABW_QL1, ABW_QL2, ABW_QL3, ABW_QL4, ABW_QL5, ABW_QL6,
                                              ABW_KL1, ABW_KL2, ABW_KL3, ABW_KL4, ABW_KL5, ABW_KL6};
    InitTableStorage(t);
    const BC_T& core = BcCore();
    for (int k = 0; k < NUM_DIRS * 64; k++) {
        t->lists[k].n = core.lists[k].n;
        memcpy(t->lists[k].tos, core.lists[k].tos, 4 * sizeof(SQ_T));
    }
    for (int outer = 0; outer < 4; outer++) {
        int f0, r0;
        if (!PinCovers(where[outer], &f0, &r0))
            Panic(true, "Bad outer board @ DirTo");
        BoardCells o = CellsOf(outer);
        LinkToFixedLevels(t, where[outer], o);
        for (int inner = 0; inner < 4; inner++) {
            BoardCells i = CellsOf(inner);
            if (inner == outer) {
                SamePattern(t, o, o);
                continue;
            }
            int fi, ri;
            if (!PinCovers(where[inner], &fi, &ri))
                Panic(true, "Error! Bad inner board @ DirTo");
            if (where[inner] == where[outer]) {
                for (int k = 0; k < 12; k++)
                    if (pin_by_name[k] == where[outer])
                        Panic(true, same_pin[k]);
            }
            if (fi != f0)
                continue;  // opposite sides never touch
            int step = PinChain(where[inner]) - PinChain(where[outer]);
            if (step == 1)
                UpPattern(t, o, i);
            else if (step == 0)
                SamePattern(t, o, i);  // the stacked pair over the same squares
        }
    }
    BuildLineMap(where, t);
}

}  // namespace

int BoardConfigKey(const POS_T* b)
{
    return (int)(((uint32_t)b->whereis_board[0] << 24) | ((uint32_t)(b->whereis_board[1] & 255) << 16) |
                 ((uint32_t)(b->whereis_board[2] & 255) << 8) | (uint32_t)(b->whereis_board[3] & 255));
}

BC_T* FindBoardConfig(POS_T* b)
{
    for (int i = 0; i < 4; i++)
        if (!IsPin(b->whereis_board[i]))
            Panic(true, "Bad outer board @ DirTo");
    int key = BoardConfigKey(b);
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    auto found = cache.stored.find(key);
    if (found != cache.stored.end())
        return found->second;
    BC_T* t = new BC_T;
    cache.index++;
    if (eval_show)
        ConsolePrint("\nBuilding %s #%d", GetAttackBoardString(b), cache.index);
    BuildTable(t, b->whereis_board);
    t->key = key;
    cache.stored[key] = t;
    return t;
}

int BoardConfigCount()
{
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    return cache.index;
}

// Only while no other thread looks up directions (a new game stops the
// thinking thread first): the tables are freed.
void ResetBoardConfigCache()
{
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    for (auto& kv : cache.stored)
        delete kv.second;
    cache.stored.clear();
    cache.index = 0;
    bc_generation++;
}

BC_T* ConfigTable(POS_T* b)
{
    int key = BoardConfigKey(b);
    NearTable& near = near_tables[((uint32_t)key * 2654435761u) >> 28];
    unsigned generation = bc_generation.load(std::memory_order_relaxed);
    if (near.key != key || near.generation != generation || !near.table)
        near = {key, generation, FindBoardConfig(b)};
    return near.table;
}
