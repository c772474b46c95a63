// Square control, safe destinations and mobility (kept incrementally against
// the position a move was made from), and the attacks on enemy pieces.
#include "makemove/makemove.h"
#include "eval/eval.h"

#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {
const uint32_t no_attackers[64] = {};
const int empty_board[64] = {};

// The squares whose unpinned attackers, x-ray attackers or occupant differ
// from the reference position's, as a bit set. Most squares do not, so they
// are compared four at a time first.
uint64_t ChangedSquares(const POS_T* b, const uint32_t* ref_to, const uint32_t* ref_xray, const int* ref_board,
                        uint32_t ref_pinned)
{
    uint64_t changed = 0;
#ifdef __SSE2__
    const __m128i keep = _mm_set1_epi32((int)~b->pinned_mask), ref_keep = _mm_set1_epi32((int)~ref_pinned);
    auto load = [](const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); };
    for (int sq = 0; sq < 64; sq += 4) {
        __m128i same = _mm_cmpeq_epi32(_mm_and_si128(load(b->topieces + sq), keep),
                                       _mm_and_si128(load(ref_to + sq), ref_keep));
        same = _mm_and_si128(same, _mm_cmpeq_epi32(load(b->board + sq), load(ref_board + sq)));
        same = _mm_and_si128(same, _mm_cmpeq_epi32(load(b->xray_topieces + sq), load(ref_xray + sq)));
        changed |= (uint64_t)(~_mm_movemask_ps(_mm_castsi128_ps(same)) & 15) << sq;
    }
#else
    for (int sq = 0; sq < 64; sq++) {
        bool same = (b->topieces[sq] & ~b->pinned_mask) == (ref_to[sq] & ~ref_pinned) &&
                    b->board[sq] == ref_board[sq] && b->xray_topieces[sq] == ref_xray[sq];
        changed |= (uint64_t)!same << sq;
    }
#endif
    return changed;
}
}  // namespace

ETYPE_T BoardControl1(POS_T* b)
{
    if (b->stage == MATING)
        return 0;
    RecalcPosValues(b);
    const uint32_t *ref_to = no_attackers, *ref_xray = no_attackers;
    const int* ref_board = empty_board;
    uint32_t ref_pinned = 0;
    POS_T* old = b->oldb;
    // A piece new to its slot (a promotion, a new queen in the queen's free
    // slot) has no counts to carry on from: its slot's mobility was never
    // counted for a pawn, or is a captured piece's.
    if (!old || !(old->flags & FLAG_EVALUATED) || new_pos_values || (b->piece_mask & ~old->piece_mask)) {
        b->board_control = 0;
        b->attacking_mask = 0;
        memset(b->cont, 0, sizeof b->cont);
        memset(b->control, 0, sizeof b->control);
        memset(b->flight, 0, sizeof b->flight);
        memset(b->mobility, 0, sizeof b->mobility);
        memset(b->safe_mobility, 0, sizeof b->safe_mobility);
        b->white_moves = b->black_moves = 0;
        new_pos_values = 0;
    } else {
        ref_to = old->topieces;
        ref_xray = old->xray_topieces;
        ref_board = old->board;
        ref_pinned = old->pinned_mask;
        memcpy(b->mobility, old->mobility, sizeof b->mobility);
    }
    uint64_t changed_squares = ChangedSquares(b, ref_to, ref_xray, ref_board, ref_pinned);
    for (; changed_squares; changed_squares &= changed_squares - 1) {
        SQ_T sq = (SQ_T)__builtin_ctzll(changed_squares);
        uint32_t t = b->topieces[sq] & ~b->pinned_mask;
        uint32_t t0 = ref_to[sq] & ~ref_pinned;
        int piece = b->board[sq];
        if (piece && b->pboard[sq] < 32)
            b->piece_change |= 1u << b->pboard[sq];
        int c = GetControl(b, t, piece, sq);

        // Safe destinations: the controlling side's pieces not worth more
        // than the cheapest enemy attacker.
        uint32_t f = 0;
        if (c > 0 && piece <= 0)
            f = (t & BLACK_SLOTS) ? flight_mask[FLOne(t & BLACK_SLOTS)] & t : t & WHITE_SLOTS;
        else if (c < 0 && piece >= 0)
            f = (t & WHITE_SLOTS) ? flight_mask[FLOne(t & WHITE_SLOTS)] & t : t & BLACK_SLOTS;
        f &= b->piece_mask;
        for (uint32_t changed = f ^ b->flight[sq]; changed; changed &= changed - 1) {
            int slot = FFOne(changed);
            int step = (f >> slot & 1) ? 1 : -1;
            b->safe_mobility[slot] += step;
            (slot < 16 ? b->white_moves : b->black_moves) += step;
        }
        b->flight[sq] = f;
        for (uint32_t changed = (t ^ t0) & b->piece_mask; changed; changed &= changed - 1) {
            int slot = FFOne(changed);
            b->mobility[slot] += (t >> slot & 1) ? 1 : -1;
        }

        ETYPE_T value = 0;
        if (c > 0)
            value = sq_p1[sq] + coefficients[189 + sq];
        else if (c < 0)
            value = -(sq_p2[sq] + coefficients[189 + (sq ^ 7)]);
        b->cont[sq] = c > 0 ? 1 : c < 0 ? -1 : 0;
        b->board_control += value - b->control[sq];
        b->control[sq] = value;
    }
    return b->board_control;
}

ETYPE_T BoardControl2(POS_T* b)
{
    if (b->stage == MATING)
        return 0;
    uint32_t attackers = 0, hung = 0;
    int white_attacks = 0, black_attacks = 0;
    for (int slot = 1; slot < 32; slot++) {
        if (slot == B_KING_SLOT)
            continue;
        const PS_T& piece = b->pieces[slot];
        if (!piece.p || piece.pos > 63)
            continue;
        bool white = slot < 16;
        uint32_t by = b->topieces[piece.pos] & (white ? BLACK_SLOTS : WHITE_SLOTS);
        if (!by)
            continue;
        attackers |= by;
        if (white)
            black_attacks += PopCount32(by & 0x00FF0000);
        else
            white_attacks += PopCount32(by & 0x000000FF);
        int control = b->control[piece.pos];
        if (white ? control < 0 : control > 0)
            hung |= 1u << slot;
    }
    // The attack term has sixteen places; more attacks count as the last.
    white_attacks = imin(white_attacks, 15);
    black_attacks = imin(black_attacks, 15);
    uint32_t attacking = attackers & b->piece_mask;
    b->piece_change |= attacking ^ b->attacking_mask;
    b->attacking_mask = attacking;
    b->hung_mask = hung;
    return coefficients[1271 + white_attacks] - coefficients[1271 + black_attacks];
}

void UpdatePawns(POS_T* b)
{
    ETYPE_T k = coefficients[1342];
    if (IsWhitesMove(b))
        b->eval_result += k * (PopCount32(b->null_stoppable_pawn & BLACK_PAWN_SLOTS) +
                               PopCount32(b->null_unstoppable_pawn & WHITE_PAWN_SLOTS));
    else
        b->eval_result -= k * (PopCount32(b->null_stoppable_pawn & WHITE_PAWN_SLOTS) +
                               PopCount32(b->null_unstoppable_pawn & BLACK_PAWN_SLOTS));
}
