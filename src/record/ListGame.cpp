// The game listing: the moves, numbered in pairs, to the console and
// optionally to a text file with a picture of the board's 64 cells.
#include "record/record_internal.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The text of ply k in the listing; the first line also starts with its
// number when the game began with Black to move.
void ListPly(FILE* f, int k, int first)
{
    char text[40];
    if (k & 1 || k == first)
        snprintf(text, sizeof text, "\n%2d.", (k - 1) / 2 + 1);
    else
        text[0] = 0;
    ConsolePrint("%s", text);
    if (f)
        fputs(text, f);
    if (!(k & 1)) {
        ConsolePrint(" -");
        if (f)
            fputs(" -", f);
    }
    ConsolePrint(" %s", GameListGet(k));
    if (f)
        fprintf(f, " %s", GameListGet(k));
}

void WriteBoard(FILE* f, const POS_T* b)
{
    static const char letters[] = " pNBRQK";
    fputs("\n\n\n---------------------------------\n", f);
    for (int rank = 7; rank >= 0; rank--) {
        for (int file = 0; file < 8; file++) {
            int p = b->board[file * 8 + rank];
            int kind = abs(p);
            fprintf(f, "|%c%c ", p < 0 ? '*' : ' ', kind <= 6 ? letters[kind] : '?');
        }
        fputs(rank ? "|\n|---+---+---+---+---+---+---+---|\n" : "|\n---------------------------------\n", f);
    }
}

}  // namespace

void ListGame(bool screen_only)
{
    // 1. After a restore by another program the list may be empty.
    int start = GameStartPly();
    if (state.position.move_num > start && !GameListGet(start + 1)[0])
        UndoMoves(0);
    POS_T* b = &state.position;
    int last = b->move_num < MAX_GAME_PLIES ? b->move_num : MAX_GAME_PLIES;
    int first = start + 1;

    // 2.
    if (screen_only) {
        for (int k = first; k <= last; k++)
            ListPly(nullptr, k, first);
        ConsolePrint("\n");
        ConsoleFlush();
        return;
    }

    // 3.
    static const FILE_CHOICE_T choice = {true, "List game", "List Files (*.txt)", "*.txt", "txt", "gamelist.txt"};
    char name[260] = "gamelist.txt";
    if (!ChooseFile(&choice, name, sizeof name))
        return;
    FILE* f = fopen(name, "w");
    if (!f) {
        perror(name);
        Panic(false, "can't open list file for writing");
        return;
    }

    // 4, 5.
    ConsolePrint("\nGame listing: %d plies", b->move_num);
    fprintf(f, "Game listing: %d plies\n", b->move_num);
    for (int k = first; k <= last; k++)
        ListPly(f, k, first);
    ConsolePrint("\n");

    // 6, 7.
    WriteBoard(f, b);
    bool ok = !ferror(f);
    ok = fclose(f) == 0 && ok;
    if (!ok) {
        perror(name);
        Panic(false, "can't write list file");
    }
    ConsoleFlush();
}
