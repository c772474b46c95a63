// The program-wide report routine.
#include "board/board.h"

#include <cstdio>
#include <cstdlib>

void Panic(bool halt, const char* text)
{
    printf("\nPanic: %s", text ? text : "");
    if (halt) {
        printf("\nUNSTABLE");
        fflush(stdout);
        exit(420);
    }
    fflush(stdout);
}
