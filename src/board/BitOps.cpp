// Bit counting and bit scanning over the 32-slot piece masks.
#include "board/board.h"

#include <cassert>

unsigned char pop_count[256];

int BitCount(uint32_t x)
{
    int n = 0;
    for (; x; x &= x - 1)
        n++;
    return n;
}

int PopCount16(uint32_t x) { return pop_count[(x >> 8) & 255] + pop_count[x & 255]; }

int PopCount32(uint32_t x) { return PopCount16(x & 0xFFFF) + PopCount16(x >> 16); }

int FFOne(uint32_t mask)
{
    static const int first[16] = {-1, 0, 1, 0, 2, 0, 1, 0, 3, 0, 1, 0, 2, 0, 1, 0};
    assert(mask != 0);
    int r = 0;
    if ((mask & 0xFFFF) == 0) {
        mask >>= 16;
        r += 16;
    }
    if ((mask & 0xFF) == 0) {
        mask >>= 8;
        r += 8;
    }
    if ((mask & 0xF) == 0) {
        mask >>= 4;
        r += 4;
    }
    return r + first[mask & 15];
}

int FLOne(uint32_t mask)
{
    static const int last[16] = {-1, 0, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3};
    int r = 0;
    if (mask & 0xFFFF0000) {
        mask >>= 16;
        r += 16;
    }
    if (mask & 0xFF00) {
        mask >>= 8;
        r += 8;
    }
    if (mask & 0xF0) {
        mask >>= 4;
        r += 4;
    }
    return r + last[mask & 15];
}
