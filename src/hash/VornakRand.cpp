// The key numbers must be the same on every platform (saved games hold keys),
// so the classic C library recurrence is kept here rather than rand().
#include "hash/hash.h"

static uint32_t rand_state = 1;

int VornakRand()
{
    rand_state = rand_state * 214013u + 2531011u;
    return (int)((rand_state >> 16) & 0x7FFF);
}

void VornakSrand(unsigned seed) { rand_state = seed; }
