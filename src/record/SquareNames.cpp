// Piece letters and square names in both games and every notation.
#include "record/record.h"

#include <cstdio>

namespace {

const int BUFFERS = 4;  // results of one function that stay valid together

// One rotating set of 3-character buffers per function and thread.
struct Ring {
    char buf[BUFFERS][3];
    int next;
    char* Take()
    {
        next = (next + 1) % BUFFERS;
        return buf[next];
    }
};

// The attack board holding an attack-board cell, the cell its rank counts
// from, and whether it is the board's right-hand file.
bool BoardCell(SQ_T s, int* board, int* offset, int* right)
{
    int ab = AttackBoardOfSquare(s);
    if (ab < 0)
        return false;
    *board = ab;
    *right = XPOS(s) & 1;
    *offset = (int)(s & ~1u);
    return true;
}

// Names a tri-dimensional cell; rom shifts the files one letter down.
char* Name3D(POS_T* b, SQ_T s, int rom, Ring* ring, const char* failure)
{
    if (state.dmode != 3)
        return nullptr;
    char* out = ring->Take();
    char first = rom ? 'a' : 'b';
    int board, offset, right;
    if (s < 64 && AttackBoardOfSquare(s) < 0) {
        unsigned file = XPOS(s) < 4 ? XPOS(s) : XPOS(s) - 4;
        out[0] = (char)(first + file);
        out[1] = (char)('1' + YPOS(s));
        out[2] = 0;
    } else if (BoardCell(s, &board, &offset, &right)) {
        PosStrAB(out, s, offset, b->whereis_board[board], right, rom);
    } else {
        Panic(false, failure);
        snprintf(out, 3, "??");
    }
    return out;
}

}  // namespace

char piecechar(int p)
{
    static const char letters[] = "kqrbnp PNBRQK";
    return p >= -6 && p <= 6 ? letters[p + 6] : '?';
}

char* PosStr(POS_T* b, SQ_T s)
{
    thread_local Ring ring;
    if (state.dmode == 2) {
        char* out = ring.Take();
        out[0] = (char)('a' + XPOS(s) % 8);
        out[1] = (char)('1' + YPOS(s));
        out[2] = 0;
        return out;
    }
    if (state.notation == NOTATION_STANDARD)
        return posstr3D(b, s);
    if (state.notation == NOTATION_VESKAR || state.notation == NOTATION_ALGEBRAIC)
        return posstr3DRom(b, s);
    return nullptr;
}

char* posstr3D(POS_T* b, SQ_T s)
{
    thread_local Ring ring;
    return Name3D(b, s, 0, &ring, "can't posstr3D sq");
}

char* posstr3DRom(POS_T* b, SQ_T s)
{
    thread_local Ring ring;
    return Name3D(b, s, 1, &ring, "can't posstr3DRom sq");
}

void PosStrAB(char* p, SQ_T s, int offset, int where_is, int right, int rom)
{
    char base;
    bool queen_side = true;
    switch (where_is) {
    case ABW_QL1: base = '0'; break;
    case ABW_QL2: base = '4'; break;
    case ABW_QL3: base = '2'; break;
    case ABW_QL4: base = '6'; break;
    case ABW_QL5: base = '4'; break;
    case ABW_QL6: base = '8'; break;
    case ABW_KL1: base = '0'; queen_side = false; break;
    case ABW_KL2: base = '4'; queen_side = false; break;
    case ABW_KL3: base = '2'; queen_side = false; break;
    case ABW_KL4: base = '6'; queen_side = false; break;
    case ABW_KL5: base = '4'; queen_side = false; break;
    case ABW_KL6: base = '8'; queen_side = false; break;
    default:
        Panic(true, "Error! Where is AB @ PosStrAB_L?");
        return;
    }
    // The shifted files of the tournament and algebraic notations put the
    // queen's-side boards on z and a.
    static const char files[2][2][2] = {{{'e', 'f'}, {'a', 'b'}}, {{'d', 'e'}, {'z', 'a'}}};
    p[0] = files[rom ? 1 : 0][queen_side ? 1 : 0][right ? 1 : 0];
    p[1] = (char)(base + ((int)s - offset));
    p[2] = 0;
}
