// The reach map (which squares a piece of each kind could reach on an empty
// board) and the line map (which squares share a straight line, and in which
// direction). Each configuration's line map is kept with its direction table,
// so threads working in different configurations never disturb each other;
// the reach map is one union over every configuration met in the run.
#include "board/board.h"
#include "eval/eval.h"

#include <cstring>
#include <cstdlib>
#include <mutex>

std::atomic<char> capture_map[13][64][64];

namespace {

LINE_MAP_T plain_sliding;

void Reach(int piece, SQ_T from, SQ_T to)
{
    capture_map[piece + 6][from][to].store(1, std::memory_order_relaxed);
}

void ReachBoth(int piece, SQ_T from, SQ_T to)
{
    Reach(piece, from, to);
    Reach(-piece, from, to);
}

// One step of a ray with the gap continuations: a rook line leaves an attack
// board across pins where no board stands, up the outer file or along the end
// rank, to the next board. Only the directions the map builder walks (north
// and east) continue.
int StepAcrossGaps(const ABWHERE_E where[4], const BC_T* t, SQ_T from, int dir, SQ_T out[4])
{
    const BTO_T* list = t->List(DirIndex(dir), from);
    if (list->n) {
        memcpy(out, list->tos, list->n * sizeof(SQ_T));
        return (int)list->n;
    }
    int ab = AttackBoardOfSquare(from);
    if (ab < 0)
        return 0;
    int pin = where[ab];
    SQ_T offset = from - WhereIsAB_C(ab);
    auto board_at = [&](int p) {
        for (int i = 0; i < 4; i++)
            if ((int)where[i] == p)
                return i;
        return -1;
    };
    if (dir == NORTH) {
        static const int queen_above[5] = {ABW_QL3, ABW_QL5, ABW_QL2, ABW_QL4, ABW_QL6};
        static const int king_above[5] = {ABW_KL3, ABW_KL5, ABW_KL2, ABW_KL4, ABW_KL6};
        static const int chain_of[5] = {1, 2, 2, 3, 4};
        bool queen_side = pin == ABW_QL1 || pin == ABW_QL2 || pin == ABW_QL3 || pin == ABW_QL4 ||
                          pin == ABW_QL5 || pin == ABW_QL6;
        if (queen_side ? offset != 1 : offset != 9)
            return 0;  // only the outer file continues
        const int* above = queen_side ? queen_above : king_above;
        int own_chain = 0;
        for (int k = 0; k < 5; k++)
            if (above[k] == pin)
                own_chain = chain_of[k];
        for (int k = 0; k < 5; k++) {
            if (chain_of[k] <= own_chain)
                continue;
            int next = board_at(above[k]);
            if (next >= 0) {
                out[0] = WhereIsAB_C(next) + (queen_side ? 0 : 8);
                return 1;
            }
        }
        return 0;
    }
    if (dir == EAST) {
        if (pin == ABW_QL6 && offset == 9) {
            int next = board_at(ABW_KL6);
            if (next >= 0) {
                out[0] = WhereIsAB_C(next) + 1;
                return 1;
            }
        }
        if (pin == ABW_QL1 && offset == 8) {
            int next = board_at(ABW_KL1);
            if (next >= 0) {
                out[0] = WhereIsAB_C(next);
                return 1;
            }
        }
    }
    return 0;
}

// Every square a ray from `from` reaches within ten steps: the first two steps
// may cross gaps, later ones follow the ordinary lists.
uint64_t RayReach(const ABWHERE_E where[4], const BC_T* t, SQ_T from, int dir)
{
    uint64_t reach = 0, frontier = 1ULL << from;
    for (int step = 1; step <= 10 && frontier; step++) {
        uint64_t next = 0;
        for (SQ_T s = 0; s < 64; s++) {
            if (!(frontier >> s & 1))
                continue;
            SQ_T out[4];
            int n;
            if (step <= 2) {
                n = StepAcrossGaps(where, t, s, dir, out);
            } else {
                const BTO_T* list = t->List(DirIndex(dir), s);
                n = (int)list->n;
                memcpy(out, list->tos, n * sizeof(SQ_T));
            }
            for (int k = 0; k < n; k++)
                next |= 1ULL << out[k];
        }
        reach |= next;
        frontier = next;
    }
    return reach;
}

const int line_dirs[4] = {EAST, NORTH, NORTH_EAST, SOUTH_EAST};

void UpdateMaps2D()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (SQ_T s = 0; s < 64; s++) {
            int x = XPOS(s), y = YPOS(s);
            if (y != 0 && y != 7) {
                if (x != 0) {
                    Reach(W_PAWN, s, s - 7);
                    Reach(B_PAWN, s, s - 9);
                }
                if (x != 7) {
                    Reach(W_PAWN, s, s + 9);
                    Reach(B_PAWN, s, s + 7);
                }
            }
            for (SQ_T t = 0; t < 64; t++) {
                if (s == t)
                    continue;
                int dx = abs((int)XPOS(t) - x), dy = abs((int)YPOS(t) - y);
                if ((dx == 1 && dy == 2) || (dx == 2 && dy == 1))
                    ReachBoth(W_KNIGHT, s, t);
                if (dx == dy) {
                    ReachBoth(W_BISHOP, s, t);
                    ReachBoth(W_QUEEN, s, t);
                }
                if (dx == 0 || dy == 0) {
                    ReachBoth(W_ROOK, s, t);
                    ReachBoth(W_QUEEN, s, t);
                }
                if (dx < 2 && dy < 2)
                    ReachBoth(W_KING, s, t);
                if (dx == 0 || dy == 0 || dx == dy) {
                    int fx = (int)XPOS(t) > x ? 1 : (int)XPOS(t) < x ? -1 : 0;
                    int fy = (int)YPOS(t) > y ? 1 : (int)YPOS(t) < y ? -1 : 0;
                    plain_sliding[s][t] = (signed char)(fx * 8 + fy);
                }
            }
        }
        InitEvalTables();
    });
}

}  // namespace

