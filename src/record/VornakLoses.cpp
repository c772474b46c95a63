// The computer gives up the game.
#include "record/record.h"

#include <cstdio>

void VornakLoses(const char* whylost)
{
    Panic(false, whylost);
    POS_T* b = &state.position;
    // The side that resigns is the computer's; in autoplay, the one to move.
    int side = state.vornak == VORNAK_WHITE || state.vornak == VORNAK_BLACK ? int(state.vornak) : NextToPlay(b);
    ConsolePrint("\nVornakLoses:%s", side == VORNAK_WHITE ? "White" : "Black");
    state.vornak = 0;
    // A result already found (mate, stalemate, a draw) stands.
    if (!b->winner)
        b->winner = -side;
    state.stop_search = 1;
}
