// The zero-window search of one node: is its value, for the side to move, at
// least testv? Table probes and stores, the lazy completion of the move that
// led here, extensions and the frontier reduction, the null move.
#include "search/search.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"

namespace {

bool InCheck(const POS_T* b) { return b->flags & FLAG_IN_CHECK; }
bool Extended(const POS_T* b) { return b && (b->flags & FLAG_EXTENDED); }
bool AfterNull(int ply) { return ply >= 1 && ply - 1 <= MAX_SEARCH_PLY && search.null_ply[ply - 1]; }

// A move of a piece other than a pawn that captures nothing (so no promotion
// either); an attack board's own move is never one. The reductions and
// pruning below are for these only. On the levels they gained nothing while
// a tri-dimensional position lost the line before it; with the line kept
// they do.
bool QuietPieceMove(const POS_T* b, const MOVE_T* m)
{
    return AbIndex(m->piece_moving) < 0 && m->to < 64 && m->from < 64 && b->board[m->to] == 0 &&
           abs(m->piece_moving) != W_PAWN;
}

// Late in the order, with the side to move out of check and depth to spare.
bool LateQuietMove(const POS_T* b, const MOVE_T* m, int index, int depth)
{
    return depth >= 3 && index >= 4 && !InCheck(b) && QuietPieceMove(b, m);
}

ETYPE_T FutilityMargin(int depth) { return depth <= 1 ? 9000 : 30000; }

// Near the frontier, out of check: a quiet move after the first whose static
// value plus a margin stays below the test (if it gives no check).
bool Futile(const POS_T* b, const MOVE_T* m, int index, int depth, ETYPE_T v1, ETYPE_T testv)
{
    return depth <= 2 && index >= 1 && !InCheck(b) && !IsMateScore(testv) && v1 + FutilityMargin(depth) < testv &&
           QuietPieceMove(b, m);
}

}  // namespace

int DepthExtensions(POS_T* b, int depth, int ply, ETYPE_T v1, ETYPE_T testv)
{
    if (AfterNull(ply))
        return depth;
    int ext = 0, result = depth;
    if (depth + ply < search.search_depth + 20) {
        POS_T* old = b->oldb;
        if (InCheck(b)) {
            b->flags |= FLAG_EXTENDED;
            ext = 1;
            result = depth + 1;
        } else if (Extended(old)) {
            ext = 1;
        } else if (old && old->oldb && b->last_move.to == old->last_move.to && b->last_move.to < 64 &&
                   old->oldb->board[b->last_move.to] && abs(b->board[b->last_move.to]) != W_PAWN &&
                   abs((b->w_material - b->b_material) - (old->oldb->w_material - old->oldb->b_material)) <= 4999) {
            b->flags |= FLAG_EXTENDED;  // an even recapture
            ext = 1;
            result = depth + 1;
        }
    }
    if (!ext) {
        if (Extended(b) || Extended(b->oldb))
            result = depth;
        else if (depth == 1 && v1 < testv - 9000 && b->oldb && testv <= MATE_BOUND - 1)
            result = 0;  // hopeless at the frontier: straight to quiescence
                         // (no static value says a mate is out of reach)
    }
    return result;
}