void BuildLineMap(const ABWHERE_E where[4], BC_T* t)
{
    // Step reach of kings, pawns and knights.
    for (SQ_T s = 0; s < 64; s++)
        for (int di = 0; di < NUM_DIRS; di++) {
            int dir = dir_order[di];
            const BTO_T* list = t->List(di, s);
            for (unsigned k = 0; k < list->n; k++) {
                SQ_T to = list->tos[k];
                bool knight = dir == N_N_E || dir == E_N_E || dir == E_S_E || dir == S_S_E || dir == S_S_W ||
                              dir == W_S_W || dir == W_N_W || dir == N_N_W;
                if (knight) {
                    ReachBoth(W_KNIGHT, s, to);
                    continue;
                }
                ReachBoth(W_KING, s, to);
                if (dir == NORTH_WEST || dir == NORTH_EAST)
                    Reach(W_PAWN, s, to);
                if (dir == SOUTH_WEST || dir == SOUTH_EAST)
                    Reach(B_PAWN, s, to);
            }
        }
    // Lines of the sliding pieces.
    memset(t->sliding, 0, sizeof t->sliding);
    uint64_t reach[64][4];
    for (SQ_T s = 0; s < 64; s++)
        for (int k = 0; k < 4; k++)
            reach[s][k] = RayReach(where, t, s, line_dirs[k]);
    for (SQ_T s = 0; s < 64; s++)
        for (SQ_T to = 0; to < 64; to++) {
            if (s == to)
                continue;
            for (int k = 0; k < 4; k++) {
                if (!(reach[s][k] >> to & 1))
                    continue;
                int d = line_dirs[k];
                t->sliding[s][to] = (signed char)d;
                t->sliding[to][s] = (signed char)-d;
                // A line runs both ways, so the reach does too.
                int slider = (d == EAST || d == NORTH) ? W_ROOK : W_BISHOP;
                ReachBoth(slider, s, to);
                ReachBoth(slider, to, s);
                ReachBoth(W_QUEEN, s, to);
                ReachBoth(W_QUEEN, to, s);
            }
        }
    InitEvalTables();
}

void UpdateMaps(POS_T* b)
{
    if (IsPlainGame(b))
        UpdateMaps2D();
    else
        b->bc_active = ConfigTable(b);
}

const LINE_MAP_T& SlidingMap(POS_T* b)
{
    if (IsPlainGame(b)) {
        UpdateMaps2D();
        return plain_sliding;
    }
    return ConfigTable(b)->sliding;
}

int SameLine(POS_T* b, SQ_T p1, SQ_T p2, SQ_T p3)
{
    if (p1 > 63 || p2 > 63 || p3 > 63)
        return 0;
    const LINE_MAP_T& line = SlidingMap(b);
    int d = line[p1][p2];
    return d != 0 && d == line[p2][p3];
}

int UMDirTo(POS_T* b, SQ_T from, int dir, BTO_T* glo_t)
{
    if (IsPlainGame(b) || from > 63 || DirIndex(dir) < 0)
        return DirTo(b, from, dir, glo_t);
    BC_T* t = ConfigTable(b);
    SQ_T out[4];
    int n = StepAcrossGaps(b->whereis_board, t, from, dir, out);
    glo_t->n = n;
    glo_t->tos[0] = NO_SQUARE;
    memcpy(glo_t->tos, out, n * sizeof(SQ_T));
    return n;
}

bool UMJump(POS_T* b, SQ_T to, SQ_T from, int delta)
{
    if (to == from || to > 63 || from > 63 || DirIndex(delta) < 0)
        return false;
    if (IsPlainGame(b)) {
        SQ_T room[7];
        BTO_T t = {0, room};
        for (int step = 0, s = (int)from; step < 10 && DirTo(b, s, delta, &t); step++) {
            s = (int)t.tos[0];
            if ((SQ_T)s == to)
                return true;
        }
        return false;
    }
    return RayReach(b->whereis_board, ConfigTable(b), from, delta) >> to & 1;
}
