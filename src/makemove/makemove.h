// Move execution: the captured-pieces list.
#pragma once

#include "board/board.h"

struct CAP_T {
    char captured_list[40];  // [0] is the count, then the codes in capture order
    int wht_cnt, blk_cnt;    // pieces captured, pawns included, kings never
    int wht_pn, blk_pn;      // pawns captured
};

extern CAP_T cap_t;

void CaptureReset();
void CapturedPieceStore(int piece);
char GetCapturedPiece(int cap_index);
