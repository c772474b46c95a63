// The file chooser: on Windows the common open and save dialogs, elsewhere
// zenity's file selection in their place. Without a chooser (no zenity or
// no display) the game record falls back on its fixed default names.
#include "shell/shell.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32

#include <windows.h>
#include <commdlg.h>
#include <cderr.h>

int ChooseFileInDialog(const FILE_CHOICE_T* what, char* name, size_t size)
{
    // Filter pairs, each string ended by a zero, the list by a second one.
    // The dialogs separate patterns with semicolons, zenity with spaces.
    std::string patterns = what->pattern;
    for (char& c : patterns)
        if (c == ' ')
            c = ';';
    std::string filter = std::string(what->filter_name) + '\0' + patterns + '\0' + "All Files (*.*)" + '\0' +
                         "*.*" + '\0';
    char chosen[MAX_PATH];
    snprintf(chosen, sizeof chosen, "%s", name[0] ? name : what->default_name);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetForegroundWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = sizeof chosen;
    dialog.lpstrTitle = what->title;
    dialog.lpstrDefExt = what->extension;
    // The working directory stays: the meshes, the favourite view and the
    // default file names are found there.
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (what->save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    BOOL ok = what->save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!ok) {
        DWORD error = CommDlgExtendedError();
        if (error == 0)
            return 0;  // cancelled
        if (error == FNERR_BUFFERTOOSMALL) {
            printf("\nfile name too long");
            return 0;
        }
        return -1;
    }
    if (strlen(chosen) >= size) {
        printf("\nfile name too long: %s", chosen);
        return 0;
    }
    snprintf(name, size, "%s", chosen);
    return 1;
}

#else

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

bool InPath(const char* program)
{
    const char* path = getenv("PATH");
    if (!path)
        return false;
    std::string dirs = path;
    size_t at = 0;
    while (at <= dirs.size()) {
        size_t end = dirs.find(':', at);
        if (end == std::string::npos)
            end = dirs.size();
        std::string dir = dirs.substr(at, end - at);
        std::string full = (dir.empty() ? "." : dir) + "/" + program;
        if (access(full.c_str(), X_OK) == 0)
            return true;
        at = end + 1;
    }
    return false;
}

// A name typed without an extension gets the default one, as the Windows
// dialogs did.
void AddExtension(std::string* name, const char* extension)
{
    size_t slash = name->find_last_of('/');
    std::string base = slash == std::string::npos ? *name : name->substr(slash + 1);
    if (!base.empty() && base.find('.') == std::string::npos && extension && *extension)
        *name += std::string(".") + extension;
}

}  // namespace

int ChooseFileInDialog(const FILE_CHOICE_T* what, char* name, size_t size)
{
    if ((!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY")) || !InPath("zenity"))
        return -1;
    std::vector<std::string> args = {"zenity", "--file-selection", std::string("--title=") + what->title};
    if (what->save) {
        args.push_back("--save");
        args.push_back("--confirm-overwrite");
    }
    args.push_back(std::string("--filename=") + (name[0] ? name : what->default_name));
    args.push_back(std::string("--file-filter=") + what->filter_name + " | " + what->pattern);
    args.push_back("--file-filter=All Files (*.*) | *");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    // GTK's warnings would only clutter the console.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    int spawned = posix_spawnp(&pid, "zenity", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    std::string chosen;
    char buf[512];
    for (;;) {
        ssize_t r = read(out[0], buf, sizeof buf);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        chosen.append(buf, (size_t)r);
    }
    close(out[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status))
        return -1;
    if (WEXITSTATUS(status) == 1)
        return 0;  // cancelled
    if (WEXITSTATUS(status) != 0)
        return -1;
    while (!chosen.empty() && (chosen.back() == '\n' || chosen.back() == '\r'))
        chosen.pop_back();
    if (chosen.empty())
        return 0;
    if (what->save)
        AddExtension(&chosen, what->extension);
    if (chosen.size() >= size) {
        printf("\nfile name too long: %s", chosen.c_str());
        return 0;
    }
    snprintf(name, size, "%s", chosen.c_str());
    return 1;
}

#endif
