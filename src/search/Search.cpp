// The search driver: iterative deepening, each iteration an MTD(f) sequence
// of zero-window tests of the root.
#include "search/search.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"

#include <cstdio>
#include <cstring>


int ComputersMove(POS_T* b)
{
    bool computer_white = b->flags & COMPUTER_IS_WHITE;
    return NextToPlay(b) == 1 ? computer_white : !computer_white;
}

int SearchExpired()
{
    if (search_stop_requested && search_stop_requested())
        return 1;
    if (search_node_limit > 0 && search.nodes + search.quiesce_nodes >= search_node_limit)
        return 1;
    if (search.search_depth > 2) {
        if (search.nodes < search.last_test)
            search.last_test = search.nodes;
        if (search.nodes > search.last_test + 1000) {
            if (move_timer.TimerExpired())
                return 1;
            search.last_test = search.nodes;
        }
    }
    return 0;
}

void RootMoves(POS_T* b, MOVE_T* move)
{
    if (b->moves)
        return;
    GenMoveList(b, 0, move, 0);
    for (int i = 0; i < b->num_moves; i++) {
        if (!IsValidMove(b, b->moves[i])) {
            Panic(false, "Bad move at RootMoves");
            continue;
        }
        b->moves[i].v = EvalMoveTactics(b, &b->moves[i]);
    }
    SortMoves(b->moves, b->num_moves);
    while (b->num_moves > 0 && b->moves[b->num_moves - 1].v <= -INFINITE_SCORE)
        b->num_moves--;
}

ETYPE_T abroot(POS_T* b, int depth, ETYPE_T testv, MOVE_T* move)
{
    ETYPE_T best = -INFINITE_SCORE;
    search.search_depth = depth;
    search.nodes++;

    // Step 2: the table's move, when it decides the test and is sound.
    MOVE_T m1;
    ZeroMove(&m1);
    ETYPE_T v;
    POS_T child;
    if (hash_c.CheckHash(b, depth, testv, &v, &m1) && !IsZeroMove(&m1)) {
        MOVE_T* listed = ListedMove(b->moves, b->num_moves, &m1);
        MOVE_T made = listed ? *listed : m1;
        if (listed && DoMove(&child, b, &made) && !CheckRepetition(&child, 1)) {
            *move = *listed;
            return v;
        }
    }
    // Step 3: a child's entry may prove the test.
    if (hash_c.CheckHashEtc(b, b->moves, b->num_moves, depth, testv, &v, move))
        return v;

    // Step 4: search the moves.
    MOVE_T first = IsZeroMove(move) ? m1 : *move;
    OrderMoves(b, b->moves, b->num_moves, 0, &first, testv);
    for (int i = 0; i < b->num_moves; i++) {
        MOVE_T* m = &b->moves[i];
        if (!IsValidMove(b, *m)) {
            Panic(false, "Bad move at abroot");
            continue;
        }
        MOVE_T made = *m;
        if (IsZeroMove(m) || !DoMove(&child, b, &made)) {
            m->v = -INFINITE_SCORE;
            continue;
        }
        if (CheckRepetition(&child, 1))
            v = DrawValue(b) * NextToPlay(b);
        else
            v = -abtest(&child, depth - 1, flip(testv), 1);
        if (SearchExpired())
            return best;
        m->v = v;
        best = emax(best, v);
        if (best >= testv) {
            *move = *m;
            break;
        }
    }
    if (best == -INFINITE_SCORE && !(b->flags & FLAG_IN_CHECK))
        best = 0;  // stalemate
    hash_c.HashInsert(b, depth, testv, best, move);
    return best;
}

int MtdConverged(POS_T* b, int alpha, int depth)
{
    if (!b->moves)
        return 0;
    int count = 0;
    POS_T child;
    for (int i = 0; i < b->num_moves; i++) {
        MOVE_T made = b->moves[i];
        if (!DoMove(&child, b, &made)) {
            ConsolePrint("\nillegal move %s in mtd_converged", CoordinateMove(&b->moves[i], b->dmode).c_str());
            return 0;
        }
        TABLE_ENTRY_T* e = hash_c.FetchHash(&child);
        if (!e || e->depth_high < depth - 1)
            return 0;
        if (-e->low > alpha)
            count++;
    }
    return count == 1;
}

