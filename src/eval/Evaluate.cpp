// The evaluation driver: cached piece scores refreshed by what the last move
// touched, a cheap estimate for clearly decided zero-window questions, and
// the full sum with the costly control, mobility and overload terms.
#include "eval/eval_internal.h"
#include "hash/hash.h"
#include "movegen/movegen.h"

#include <cstdlib>

namespace {

// Marks a position whose caches (piece scores, control, mobility) hold its
// own full evaluation. A child copies it together with the caches, so a
// child whose copy does not carry its parent's stamp was made before the
// parent was evaluated and must not trust what it inherited. The key's
// check leaves the side to move out (a null move keeps the caches valid);
// the first key alone is too short, and a parent and grandparent that
// shared it let a child trust caches made for neither.
ETYPE_T CacheStamp(const POS_T* b) { return (ETYPE_T)(KeyCheck(b) | 1u); }

// The White passed pawn (or Black, by the mask) standing on sq, as a slot bit.
uint32_t PassedPawnOn(const POS_T* b, SQ_T sq, uint32_t passed)
{
    unsigned slot = b->pboard[sq];
    return slot < 32 ? passed & (1u << slot) : 0;
}

// The slots whose cached scores the last move may have changed, judged from
// the pieces that stood on its two squares before.
uint32_t MoveChanges(const POS_T* b)
{
    const POS_T* old = b->oldb;
    uint32_t change = 0x00F000F0;  // knights and bishops are always re-scored
    SQ_T from = b->last_move.from, to = b->last_move.to;
    if (from < 64 && to < 64 && AbIndex(b->last_move.piece_moving) < 0) {
        int moved = old->board[from], taken = old->board[to], now = b->board[to];
        if (moved == W_PAWN || taken == W_PAWN)
            change |= 1u << W_KING_SLOT;
        if (moved == B_PAWN || taken == B_PAWN)
            change |= 1u << B_KING_SLOT;
        if (abs(moved) == W_KING)
            change |= b->material_mask & ~b->piece_mask;
        if (taken == W_QUEEN || taken == W_BISHOP)
            change |= 1u << B_KING_SLOT;
        if (taken == B_QUEEN || taken == B_BISHOP)
            change |= 1u << W_KING_SLOT;
        // Passed pawns whose square ahead gained or lost a blocker.
        if (YPOS(to) > 1 && ((now < 0 && !taken) || taken))
            change |= PassedPawnOn(b, to - 1, b->wpassed_pawn_mask);
        if (YPOS(to) < 6 && ((now > 0 && !taken) || taken))
            change |= PassedPawnOn(b, to + 1, b->bpassed_pawn_mask);
        if (YPOS(from) > 1 && now < 0)
            change |= PassedPawnOn(b, from - 1, b->wpassed_pawn_mask);
        if (YPOS(from) < 6 && now > 0)
            change |= PassedPawnOn(b, from + 1, b->bpassed_pawn_mask);
    }
    // Against a lone king the square rule decides for every passed pawn.
    if ((b->piece_mask & WHITE_SLOTS) == 1u << W_KING_SLOT)
        change |= b->bpassed_pawn_mask;
    if ((b->piece_mask & BLACK_SLOTS) == 1u << B_KING_SLOT)
        change |= b->wpassed_pawn_mask;
    // In the mating stage a king's score follows the other king and the
    // material balance, which any move may change.
    if (b->stage == MATING)
        change |= (1u << W_KING_SLOT) | (1u << B_KING_SLOT);
    return change;
}

}  // namespace

ETYPE_T Evaluate(POS_T* b, ETYPE_T testv, int depth)
{
    ETYPE_T v = EvalEtype(b, testv, depth);
    return ClampStatic(v);
}