ETYPE_T abtest(POS_T* b, int depth0, ETYPE_T testv, int ply)
{
    // 1-2. Horizon, counters, mate distance.
    if (depth0 < 1 || ply >= MAX_SEARCH_PLY)
        return StartQuiesce(b, testv, ply);
    search.nodes++;
    search.maxply = imax(search.maxply, ply);
    testv = MateAdjustIn(testv);
    if (SearchExpired())
        return testv - 1;  // the caller sees the stop and discards this

    // 3. The table.
    MOVE_T m1;
    ZeroMove(&m1);
    ETYPE_T v;
    if (hash_c.CheckHash(b, depth0, testv, &v, &m1))
        return MateAdjustOut(v);

    // 4. The move that led here may have left its own king attacked.
    if (!DoMovePart2(b, &b->last_move))
        return INFINITE_SCORE;
    if (MateDistanceDecides(testv, &v))
        return MateAdjustOut(v);

    // 5-6. Static value and the depth this node gets.
    ETYPE_T v1 = StaticValue(b, testv, depth0);
    int depth = DepthExtensions(b, depth0, ply, v1, testv);
    if (depth < 1)
        return StartQuiesce(b, testv, ply);

    // A static value far enough above the test near the frontier stands; a
    // ply or two rarely lose that much.
    if (depth <= 2 && !InCheck(b) && !IsMateScore(testv) && v1 - 12000 * depth >= testv)
        return MateAdjustOut(v1);

    bool white = IsWhitesMove(b);
    ETYPE_T g = -INFINITE_SCORE;
    int bm = -1;
    bool mate_threat = false;

    // 7. Null move: the same position with the other side to move, searched
    // as a child record of its own (the one the moves below use later).
    POS_T child_store;
    uint32_t own_pieces = b->piece_mask & (white ? 0x0000FFFEu : 0xFFFE0000u);
    int mobility = white ? b->white_moves : b->black_moves;
    if (ply < search.ply_limit && own_pieces && !AfterNull(ply) && !(ComputersMove(b) && depth <= 2) &&
        !InCheck(b) && mobility >= 7 && !IsMateScore(testv)) {
        int d2 = depth - 4;
        if (ComputersMove(b))
            d2 = imax(d2, 1);
        POS_T* passed = &child_store;
        *passed = *b;
        passed->enpassant = 0;
        passed->move_num++;
        passed->moves = nullptr;
        passed->num_moves = 0;
        passed->hash1 ^= 1;
        UpdatePawns(passed);
        UpdateTactics(passed);
        search.null_ply[ply] = 1;
        ETYPE_T w = -abtest(passed, d2, flip(testv), ply + 1);
        if (w >= testv && !ComputersMove(passed)) {
            // Trust a cutoff against the computer only after a deeper look.
            long before = search.nodes + search.quiesce_nodes;
            passed->moves = nullptr;
            passed->num_moves = 0;
            w = -abtest(passed, d2 + 1, flip(testv), ply + 1);
            search.confirm_nodes += search.nodes + search.quiesce_nodes - before;
        }
        search.null_ply[ply] = 0;
        if (SearchExpired())
            return w;
        if (w >= MATE_IN_ONE)
            w -= 10000;  // a mate in one after passing proves less
        if (w >= testv) {
            g = w;
            goto store;
        }
        if (w < -(MATE_BOUND - 1) && depth + ply < search.search_depth + 20) {
            b->flags |= FLAG_EXTENDED;
            mate_threat = true;
            depth++;
        }
    }

    // 8. Moves.
    if (!b->moves) {
        GenMoveList(b, ply, &m1, testv);
        for (int i = 0; i < b->num_moves; i++)
            b->moves[i].v = -399999;
    }
    if (b->num_moves == 0) {
        g = InCheck(b) ? -INFINITE_SCORE : 0;
        goto store;
    }
    if (InCheck(b) && b->num_moves == 1 && b->oldb && !Extended(b->oldb) &&
        depth + ply < search.search_depth + 20) {
        b->flags |= FLAG_EXTENDED;
        depth++;
    }
    depth = imin(depth, depth0 + 1);

    // 9. Look one move ahead through the table.
    if (hash_c.CheckHashEtc(b, b->moves, b->num_moves, depth, testv, &v, nullptr))
        return MateAdjustOut(v);

    // 10. The moves in order.
    {
        POS_T* b1 = &child_store;
        for (int i = 0; i < b->num_moves; i++) {
            MOVE_T* move = &b->moves[i];
            if (!IsValidMove(b, *move)) {
                Panic(false, "Bad move at abtest");
                continue;
            }
            if (!DoMovePart1(b1, b, move)) {
                move->v = -INFINITE_SCORE;
                continue;
            }
            ETYPE_T w;
            if (Futile(b, move, i, depth, v1, testv)) {
                if (!DoMovePart2(b1, &b1->last_move)) {
                    move->v = -INFINITE_SCORE;
                    continue;
                }
                if (!InCheck(b1)) {
                    // A quiet move this far below the test near the
                    // frontier is not searched.
                    move->v = w = v1 + FutilityMargin(depth);
                    if (w > g) {
                        g = w;
                        bm = i;
                    }
                    continue;
                }
            }
            if (CheckRepetition(b1, 1)) {
                w = DrawValue(b) * NextToPlay(b);
            } else if (depth > depth0 && !mate_threat && !InCheck(b)) {
                w = -abtest(b1, depth0 - 1, flip(testv), ply + 1);
                bool favours_computer = ComputersMove(b) ? w >= testv : w < testv;
                if (w != -INFINITE_SCORE && favours_computer) {
                    b1->moves = nullptr;
                    b1->num_moves = 0;
                    w = -abtest(b1, depth - 1, flip(testv), ply + 1);
                }
            } else if (LateQuietMove(b, move, i, depth)) {
                // A late quiet move is first searched a ply shallower; only
                // one that would cut off is searched again at full depth.
                w = -abtest(b1, depth - 2, flip(testv), ply + 1);
                if (w != -INFINITE_SCORE && w >= testv && !SearchExpired()) {
                    b1->moves = nullptr;
                    b1->num_moves = 0;
                    w = -abtest(b1, depth - 1, flip(testv), ply + 1);
                }
            } else {
                w = -abtest(b1, depth - 1, flip(testv), ply + 1);
            }
            move->v = w;
            if (SearchExpired())
                return g;
            if (w > g) {
                g = w;
                bm = i;
                if (g >= testv) {
                    CutoffHint(b, i, depth, ply);
                    break;
                }
            }
        }
    }

store:
    // 11. Store at the depth asked for, then the mate distance.
    if (g == -INFINITE_SCORE && !InCheck(b))
        g = 0;
    hash_c.HashInsert(b, depth0, testv, g, bm >= 0 ? &b->moves[bm] : nullptr);
    return MateAdjustOut(g);
}
