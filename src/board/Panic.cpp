// The program-wide report routine.
#include "board/board.h"

#include <cstdio>
#include <cstdlib>

void Panic(bool halt, const char* text)
{
    ConsolePrint("\nPanic: %s", text ? text : "");
    if (halt) {
        ConsolePrint("\nUNSTABLE");
        ConsoleFlush();
        exit(420);
    }
    ConsoleFlush();
}
