// Fixed patterns scored from White's side: blocked centre pawns and knights
// on their home squares, the bishop pair, opposite-coloured bishops, and the
// drive of a lone king towards the corners in the mating stage.
#include "eval/eval_internal.h"

namespace {

// Parity of a square's colour: 0 for the colour of A1 and H8.
int SquareColour(SQ_T sq) { return (XPOS(sq) + YPOS(sq)) & 1; }

// Number of bishops of colour c and the square of the last one found.
int Bishops(const POS_T* b, int c, SQ_T* where)
{
    int n = 0;
    int first = c > 0 ? 0 : 16;
    for (int s = first; s < first + 16; s++)
        if (b->pieces[s].p == c * W_BISHOP) {
            n++;
            *where = b->pieces[s].pos;
        }
    return n;
}

// The losing side's king is driven out of the centre and, against a single
// bishop, into a corner of the bishop's colour. From the winner's side.
ETYPE_T MatingDrive(const POS_T* b, int loser)
{
    const ETYPE_T* w = coefficients;
    ETYPE_T s = w[MATING_DRIVE];
    SQ_T bishop = NO_SQUARE;
    SQ_T king = b->pieces[loser > 0 ? W_KING_SLOT : B_KING_SLOT].pos;
    if (Bishops(b, -loser, &bishop) == 1 && bishop < 64 && king < 64) {
        int d = CornerDistance(SquareColour(bishop) == 0 ? king : king ^ 7);
        s += w[MATING_CORNER] * (7 - d);
    }
    return s;
}

}  // namespace

ETYPE_T EvalSpecifics(POS_T* b)
{
    const ETYPE_T* w = coefficients;
    const int* board = b->board;
    ETYPE_T total = 0;

    // 1. Centre pawns that cannot advance from their home squares.
    ETYPE_T centre = 0;
    if (board[D2] == W_PAWN && board[D3])
        centre -= w[CENTRE_PAWN_BLOCKED_D];
    if (board[E2] == W_PAWN && board[E3])
        centre -= w[CENTRE_PAWN_BLOCKED_E];
    if (board[D7] == B_PAWN && board[D6])
        centre += w[CENTRE_PAWN_BLOCKED_D];
    if (board[E7] == B_PAWN && board[E6])
        centre += w[CENTRE_PAWN_BLOCKED_E];
    TraceTerm(TERM_CENTRE_PAWN_BLOCKED, centre);
    total += centre;

    // 2. Knights at home behind an occupied development square.
    ETYPE_T knights = 0;
    if (board[B1] == W_KNIGHT && board[C3])
        knights -= w[KNIGHT_BLOCKED];
    if (board[G1] == W_KNIGHT && board[F3])
        knights -= w[KNIGHT_BLOCKED];
    if (board[B8] == B_KNIGHT && board[C6])
        knights += w[KNIGHT_BLOCKED];
    if (board[G8] == B_KNIGHT && board[F6])
        knights += w[KNIGHT_BLOCKED];
    TraceTerm(TERM_KNIGHT_BLOCKED, knights);
    total += knights;

    // 3. The bishop pair.
    ETYPE_T pair = 0;
    if (b->pieces[4].p == W_BISHOP && b->pieces[5].p == W_BISHOP)
        pair += w[BISHOP_PAIR];
    if (b->pieces[20].p == B_BISHOP && b->pieces[21].p == B_BISHOP)
        pair -= w[BISHOP_PAIR];
    TraceTerm(TERM_BISHOP_PAIR, pair);
    total += pair;

    // 4. Bishops of opposite colours shrink an advantage.
    ETYPE_T balance = b->w_material - b->b_material;
    SQ_T wb = NO_SQUARE, bb = NO_SQUARE;
    if (Bishops(b, 1, &wb) == 1 && Bishops(b, -1, &bb) == 1 && wb < 64 && bb < 64 &&
        SquareColour(wb) != SquareColour(bb)) {
        ETYPE_T opposite = balance < -5000 ? w[OPPOSITE_BISHOPS] : balance > 5000 ? -w[OPPOSITE_BISHOPS] : 0;
        TraceTerm(TERM_OPPOSITE_BISHOPS, opposite);
        total += opposite;
    }

    // 5. Mating stage: drive the losing king.
    if (b->stage == MATING) {
        ETYPE_T drive = 0;
        if (balance < -10000)
            drive = -MatingDrive(b, 1);
        else if (balance > 10000)
            drive = MatingDrive(b, -1);
        TraceTerm(TERM_MATING_DRIVE, drive);
        total += drive;
    }
    return total;
}