ETYPE_T MTDSearch(POS_T* b, MOVE_T* move, int depth, ETYPE_T guess)
{
    static const float offsets[7] = {0.5f, 2, 6, 13, 30, 30, 30};
    ETYPE_T lower = -INFINITE_SCORE, upper = INFINITE_SCORE, g = guess;
    int loops = 0, up = 0, down = 0, expired = 0;
    search.si_converged = search.small_window = search.mtd_count = 0;
    RootMoves(b, move);
    if (hash_c.CheckHashEtc(b, b->moves, b->num_moves, depth, -INFINITE_SCORE, &lower, move))
        g = lower;

    // Phase 1: find a lower bound, stepping down further after each fail low.
    while (lower == -INFINITE_SCORE && upper > -INFINITE_SCORE && loops < 7 && !expired) {
        ETYPE_T y = (ETYPE_T)(g - offsets[loops] * 10000);
        if (y <= lower)
            y = lower + 100;
        if (y >= upper)
            y = upper - 100;
        g = root_test(b, depth, y, move);
        search.mtd_count++;
        loops++;
        if (SearchExpired()) {
            expired = 1;
            if (lower == -INFINITE_SCORE)
                lower = guess;
        } else if (g < y) {
            upper = g;
        } else {
            lower = g;
        }
    }
    if (expired)
        return lower;
    if (lower == upper) {
        search.small_window = 1;
        return lower;
    }
    if (search.mtd_count == 1 && g < guess)
        g = emax(guess - 350, g);
    if (search.mtd_count == 0)
        g += 700;

    // Phase 2: close the window, with steps that grow while a side repeats.
    // A mate is closed exactly: a shorter one is only two points better.
    auto mating = [&] { return IsMateScore(lower) || IsMateScore(upper); };
    while (lower < upper && (lower + 10 < upper || mating()) && !expired) {
        loops++;
        ETYPE_T y = g;
        if (g == lower) {
            up++;
            down = 0;
            y = emin(g + up * up * 700, (lower + upper) / 2);
        } else if (g == upper) {
            down++;
            up = 0;
            y = emax(g - down * down * 700, (lower + upper) / 2);
        }
        if (mating())
            y = emin(emax(y, lower + 1), upper);
        else if (lower >= -MATE_IN_ONE && upper <= MATE_IN_ONE && MtdConverged(b, lower, depth))
            break;
        g = root_test(b, depth, y, move);
        search.mtd_count++;
        if (SearchExpired()) {
            expired = 1;
            if (lower == -INFINITE_SCORE)
                lower = guess;
            break;
        }
        if (g < y)
            upper = g;
        else
            lower = g;
        if (lower >= INFINITE_SCORE || upper <= -INFINITE_SCORE) {
            search.si_converged = 1;
            break;
        }
        if (lower >= upper - 700 && (search.mtd_count > 30 || !IsMateScore(lower)))
            break;
    }
    if (lower == -INFINITE_SCORE)
        lower = g;
    if (lower >= upper - 700)
        search.small_window = 1;
    return lower;
}

int TerribleMove(POS_T* b, MOVE_T* move, ETYPE_T* v)
{
    POS_T child;
    MOVE_T made = *move;
    if (IsZeroMove(move) || !DoMove(&child, b, &made))
        return 0;
    TABLE_ENTRY_T* e = hash_c.FetchHash(&child);
    if (e && e->high > 10000 - *v) {
        *v = -2 - e->low;
        return 1;
    }
    return 0;
}

ETYPE_T Search(POS_T* b, MOVE_T* move_t, int max_depth)
{
    // 1-2. Counters, ageing.
    if (eval_show)
        ConsolePrint("\nSearch");
    memset(&search, 0, sizeof search);
    search.ply_limit = max_depth;
    hash_c.bad_updates = hash_c.good_updates = hash_c.hash_misses = hash_c.hash_hits = hash_c.hash_shallow = 0;
    ETYPE_T v = 0;
    OrderClear(b->move_num);
    hash_c.HashChangeTag(b->move_num);
    ZeroMove(move_t);

    // 3. A root the table knows starts at the depth it proves.
    int depth = imax(1, imin(2, max_depth - 1));
    if (TABLE_ENTRY_T* e = hash_c.FetchHash(b)) {
        if (e->move_num == 0 && HashEntryMove(b, e, move_t)) {
            depth = imax(e->depth_low, depth);
            v = e->low;
            if (e->depth_high >= e->depth_low && e->high <= e->low + 700)
                depth++;
        }
    }

    // 4-5. Iterations.
    int edepth = depth - 1, terminate = 0;
    while (!terminate && depth < max_depth) {
        ETYPE_T guess = v;
        int force = 0;
        for (int tries = 1;; tries++) {
            v = MTDSearch(b, move_t, depth, guess);
            int expired = move_timer.TimerExpired();
            force = b->num_moves == 1;
            if (!force && expired && !search.si_converged && TerribleMove(b, move_t, &v) && tries <= 3) {
                guess = v;
                Panic(false, "overtime guess");
                continue;
            }
            break;
        }
        if (edepth > 2) {
            if (!SearchExpired())
                edepth = depth;
            terminate = move_timer.TimerTerminate(force);
        }
        if (!SearchExpired())
            edepth = depth;
        else
            terminate = 1;
        if (eval_show) {
            unsigned long ms = (unsigned long)(move_timer.ElapsedSeconds() * 1000);
            ConsolePrint("\n%s:%s %s d=%d %ld nodes mtd=%d %lumsec %.1fkNPS ", NextToPlay(b) >= 0 ? "W" : "B",
                   CoordinateMove(move_t, b->dmode).c_str(), EvalStr(v), edepth, search.nodes, search.mtd_count, ms,
                   double(search.nodes + search.quiesce_nodes) / double(ms ? ms : 1));
        }
        if (search_iteration_hook)
            search_iteration_hook(b, edepth, v, move_t);
        hash_c.hash_hits = hash_c.hash_misses = hash_c.hash_shallow = 0;
        // A mate ends the search once every shorter one lay within the full
        // width of an iteration.
        if (IsMateScore(v) && MatePlies(v) <= edepth)
            terminate = 1;
        depth++;
    }
    return v;
}
