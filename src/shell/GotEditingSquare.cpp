// Board editing with the mouse: the pending edit places or removes a piece,
// and the edited board becomes the game's starting position.
#include "shell/menus.h"
#include "shell/shell.h"

#include <cstdio>

int GotEditingSquare(SQ_T sq)
{
    POS_T* b = &state.position;
    // 1.
    if (sq > 63) {
        editing_option = 0;
        RequestRedisplay();
        return 0;
    }
    // 2.
    int option = editing_option;
    if (option == EDIT_NONE) {
        b->board[sq] = P_NONE;
    } else if (option >= EDIT_BPAWN && option <= EDIT_BKING) {
        b->board[sq] = -(option - 4);
        printf("\nset black %c at %d", piecechar(option - 4), int(sq));
    } else if (option >= EDIT_WPAWN && option <= EDIT_WKING) {
        b->board[sq] = option - 10;
        printf("\nset white %c at %d", piecechar(option - 10), int(sq));
    }
    // 3.
    if (!CreatePBoard(b, state.dmode))
        printf("\nedited board may be unstable");
    UpdateMaps(b);
    // 4.
    state.oeb.pos_0 = *b;
    state.oeb.inited = 1;
    // 5.
    editing_option = 0;
    RequestRedisplay();
    return 1;
}
