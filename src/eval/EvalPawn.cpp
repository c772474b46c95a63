// Pawn scores: square table, pawn defence and backward pawns, open and passed
// pawns (their kings, blockers, rooks behind, the control of the squares
// ahead, neighbours and the square rule), doubled and isolated pawns. One
// body serves both colours, with rows seen from the pawn's side.
#include "eval/eval_internal.h"
#include "movegen/movegen.h"

#include <cstdlib>

namespace {

// First index into the bonuses for controlled squares ahead, by the pawn's
// row 1..6 (a pawn on row 1 has six squares ahead, on row 6 one).
const int passed_pawn_index[6] = {0, 6, 11, 15, 18, 20};

// Rooks of slots `first` and `first + 1` of colour `rook` that stand behind
// the pawn in its column and attack it, unpinned.
uint32_t RooksBehind(const POS_T* b, int c, SQ_T sq, int first, int rook)
{
    uint32_t found = 0;
    for (int r = first; r <= first + 1; r++) {
        const PS_T& p = b->pieces[r];
        if (p.p != rook || p.pos > 63 || XPOS(p.pos) != XPOS(sq) || OwnRow(c, p.pos) >= OwnRow(c, sq))
            continue;
        if ((b->pinned_mask >> r & 1) || !(b->topieces[sq] >> r & 1))
            continue;
        found |= 1u << r;
    }
    return found;
}

// The passed part of the score: what the pawn's freedom is worth. Returns
// the addition to p; the square rule adds to s.
ETYPE_T PassedPawn(POS_T* b, int pi, int c, ETYPE_T* s)
{
    const ETYPE_T* w = coefficients;
    SQ_T sq = b->pieces[pi].pos;
    int x = XPOS(sq), y = OwnRow(c, sq);
    uint32_t bit = 1u << pi;
    ETYPE_T p = w[PASSED_ROW - y];
    TracePiece(TERM_PASSED_ROW, c, p);

    // Kings beside the pawn's path.
    SQ_T own_king = b->pieces[c > 0 ? W_KING_SLOT : B_KING_SLOT].pos;
    SQ_T enemy_king = b->pieces[c > 0 ? B_KING_SLOT : W_KING_SLOT].pos;
    ETYPE_T kings = 0;
    if (enemy_king < 64 && abs((int)XPOS(enemy_king) - x) <= 1 && OwnRow(c, enemy_king) >= y)
        kings -= w[PASSED_ENEMY_KING];
    if (own_king < 64 && abs((int)XPOS(own_king) - x) <= 1 && OwnRow(c, own_king) >= y)
        kings += w[PASSED_OWN_KING];
    p += kings;
    TracePiece(TERM_PASSED_KINGS, c, kings);

    // A blocker on the square ahead.
    if (y < 7 && b->board[sq + c] * c < 0) {
        p -= w[PASSED_BLOCKED];
        TracePiece(TERM_PASSED_BLOCKED, c, -w[PASSED_BLOCKED]);
    }

    // Rooks behind the pawn in its column.
    uint32_t enemy_rooks = RooksBehind(b, c, sq, c > 0 ? 18 : 2, -c * W_ROOK);
    uint32_t support = RooksBehind(b, c, sq, c > 0 ? 2 : 18, c * W_ROOK);
    ETYPE_T rooks = PopCount32(support) * w[PASSED_OWN_ROOK_BEHIND] - PopCount32(enemy_rooks) * w[PASSED_ENEMY_ROOK_BEHIND];
    p += rooks;
    TracePiece(TERM_PASSED_ROOKS, c, rooks);

    // Plain game: the squares ahead that the enemy does not control. A rook
    // behind the pawn supports it through the pawn.
    if (IsPlainGame(b) && y >= 1 && y <= 6) {
        int dir = c > 0 ? NORTH : SOUTH;
        ETYPE_T ahead = 0;
        for (int a = passed_pawn_index[y - 1], at = (int)sq; a < 21 && !OffBoard(b, at, dir); a++) {
            at += dir;
            int control = support ? GetControl(b, (b->topieces[at] & ~b->pinned_mask) | support, b->board[at], at)
                                  : b->cont[at];
            if (control * c < 0)
                break;
            ahead += w[PASSED_CONTROL_AHEAD + a];
        }
        p += ahead;
        TracePiece(TERM_PASSED_CONTROL, c, ahead);
    }

    // Own pawns beside or just behind on the neighbouring columns.
    for (int nx = x - 1; nx <= x + 1; nx += 2) {
        if (nx < 0 || nx > 7)
            continue;
        int loc = OwnPawnLoc(c, nx);
        if (loc && abs(loc - y) <= 1) {
            p += w[PASSED_NEIGHBOUR_ROW - y];
            TracePiece(TERM_PASSED_NEIGHBOUR, c, w[PASSED_NEIGHBOUR_ROW - y]);
        }
    }

    // Square rule against a lone king.
    if ((b->piece_mask & (c > 0 ? BLACK_SLOTS : WHITE_SLOTS)) == (c > 0 ? 1u << B_KING_SLOT : 1u << W_KING_SLOT) &&
        enemy_king < 64) {
        bool enemy_to_move = c > 0 ? IsBlacksMove(b) : IsWhitesMove(b);
        int d = imax(abs((int)XPOS(enemy_king) - x), 7 - OwnRow(c, enemy_king)) - (enemy_to_move ? 1 : 0);
        int t = 7 - y;
        for (int at = (int)sq, row = y; t < d && row < 7; row++) {
            at += c;
            int q = b->board[at];
            if (q == c * W_PAWN)
                t += 10;
            else if (q)
                t += 1;
        }
        if (t < d) {
            *s += w[PAWN_UNSTOPPABLE];
            TracePiece(TERM_PAWN_UNSTOPPABLE, c, w[PAWN_UNSTOPPABLE]);
            if (!enemy_to_move && t + 1 == d)
                b->null_stoppable_pawn |= bit;
        } else if (enemy_to_move && t == d) {
            b->null_unstoppable_pawn |= bit;
        }
    }

    // An advanced passed pawn is worth at least the minimum.
    if (y >= 4 && *s + p < w[PASSED_MINIMUM]) {
        TracePiece(TERM_PASSED_MINIMUM, c, w[PASSED_MINIMUM] - *s - p);
        p = w[PASSED_MINIMUM] - *s;
    }
    return p;
}

ETYPE_T EvalPawn(POS_T* b, int pi, int c)
{
    const ETYPE_T* w = coefficients;
    SQ_T sq = b->pieces[pi].pos;
    int x = XPOS(sq), y = OwnRow(c, sq);
    uint32_t bit = 1u << pi;
    uint32_t& passed = c > 0 ? b->wpassed_pawn_mask : b->bpassed_pawn_mask;
    passed &= ~bit;
    b->null_stoppable_pawn &= ~bit;
    b->null_unstoppable_pawn &= ~bit;
    const int own_pawn = c * W_PAWN;
    // The pawns themselves: a piece promoted in a pawn slot neither defends
    // nor covers like a pawn.
    const uint32_t pawns = b->material_mask & ~b->piece_mask;
    const uint32_t own_pawns = pawns & (c > 0 ? WHITE_SLOTS : BLACK_SLOTS);
    const uint32_t enemy_pawns = pawns & ~own_pawns;

    // 1. Square table; a pawn beside it on the same row.
    ETYPE_T s = w[PAWN_SQUARE_TABLE + (c > 0 ? sq : sq ^ 7)];
    TracePiece(TERM_PAWN_SQUARE, c, s);
    if ((x > 0 && b->board[sq - 8] == own_pawn) || (x < 7 && b->board[sq + 8] == own_pawn)) {
        s += w[PAWN_BESIDE];
        TracePiece(TERM_PAWN_BESIDE, c, w[PAWN_BESIDE]);
    }

    // 2. Not defended by a pawn; backward unless a pawn covers its advance.
    if (!(b->topieces[sq] & own_pawns)) {
        s -= w[PAWN_UNDEFENDED];
        TracePiece(TERM_PAWN_UNDEFENDED, c, -w[PAWN_UNDEFENDED]);
    }
    bool backward = true;
    if (y < 7) {
        SQ_T a1 = sq + c;
        if ((b->topieces[a1] & own_pawns) && abs(b->board[a1]) != W_PAWN) {
            backward = false;
        } else if (y == 1) {
            SQ_T a2 = sq + 2 * c;
            if (!(b->topieces[a1] & enemy_pawns) && (b->topieces[a2] & own_pawns) && abs(b->board[a1]) != W_PAWN &&
                abs(b->board[a2]) != W_PAWN)
                backward = false;
        }
    }
    if (backward) {
        ETYPE_T pen = w[PAWN_BACKWARD];
        if (!EnemyPawnLoc(c, x))
            pen += w[PAWN_BACKWARD_OPEN];
        int n = PopCount32(b->topieces[sq] & (c > 0 ? 0x00FF0000u : 0x000000FFu) & ~b->pinned_mask);
        if (n > 0)
            pen += w[PAWN_BACKWARD_ATTACKED + n];
        s -= pen;
        TracePiece(TERM_PAWN_BACKWARD, c, -pen);
    }

    // 3-5. No enemy pawn ahead in the column: open, perhaps passed.
    if (y > EnemyPawnLoc(c, x)) {
        ETYPE_T p = backward ? 0 : w[PAWN_OPEN_ROW - y];
        TracePiece(TERM_PAWN_OPEN, c, p);
        bool left_clear = x == 0 || EnemyPawnLoc(c, x - 1) <= y;
        bool right_clear = x == 7 || EnemyPawnLoc(c, x + 1) <= y;
        if (left_clear && right_clear) {
            passed |= bit;
            p += PassedPawn(b, pi, c, &s);
        }
        s += p;
    }

    // 6. Doubled and isolated.
    if (OwnPawnLoc(c, x) != y) {
        s -= w[PAWN_DOUBLED];
        TracePiece(TERM_PAWN_DOUBLED, c, -w[PAWN_DOUBLED]);
    }
    if ((x == 0 || !OwnPawnLoc(c, x - 1)) && (x == 7 || !OwnPawnLoc(c, x + 1))) {
        s -= w[PAWN_ISOLATED];
        TracePiece(TERM_PAWN_ISOLATED, c, -w[PAWN_ISOLATED]);
    }
    return s;
}

}  // namespace

ETYPE_T EvalPawnWhite(POS_T* b, int pi) { return EvalPawn(b, pi, 1); }

ETYPE_T EvalPawnBlack(POS_T* b, int pi) { return EvalPawn(b, pi, -1); }
