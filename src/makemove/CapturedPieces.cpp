// The list of captured pieces shown beside the board and kept with the game.
#include "makemove/makemove.h"

#include <cstring>

CAP_T cap_t;

void CaptureReset() { memset(&cap_t, 0, sizeof cap_t); }

void CapturedPieceStore(int piece)
{
    if (piece >= -5 && piece <= -1) {
        cap_t.blk_cnt++;
        if (piece == B_PAWN)
            cap_t.blk_pn++;
    } else if (piece >= 1 && piece <= 5) {
        cap_t.wht_cnt++;
        if (piece == W_PAWN)
            cap_t.wht_pn++;
    }
    int n = (unsigned char)cap_t.captured_list[0];
    if (n + 1 < (int)sizeof cap_t.captured_list) {  // the list ends rather than overflows
        cap_t.captured_list[n + 1] = (char)piece;
        cap_t.captured_list[0] = (char)(n + 1);
    }
}

char GetCapturedPiece(int cap_index)
{
    if (cap_index < 0 || cap_index >= (int)sizeof cap_t.captured_list)
        return 0;
    return cap_t.captured_list[cap_index];
}
