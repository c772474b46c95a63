// The attack map of one piece: every square it attacks gets the piece's slot
// bit in topieces. Sliding lines stop at the first step that meets a piece;
// in the tri-dimensional game that step may hold squares on several levels,
// and rooks and queens on attack boards also reach across empty pins.
#include "movegen/movegen.h"

#include <cstdlib>
#include <initializer_list>

namespace {

// The step lists of the position's configuration, looked up once per piece
// rather than once per step.
struct Steps {
    POS_T* b;
    const BC_T* table;  // null in the plain game
    SQ_T plain[1];

    explicit Steps(POS_T* pos) : b(pos), table(IsPlainGame(pos) ? nullptr : ConfigTable(pos)) {}

    unsigned Get(SQ_T from, int dir, const SQ_T** out)
    {
        if (table) {
            const BTO_T* list = table->List(DirIndex(dir), from);
            *out = list->tos;
            return list->n;
        }
        int di = DirIndex(dir);
        if (from > 63 || di < 0) {
            SQ_T room[7];
            BTO_T t = {0, room};
            unsigned n = (unsigned)DirTo(b, from, dir, &t);  // reports the fault
            plain[0] = t.tos[0];
            *out = plain;
            return n;
        }
        plain[0] = plain_steps.to[from][di];
        *out = plain;
        return plain[0] != NO_SQUARE;
    }
};

void PG_UTP(Steps& steps, int pi, int delta)
{
    POS_T* b = steps.b;
    const SQ_T* tos;
    unsigned n = steps.Get(b->pieces[pi].pos, delta, &tos);
    for (unsigned k = 0; k < n; k++)
        b->topieces[tos[k]] |= 1u << pi;
}

// Level flags of a tri-dimensional line, per call so that two threads may
// walk lines at once.
struct Line3D {
    bool level_ok[8];
    int one_more_step;
};

SQ_T PG_UTP3DCont(Steps& steps, Line3D* line, SQ_T from, int delta, uint32_t mask, bool reset)
{
    POS_T* b = steps.b;
    if (reset) {
        for (bool& ok : line->level_ok)
            ok = true;
        line->one_more_step = 0;
    }
    const SQ_T* tos;
    unsigned n = steps.Get(from, delta, &tos);
    bool marked = false;
    SQ_T cont = NO_SQUARE;
    for (unsigned k = 0; k < n; k++) {
        SQ_T to = tos[k];
        int level = GetLevel(b, to) & 7;
        if (line->level_ok[level]) {
            b->topieces[to] |= mask;
            marked = true;
        }
        if (b->board[to] == 0) {
            if (marked)
                cont = to;
        } else {
            line->level_ok[level] = false;
            line->one_more_step = 1;
        }
    }
    return line->one_more_step ? NO_SQUARE : cont;
}

void PG_UTPCont(Steps& steps, int maxsteps, int pi, int delta)
{
    POS_T* b = steps.b;
    uint32_t mask = 1u << pi;
    SQ_T origin = b->pieces[pi].pos, sq = origin;
    if (IsPlainGame(b)) {
        int step = 0;
        while (step < maxsteps) {
            sq += delta;
            step++;
            b->topieces[sq] |= mask;
            if (b->board[sq])
                break;
        }
        // Behind the blocker, through empty squares and own aligned sliders.
        while (step < maxsteps && XrayThrough(b, origin, sq)) {
            sq += delta;
            step++;
            b->xray_topieces[sq] |= mask;
        }
        return;
    }
    Line3D line;
    for (SQ_T s = PG_UTP3DCont(steps, &line, sq, delta, mask, true); s != NO_SQUARE;
         s = PG_UTP3DCont(steps, &line, s, delta, mask, false)) {
    }
}

// The jump extension: a rook or queen on an attack board reaches along the
// outer file of the pins, and along the end ranks, across pins where no board
// stands. Cells before the first gap are the ordinary lines' business; every
// cell after a gap is marked here.
struct JumpWalk {
    POS_T* b;
    int piece;
    uint32_t mask;
    bool missing;

    // Marks the cell when a gap lies behind; answers whether the walk goes on.
    bool CanProceed(SQ_T cell)
    {
        int p = b->board[cell];
        if (p * piece > 0)
            return false;
        if (missing)
            b->topieces[cell] |= mask;
        return p == 0;
    }

