// Helpers shared by the evaluation's term files: rows and pawn locators seen
// from one side, and the trace of a piece term.
#pragma once

#include "eval/eval.h"
#include "makemove/makemove.h"

// Row of a square seen from the side of colour c (1 White, -1 Black).
inline int OwnRow(int c, SQ_T sq) { return c > 0 ? (int)YPOS(sq) : 7 - (int)YPOS(sq); }

// Square at a column and a row seen from the side of colour c.
inline SQ_T OwnSquare(int c, int column, int row) { return (SQ_T)(column * 8 + (c > 0 ? row : 7 - row)); }

// The rearmost pawn of colour c's own side / of the enemy in a column, as a
// row seen from c's side; 0 when there is none.
inline int OwnPawnLoc(int c, int column)
{
    return c > 0 ? white_pawn_loc[column] : (black_pawn_loc[column] ? 7 - black_pawn_loc[column] : 0);
}
inline int EnemyPawnLoc(int c, int column)
{
    return c > 0 ? black_pawn_loc[column] : (white_pawn_loc[column] ? 7 - white_pawn_loc[column] : 0);
}

// A term of a piece scored from its owner's side, recorded from White's.
inline void TracePiece(int term, int colour, ETYPE_T v)
{
    if (eval_trace)
        eval_trace->term[term] += colour * v;
}

// The sum of the cached piece scores with the slots of `change` re-scored.
ETYPE_T PieceValuesOf(POS_T* b, uint32_t change);
