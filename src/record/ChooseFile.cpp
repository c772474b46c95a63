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
    ConsolePrint("\nNo file chooser: using \"%s\"", name);
    ConsoleFlush();
    return true;
}

bool ChooseSaveFileName(int oldway, bool save, char* name, size_t size)
{
    // The patterns as zenity takes them, separated by spaces.
    static const FILE_CHOICE_T to_save = {true, "Save game", "Games (*.sav *.pgn *.tdr)", "*.sav *.pgn *.tdr",
                                          "sav", "vornak.sav"};
    static const FILE_CHOICE_T to_restore = {false, "Restore game", "Games (*.sav *.pgn *.tdr)",
                                             "*.sav *.pgn *.tdr", "sav", "vornak.sav"};
    if (oldway) {
        snprintf(name, size, "vornak.sav");
        return true;
    }
    snprintf(name, size, "%s", gamefilename);
    return ChooseFile(save ? &to_save : &to_restore, name, size);
}
