// Saving the game: the state in the current layout, written to a new file
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

bool WriteAll(int fd, const uint8_t* data, size_t n)
{
    size_t done = 0;
    while (done < n) {
        ssize_t w = write(fd, data + done, n - done);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        done += (size_t)w;
    }
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
    std::vector<uint8_t> image(SAVE_SIZE);
    if (shell_hooks.clutch)
        shell_hooks.clutch(0);
    WriteStateImage(&state, image.data());
    // While the game is reviewed the thread stays stopped: it would play
    // onto the board of the review.
    if (shell_hooks.clutch && replay == -1)
        shell_hooks.clutch(1);

    std::string temp;
    int fd = CreateSaveTemp(name, &temp);
    if (fd < 0) {
        perror(name);
        ConsolePrint("\ncan't open save file %s\n", name);
        ConsoleFlush();
        return false;
    }
    ConsolePrint("\nSaving %s ...", name);
    bool ok = WriteAll(fd, image.data(), image.size()) && SyncSaveFile(fd);
    ok = close(fd) == 0 && ok;
    ok = ok && ReplaceSaveFile(temp.c_str(), name);
    if (!ok) {
        int err = errno;
        unlink(temp.c_str());
        ConsolePrint("failed: %s", strerror(err));
        ConsoleFlush();
        return false;
    }
    ConsolePrint("complete");
    ConsoleFlush();
    game_changed_since_save = false;
    snprintf(gamefilename, sizeof gamefilename, "%s", name);
    if (shell_hooks.set_window_title)
        shell_hooks.set_window_title(gamefilename);
    return true;
}
