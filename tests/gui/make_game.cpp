// Writes save files of a short plain game for the window tests, one per ply:
// ply0.sav (the start) .. plyN.sav, in the current directory. The tests
// restore the last one in the running program and compare the boards that
// undo and review show with these.
//
//   gui_make_game e2e4 e7e5 g1f3 b8c6
#include "board/board.h"
#include "movegen/movegen.h"
#include "record/record.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

static bool SaveAs(int ply)
{
    // Nobody plays for the computer in the saved games: the tests drive both
    // sides themselves.
    state.vornak = VORNAK_OFF;
    if (!SaveGame(1))
        return false;
    std::string name = "ply" + std::to_string(ply) + ".sav";
    return rename("vornak.sav", name.c_str()) == 0;
}

int main(int argc, char** argv)
{
    memset((void*)&state, 0, sizeof state);
    state.maxdepth = DIFF_HARD;
    state.dmode = 2;
    state.rules = RULES_TDCL;
    state.notation = NOTATION_STANDARD;
    state.spread = SPREAD_PIECE;
    if (!ResetBoard(false))
        return 1;
    state.scale = 2;
    state.xang = 330;
    GameListInit();
    if (!SaveAs(0))
        return 1;
    for (int i = 1; i < argc; i++) {
        std::vector<MOVE_T> moves;
        POS_T copy = state.position;
        LegalChoices(&copy, &moves);
        bool played = false;
        for (MOVE_T& m : moves)
            if (CoordinateMove(&m) == argv[i]) {
                played = PlayerMoved(&state.position, &m) == 1;
                break;
            }
        if (!played) {
            fprintf(stderr, "\nno legal move %s", argv[i]);
            return 1;
        }
        if (!SaveAs(i))
            return 1;
    }
    printf("\n");
    return 0;
}
