// Saving the game: the state in the current layout (or, by the name's
// extension, the game as PGN or its record), written to a new file
// that replaces the old save only once it is complete, so a failed save
// never destroys the previous one.
#include "record/savefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

char gamefilename[260] = "vornak.sav";

namespace {

// The game is safe in the file, which the next save suggests.
bool Saved(const char* name)
{
    ConsolePrint("complete");
    ConsoleFlush();
    game_changed_since_save = false;
    snprintf(gamefilename, sizeof gamefilename, "%s", name);
    if (shell_hooks.set_window_title)
        shell_hooks.set_window_title(gamefilename);
    return true;
}

}  // namespace

bool SaveGame(int oldway)
{
    char name[sizeof gamefilename];
    if (!ChooseSaveFileName(oldway, true, name, sizeof name))
        return false;

    // One consistent picture of the game: the thinking thread may be about
    // to make its move.
    GAME_FILE_E kind = GameFileKind(name);
    std::vector<uint8_t> image(SAVE_SIZE);
    std::string text, why;
    if (shell_hooks.clutch)
        shell_hooks.clutch(0);
    bool written = kind == GAME_FILE_SAVE || GameTextOfState(kind, &text, &why);
    if (kind == GAME_FILE_SAVE)
        WriteStateImage(&state, image.data());
    // While the game is reviewed the thread stays stopped: it would play
    // onto the board of the review.
    if (shell_hooks.clutch && replay == -1)
        shell_hooks.clutch(1);

    if (!written) {
        ConsolePrint("\nSaving %s ...failed: %s", name, why.c_str());
        ConsoleFlush();
        return false;
    }
    if (kind != GAME_FILE_SAVE) {
        ConsolePrint("\nSaving %s ...", name);
        if (!WriteGameText(name, text, &why)) {
            ConsolePrint("failed: %s", why.c_str());
            ConsoleFlush();
            return false;
        }
        return Saved(name);
    }

    std::string temp;
    int fd = CreateSaveTemp(name, &temp);
    if (fd < 0) {
        perror(name);
        ConsolePrint("\ncan't open save file %s\n", name);
        ConsoleFlush();
        return false;
    }
    ConsolePrint("\nSaving %s ...", name);
    bool ok = WriteAllBytes(fd, image.data(), image.size()) && SyncSaveFile(fd);
    ok = close(fd) == 0 && ok;
    ok = ok && ReplaceSaveFile(temp.c_str(), name);
    if (!ok) {
        int err = errno;
        unlink(temp.c_str());
        ConsolePrint("failed: %s", strerror(err));
        ConsoleFlush();
        return false;
    }
    return Saved(name);
}