ETYPE_T EvalEtype(POS_T* b, ETYPE_T testv, int depth)
{
    // 1-3. Stage check, the stored result, set-up.
    int side = NextToPlay(b);
    if (b->stage < OPENING || b->stage > MATING)
        Panic(false, "Stage error");
    if (b->flags & FLAG_EVALUATED)
        return b->eval_result * side;
    if (b->flags & NEED_PART2)
        Panic(false, "NEED_PART2 in eval");
    InitEvalTables();
    b->null_stoppable_pawn = b->null_unstoppable_pawn = 0;
    bool root = testv == NO_VALUE;

    // 4. The parent first, so that its caches are valid; the root needs none.
    bool inherited = true;
    if (!root && b->oldb) {
        if (!(b->oldb->flags & FLAG_EVALUATED))
            Evaluate(b->oldb, testv, 1);
        inherited = b->evaluation == CacheStamp(b->oldb);
    }

    // 5. Material.
    ETYPE_T mat = emax(-300000, emin(300000, b->w_material - b->b_material));

    // 6. Which cached piece scores to refresh.
    if (root) {
        b->piece_change |= b->material_mask;
        b->oldb = nullptr;
    } else if (depth >= 2 || !inherited) {
        b->piece_change |= b->material_mask;
    } else if (b->oldb) {
        b->piece_change |= MoveChanges(b);
    }

    // 7. The cheap terms.
    ETYPE_T pins = FindPins(b);
    BuildPawnLoc(b);
    ETYPE_T specifics = EvalSpecifics(b);
    uint32_t c0 = b->piece_change;
    ETYPE_T pv = PieceValuesOf(b, b->oldb ? c0 : b->material_mask);
    ETYPE_T ks = KingSafety(b);
    ETYPE_T tac = EvalTactics(b);
    ETYPE_T sum = specifics + pv + ks + tac;

    // 8. Lazy estimate: the parent's costly terms stand in for this
    // position's when the answer is clear by a margin.
    if (depth < 1 && b->oldb) {
        ETYPE_T e = b->expensive;
        if (abs(e) < 20000 && (e + sum + mat) * side > testv + 20000) {
            ETYPE_T v = ((e + sum + mat) * side - 15000) * side;
            v = (v + CheckMaterial(b, v)) * side;
            if (v >= testv)
                return v;
        }
    }

    // 9. The costly terms. Pieces whose square's control changed are
    // re-scored, and every passed pawn, whose walk reads the new control.
    if (!inherited)
        new_pos_values = 1;  // the inherited control maps are stale
    ETYPE_T control = BoardControl1(b);
    ETYPE_T attacks = BoardControl2(b);
    b->expensive = pins + control + attacks;
    b->piece_change = (b->piece_change & ~c0) | b->wpassed_pawn_mask | b->bpassed_pawn_mask;
    if (eval_trace) {
        // The trace reports the final score of every piece.
        for (int t = 0; t < TERM_PIECES_END; t++)
            eval_trace->term[t] = 0;
        b->piece_change = b->material_mask;
    }
    ETYPE_T pv2 = PieceValuesOf(b, b->piece_change);
    ETYPE_T mob = EvalMobility(b);
    b->expensive += mob;
    ETYPE_T ovl = OverloadedPieces(b);
    b->flags |= FLAG_EVALUATED;

    // 10. The total with the material corrections.
    ETYPE_T total = sum + pins + control + attacks + (pv2 - pv) + mob + ovl + mat;
    ETYPE_T correction = CheckMaterial(b, total);
    b->eval_result = total + correction;
    b->evaluation = CacheStamp(b);
    if (eval_trace) {
        eval_trace->term[TERM_MATERIAL] += mat;
        eval_trace->term[TERM_TACTICS] += tac;
        eval_trace->term[TERM_PINS] += pins;
        eval_trace->term[TERM_BOARD_CONTROL] += control;
        eval_trace->term[TERM_ATTACKS] += attacks;
        eval_trace->term[TERM_MATERIAL_CORRECTION] += correction;
        for (int s = 0; s < 32; s++)
            eval_trace->piece[s] = b->pieces[s].p ? b->piece_values[s] : 0;
        eval_trace->total = b->eval_result;
    }
    return b->eval_result * side;
}
