// Where the 64 index squares lie when the tri-dimensional board is seen from
// above, and the questions answered from that alone.
#include "board/board.h"

bool PinCovers(int pin, int* file0, int* rank0)
{
    switch (pin) {
    case ABW_QL1: *file0 = 0; *rank0 = 0; return true;
    case ABW_QL2: *file0 = 0; *rank0 = 4; return true;
    case ABW_QL3: *file0 = 0; *rank0 = 2; return true;
    case ABW_QL4: *file0 = 0; *rank0 = 6; return true;
    case ABW_QL5: *file0 = 0; *rank0 = 4; return true;
    case ABW_QL6: *file0 = 0; *rank0 = 8; return true;
    case ABW_KL1: *file0 = 4; *rank0 = 0; return true;
    case ABW_KL2: *file0 = 4; *rank0 = 4; return true;
    case ABW_KL3: *file0 = 4; *rank0 = 2; return true;
    case ABW_KL4: *file0 = 4; *rank0 = 6; return true;
    case ABW_KL5: *file0 = 4; *rank0 = 4; return true;
    case ABW_KL6: *file0 = 4; *rank0 = 8; return true;
    default: return false;
    }
}

bool ProjectedCoord(const POS_T* b, SQ_T sq, int* file, int* rank)
{
    if (sq > 63)
        return false;
    int x = XPOS(sq), y = YPOS(sq);
    int ab = AttackBoardOfSquare(sq);
    if (ab < 0) {
        *file = x >= 4 ? x - 3 : x + 1;
        *rank = y + 1;
        return true;
    }
    int f0, r0;
    if (!PinCovers(b->whereis_board[ab], &f0, &r0))
        return false;
    SQ_T offset = sq - WhereIsAB_C(ab);
    *file = f0 + (int)(offset >> 3);
    *rank = r0 + (int)(offset & 1);
    return true;
}

bool IsSameCell(POS_T* b, SQ_T sq1, SQ_T sq2)
{
    int f1, r1, f2, r2;
    if (!ProjectedCoord(b, sq1, &f1, &r1) || !ProjectedCoord(b, sq2, &f2, &r2))
        return false;
    return f1 == f2 && r1 == r2;
}

bool OffBoard(POS_T* b, SQ_T sq, int dir)
{
    int di = DirIndex(dir);
    if (IsPlainGame(b) && sq < 64 && di >= 0)
        return plain_steps.to[sq][di] == NO_SQUARE;
    SQ_T room[7];
    BTO_T t = {0, room};
    return DirTo(b, sq, dir, &t) == 0;
}

unsigned GetRank(const POS_T* b, SQ_T p)
{
    if (IsPlainGame(b))
        return YPOS(p);
    if (p > 63 || AttackBoardOfSquare(p) >= 0)
        return 0;
    return YPOS(p) + 1;
}

unsigned GetFile(const POS_T* b, SQ_T p, int notation)
{
    if (IsPlainGame(b))
        return XPOS(p);
    if (p > 63)
        return 0;
    int ab = AttackBoardOfSquare(p);
    if (ab < 0)
        return XPOS(p) >= 4 ? XPOS(p) - 3 : XPOS(p) + 1;
    // An attack-board cell is named after the pin side: queen's side a/b
    // (z/a in the tournament and algebraic notations), king's side e/f (d/e).
    int f0, r0;
    if (!PinCovers(b->whereis_board[ab], &f0, &r0))
        return 0;
    unsigned right = XPOS(p) & 1;
    unsigned letter = (f0 == 0 ? 1 : 5) + right;  // a = 1 ... f = 6
    if (notation != NOTATION_STANDARD)
        letter -= 1;                               // z = 0 ... e = 5
    return letter;
}
