// The file name for saving, restoring and listing: the shell's chooser when
// it has one, otherwise the fixed default name.
#include "record/record.h"

#include <cstdio>

bool ChooseFile(const FILE_CHOICE_T* what, char* name, size_t size)
{
    int chosen = shell_hooks.choose_file ? shell_hooks.choose_file(what, name, size) : -1;
    if (chosen > 0)
        return name[0] != 0;
    if (chosen == 0)
        return false;  // cancelled: nothing happens
    snprintf(name, size, "%s", what->default_name);
    printf("\nNo file chooser: using \"%s\"", name);
    fflush(stdout);
    return true;
}
