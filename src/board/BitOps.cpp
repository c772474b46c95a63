// The byte bit-count table, for code that counts by table.
#include "board/board.h"

unsigned char pop_count[256];
