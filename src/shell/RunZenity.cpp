// Runs zenity and collects what it prints: the desktop's dialogs (the file
// chooser, the text entry) on systems without the Windows common dialogs.
#include "shell/shell.h"

#ifndef _WIN32

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

}  // namespace

int RunZenity(const std::vector<std::string>& args, std::string* out)
{
    if ((!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY")) || !InPath("zenity"))
        return -1;
    std::vector<std::string> copies = args;
    std::vector<char*> argv;
    for (std::string& a : copies)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);

    int pipe_ends[2];
    if (pipe(pipe_ends) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[1]);
    // GTK's warnings would only clutter the console.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    int spawned = posix_spawnp(&pid, "zenity", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    if (spawned != 0) {
        close(pipe_ends[0]);
        return -1;
    }
    out->clear();
    char buf[512];
    for (;;) {
        ssize_t r = read(pipe_ends[0], buf, sizeof buf);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        out->append(buf, (size_t)r);
    }
    close(pipe_ends[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status))
        return -1;
    if (WEXITSTATUS(status) == 1)
        return 0;  // cancelled
    if (WEXITSTATUS(status) != 0)
        return -1;
    return 1;
}

int AskTextInDialog(const char* title, const char* prompt, char* text, size_t size)
{
    std::string answer;
    int answered = RunZenity({"zenity", "--entry", std::string("--title=") + title, std::string("--text=") + prompt,
                              std::string("--entry-text=") + text, "--width=600"},
                             &answer);
    if (answered <= 0)
        return answered;
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r'))
        answer.pop_back();
    if (answer.size() >= size) {
        printf("\ntext too long: %zu characters", answer.size());
        return 0;
    }
    snprintf(text, size, "%s", answer.c_str());
    return 1;
}

#else

// Windows has no entry dialog of its own: the caller's fallback serves.
int AskTextInDialog(const char*, const char*, char*, size_t)
{
    return -1;
}

#endif
