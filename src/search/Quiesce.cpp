// Below the nominal depth only moves that change material are followed:
// promotions, captures and (plain game) en passant, with the static value as
// the stand-pat score; positions in check are searched with every evasion.
#include "search/search.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"


ETYPE_T StartQuiesce(POS_T* b, ETYPE_T testv, int ply)
{
    search.quiesce_start_ply = ply + 1;
    search.maxdepth = imax(search.maxdepth, ply);
    if (ply > search.search_depth)
        search.extended_nodes++;
    if (ply < search.search_depth)
        search.truncated_nodes++;
    search.nodes++;
    return Quiesce(b, testv, ply + 1);
}

namespace {

// Tries one move; answers true when it ends the node with a cutoff.
bool Try(POS_T* b, POS_T* child, MOVE_T m, ETYPE_T testv, int ply, ETYPE_T* v)
{
    if (!DoMovePart1(child, b, &m))
        return false;
    ETYPE_T w = -Quiesce(child, flip(testv), ply + 1);
    if (w > *v) {
        *v = w;
        if (w >= testv)
            return true;
    }
    return false;
}

// Whether the side to move has a legal move; past the ply limit a check is
// not answered by a search, but a mate is still a mate.
bool HasAnyMove(POS_T* b, int ply)
{
    if (!b->moves)
        GenMoveList(b, ply, nullptr, 0);
    POS_T child;
    for (int i = 0; i < b->num_moves; i++) {
        MOVE_T m = b->moves[i];
        if (DoMove(&child, b, &m))
            return true;
    }
    return false;
}

}  // namespace

ETYPE_T Quiesce(POS_T* b, ETYPE_T testv, int ply)
{
    // 1-4. Counters, the table, completing the move, check.
    if (ply != search.quiesce_start_ply)
        search.quiesce_nodes++;
    search.maxply = imax(search.maxply, ply);
    testv = MateAdjustIn(testv);
    ETYPE_T v;
    if (hash_c.CheckHash(b, 0, testv, &v, nullptr))
        return MateAdjustOut(v);
    if (!DoMovePart2(b, &b->last_move))
        return INFINITE_SCORE;
    if (MateDistanceDecides(testv, &v))
        return MateAdjustOut(v);
    if ((b->flags & FLAG_IN_CHECK) && ply < search.ply_limit && ply < MAX_SEARCH_PLY)
        return QuiesceCheck(b, testv, ply);
    if ((b->flags & FLAG_IN_CHECK) && !HasAnyMove(b, ply))
        return MateAdjustOut(-INFINITE_SCORE);

    // 5-7. Stand pat.
    v = StaticValue(b, testv, 0);
    if (v >= testv || ply >= search.ply_limit || ply >= MAX_SEARCH_PLY)
        return MateAdjustOut(v);
    if (!(b->flags & FLAG_EVALUATED)) {
        v = StaticValue(b, testv, 1);
        if (v >= testv)
            return MateAdjustOut(v);
    }
    // A capture whose victim, with a pawn to spare, cannot lift the static
    // value to the test is not tried (taken before the clamp).
    const ETYPE_T reach = v + 10000;
    if (v < testv - 6500)
        v = testv - 6500;

    // 8. Promotions, the best capture, captures, en passant.
    bool white = IsWhitesMove(b);
    uint32_t own = white ? WHITE_SLOTS : BLACK_SLOTS;
    int pawn = white ? W_PAWN : B_PAWN;
    POS_T child_store;
    POS_T* child = &child_store;
    MOVE_T m;
    for (uint32_t slots = b->pawns7th & own & (white ? WHITE_PAWN_SLOTS : BLACK_PAWN_SLOTS); slots;
         slots &= slots - 1) {
        const PS_T& p = b->pieces[FFOne(slots)];
        if (p.p != pawn)
            continue;
        SQ_T room[7];
        BTO_T t = {0, room};
        DirTo(b, p.pos, white ? NORTH : SOUTH, &t);
        for (unsigned k = 0; k < t.n; k++) {
            if (b->board[t.tos[k]])
                continue;
            InitMove(&m, pawn, p.pos, t.tos[k], NO_VALUE, 'P', 0);
            if (Try(b, child, m, testv, ply, &v))
                return MateAdjustOut(v);
        }
    }
    const MOVE_T& bc = b->best_capture;
    if (!IsZeroMove(&bc) && bc.to < 64 && bc.from < 64 && b->board[bc.to] && b->board[bc.from] &&
        (b->board[bc.to] > 0) != white && (b->board[bc.from] > 0) == white && b->pboard[bc.from] < 32 &&
        (b->topieces[bc.to] >> b->pboard[bc.from] & 1)) {
        InitMove(&m, b->board[bc.from], bc.from, bc.to, NO_VALUE, 'x', 0);
        if (Try(b, child, m, testv, ply, &v))
            return MateAdjustOut(v);
    }
    for (uint32_t victims = b->material_mask & ~own; victims; victims &= victims - 1) {
        const PS_T& victim = b->pieces[FFOne(victims)];
        if (victim.pos > 63 || reach + PieceWorth(victim.p) < testv)
            continue;
        for (uint32_t attackers = b->topieces[victim.pos] & own; attackers;) {
            int a = FLOne(attackers);  // the cheapest attacker first
            attackers &= ~(1u << a);
            const PS_T& attacker = b->pieces[a];
            if (!attacker.p || attacker.pos > 63)
                continue;
            InitMove(&m, attacker.p, attacker.pos, victim.pos, NO_VALUE, 'x', 0);
            if (Try(b, child, m, testv, ply, &v))
                return MateAdjustOut(v);
        }
    }
    if (IsPlainGame(b) && b->enpassant && b->enpassant < 64) {
        for (uint32_t pawns = b->topieces[b->enpassant] & own & ~b->piece_mask; pawns; pawns &= pawns - 1) {
            const PS_T& p = b->pieces[FFOne(pawns)];
            InitMove(&m, p.p, p.pos, b->enpassant, NO_VALUE, white ? 'e' : 'E', 0);
            if (Try(b, child, m, testv, ply, &v))
                return MateAdjustOut(v);
        }
    }
    return MateAdjustOut(v);
}

ETYPE_T QuiesceCheck(POS_T* b, ETYPE_T testv, int ply)
{
    if (!(b->flags & FLAG_EVALUATED))
        Evaluate(b, testv, 1);
    if (!b->moves)
        GenMoveList(b, ply, nullptr, testv);
    ETYPE_T g = -INFINITE_SCORE;
    POS_T child_store;
    POS_T* child = &child_store;
    for (int i = 0; i < b->num_moves; i++) {
        MOVE_T m = b->moves[i];
        if (!IsValidMove(b, m)) {
            Panic(false, "QuiesceCheck");
            continue;
        }
        if (!DoMovePart1(child, b, &m))
            continue;
        ETYPE_T w = -Quiesce(child, flip(testv), ply + 1);
        if (w > g)
            g = w;
        if (g >= testv)
            break;
    }
    hash_c.HashInsert(b, 0, testv, g, nullptr);
    return MateAdjustOut(g);
}
