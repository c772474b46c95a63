// The attack map of one piece: every square it attacks gets the piece's slot
// bit in topieces. Sliding lines stop at the first step that meets a piece;
// in the tri-dimensional game that step may hold squares on several levels.
#include "movegen/movegen.h"

#include <cstdlib>
#include <initializer_list>

namespace {

void PG_UTP(POS_T* b, int pi, int delta)
{
    SQ_T room[7];
    BTO_T t = {0, room};
    DirTo(b, b->pieces[pi].pos, delta, &t);
    for (unsigned k = 0; k < t.n; k++)
        b->topieces[t.tos[k]] |= 1u << pi;
}

// Level flags of a tri-dimensional line, per call so that two threads may
// walk lines at once.
struct Line3D {
    bool level_ok[8];
    int one_more_step;
};

SQ_T PG_UTP3DCont(POS_T* b, Line3D* line, SQ_T from, int delta, uint32_t mask, bool reset)
{
    if (reset) {
        for (bool& ok : line->level_ok)
            ok = true;
        line->one_more_step = 0;
    }
    SQ_T room[7];
    BTO_T t = {0, room};
    DirTo(b, from, delta, &t);
    bool marked = false;
    SQ_T cont = NO_SQUARE;
    for (unsigned k = 0; k < t.n; k++) {
        SQ_T to = t.tos[k];
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

void PG_UTPCont(POS_T* b, int maxsteps, int pi, int delta)
{
    uint32_t mask = 1u << pi;
    SQ_T sq = b->pieces[pi].pos;
    if (state.dmode == 2) {
        for (int step = 0; step < maxsteps; step++) {
            sq += delta;
            b->topieces[sq] |= mask;
            if (b->board[sq])
                break;
        }
        return;
    }
    Line3D line;
    for (SQ_T s = PG_UTP3DCont(b, &line, sq, delta, mask, true); s != NO_SQUARE;
         s = PG_UTP3DCont(b, &line, s, delta, mask, false)) {
    }
}

}  // namespace

void PieceGenerate(POS_T* b, int pi)
{
    b->piece_change |= 1u << pi;
    const PS_T& piece = b->pieces[pi];
    int x = XPOS(piece.pos), y = YPOS(piece.pos);
    switch (abs(piece.p)) {
    case W_PAWN:
        if (piece.p > 0) {
            PG_UTP(b, pi, NORTH_WEST);
            PG_UTP(b, pi, NORTH_EAST);
        } else {
            PG_UTP(b, pi, SOUTH_WEST);
            PG_UTP(b, pi, SOUTH_EAST);
        }
        break;
    case W_KNIGHT:
        for (int d : {N_N_E, S_S_E, E_N_E, E_S_E, S_S_W, N_N_W, W_S_W, W_N_W})
            PG_UTP(b, pi, d);
        break;
    case W_BISHOP:
    case W_QUEEN:
        PG_UTPCont(b, imin(7 - x, 7 - y), pi, NORTH_EAST);
        PG_UTPCont(b, imin(x, 7 - y), pi, NORTH_WEST);
        PG_UTPCont(b, imin(x, y), pi, SOUTH_WEST);
        PG_UTPCont(b, imin(7 - x, y), pi, SOUTH_EAST);
        if (abs(piece.p) == W_BISHOP)
            break;
        [[fallthrough]];
    case W_ROOK:
        PG_UTPCont(b, 7 - y, pi, NORTH);
        PG_UTPCont(b, x, pi, WEST);
        PG_UTPCont(b, y, pi, SOUTH);
        PG_UTPCont(b, 7 - x, pi, EAST);
        break;
    case W_KING:
        for (int d : {NORTH, NORTH_EAST, EAST, SOUTH_EAST, SOUTH, SOUTH_WEST, WEST, NORTH_WEST})
            PG_UTP(b, pi, d);
        break;
    default:
        Panic(true, "PieceGenerate: unknown pi");
    }
}