    bool Check(SQ_T where, int delta) { return CanProceed(where) && CanProceed(where + delta); }
};

// The cells of a board in projected file 0 (queen's side) or 5 (king's side).
SQ_T OuterFileLowCell(int ab, bool queen_side) { return WhereIsAB_C(ab) + (queen_side ? 0 : 8); }

void ColumnWalk(JumpWalk& w, int ab, SQ_T from, int north)
{
    POS_T* b = w.b;
    int pin = b->whereis_board[ab];
    bool queen_side = IsQueenSidePin(pin);
    w.missing = false;
    // Leave the own board through the piece's file.
    SQ_T low = OuterFileLowCell(ab, queen_side);
    SQ_T other = from == low ? low + 1 : low;
    if ((north > 0) == (other == low + 1)) {
        if (b->board[other])
            return;
        int pair[2];
        if (PinsAtChain(queen_side, 2, pair) == 2 && PinChain(pin) == 2) {
            int partner = IsAttackBoardThere(b, pin == pair[0] ? pair[1] : pair[0]);
            if (partner != NO_SQUARE && b->board[OuterFileLowCell(partner, queen_side) + (other - low)])
                return;
        }
    }
    for (int chain = PinChain(pin) + north; chain >= 0 && chain <= 4; chain += north) {
        int pins[2];
        int n = PinsAtChain(queen_side, chain, pins);
        bool present = false, passable = true;
        for (int k = 0; k < n; k++) {
            int there = IsAttackBoardThere(b, pins[k]);
            if (there == NO_SQUARE)
                continue;
            present = true;
            SQ_T near = OuterFileLowCell(there, queen_side) + (north > 0 ? 0 : 1);
            if (!w.Check(near, north))
                passable = false;
        }
        if (!present)
            w.missing = true;
        else if (!passable)
            return;
    }
}

// Along the end rank from a board at an end pin to the board at the other
// end pin of that rank; files b..c hold no cells there, so it is always a gap.
void EndRowWalk(JumpWalk& w, int ab, SQ_T from)
{
    POS_T* b = w.b;
    int pin = b->whereis_board[ab];
    SQ_T offset = from - WhereIsAB_C(ab);
    bool black_end = offset & 1;  // upper cells face Black's end
    int queen_pin = black_end ? ABW_QL6 : ABW_QL1, king_pin = black_end ? ABW_KL6 : ABW_KL1;
    bool right_cell = offset >= 8;
    int east;
    int target_pin;
    if (pin == queen_pin) {
        east = 8;
        target_pin = king_pin;
    } else if (pin == king_pin) {
        east = -8;
        target_pin = queen_pin;
    } else {
        return;
    }
    w.missing = true;
    // From the outer cell the own inner cell lies in the way.
    bool outer = east > 0 ? !right_cell : right_cell;
    if (outer && !w.CanProceed(from + east))
        return;
    int other = IsAttackBoardThere(b, target_pin);
    if (other == NO_SQUARE)
        return;
    SQ_T row = black_end ? 1 : 0;
    SQ_T near = WhereIsAB_C(other) + row + (east > 0 ? 0 : 8);
    w.Check(near, east);
}

void PG_Jump(POS_T* b, int pi)
{
    SQ_T from = b->pieces[pi].pos;
    int ab = AttackBoardOfSquare(from);
    if (IsPlainGame(b) || ab < 0 || !IsPin(b->whereis_board[ab]))
        return;
    JumpWalk w = {b, b->pieces[pi].p, 1u << pi, false};
    bool queen_side = IsQueenSidePin(b->whereis_board[ab]);
    SQ_T low = OuterFileLowCell(ab, queen_side);
    if (from == low || from == low + 1) {
        ColumnWalk(w, ab, from, 1);
        ColumnWalk(w, ab, from, -1);
    }
    EndRowWalk(w, ab, from);
}

}  // namespace

void PieceGenerate(POS_T* b, int pi)
{
    Steps steps(b);
    b->piece_change |= 1u << pi;
    const PS_T& piece = b->pieces[pi];
    int x = XPOS(piece.pos), y = YPOS(piece.pos);
    switch (abs(piece.p)) {
    case W_PAWN:
        if (piece.p > 0) {
            PG_UTP(steps, pi, NORTH_WEST);
            PG_UTP(steps, pi, NORTH_EAST);
        } else {
            PG_UTP(steps, pi, SOUTH_WEST);
            PG_UTP(steps, pi, SOUTH_EAST);
        }
        break;
    case W_KNIGHT:
        for (int d : {N_N_E, S_S_E, E_N_E, E_S_E, S_S_W, N_N_W, W_S_W, W_N_W})
            PG_UTP(steps, pi, d);
        break;
    case W_BISHOP:
    case W_QUEEN:
        PG_UTPCont(steps, imin(7 - x, 7 - y), pi, NORTH_EAST);
        PG_UTPCont(steps, imin(x, 7 - y), pi, NORTH_WEST);
        PG_UTPCont(steps, imin(x, y), pi, SOUTH_WEST);
        PG_UTPCont(steps, imin(7 - x, y), pi, SOUTH_EAST);
        if (abs(piece.p) == W_BISHOP)
            break;
        [[fallthrough]];
    case W_ROOK:
        PG_UTPCont(steps, 7 - y, pi, NORTH);
        PG_UTPCont(steps, x, pi, WEST);
        PG_UTPCont(steps, y, pi, SOUTH);
        PG_UTPCont(steps, 7 - x, pi, EAST);
        PG_Jump(b, pi);
        break;
    case W_KING:
        for (int d : {NORTH, NORTH_EAST, EAST, SOUTH_EAST, SOUTH, SOUTH_WEST, WEST, NORTH_WEST})
            PG_UTP(steps, pi, d);
        break;
    default:
        Panic(true, "PieceGenerate: unknown pi");
    }
}
