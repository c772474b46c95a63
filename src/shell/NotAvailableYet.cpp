// Report for commands whose machinery the program does not have yet.
#include "shell/shell.h"

#include <cstdio>

void NotAvailableYet(const char* what)
{
    printf("\n%s is not available yet", what);
}
