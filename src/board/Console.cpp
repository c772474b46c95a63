// The core's console and its sinks: the standard output, silence, or
// comment lines of a protocol.
#include "board/console.h"

#include <atomic>
#include <cstdarg>
#include <mutex>
#include <string>
#include <vector>

namespace {

std::atomic<CONSOLE_SINK_F> console_sink{ConsoleToStdout};

// The comment sink's state: the line being built and where it goes.
std::mutex comment_mutex;
FILE* comment_out = nullptr;
std::string comment_prefix;
std::string comment_line;

// Writes the line built so far as one comment line; comment_mutex held.
void EndCommentLine()
{
    size_t first = comment_line.find_first_not_of(" \t\r");
    if (comment_out && first != std::string::npos)
        fprintf(comment_out, "%s%s\n", comment_prefix.c_str(), comment_line.c_str() + first);
    comment_line.clear();
}

void ToComments(const char* text)
{
    std::lock_guard<std::mutex> lock(comment_mutex);
    for (const char* p = text; *p; p++) {
        if (*p == '\n')
            EndCommentLine();
        else if (comment_line.size() < 4096)
            comment_line += *p;
    }
    if (comment_out)
        fflush(comment_out);
}

}  // namespace

void ConsoleToStdout(const char* text) { fputs(text, stdout); }

CONSOLE_SINK_F SetConsoleSink(CONSOLE_SINK_F sink) { return console_sink.exchange(sink); }

void ConsolePrint(const char* format, ...)
{
    CONSOLE_SINK_F sink = console_sink.load();
    if (!sink)
        return;
    char small[512];
    va_list args;
    va_start(args, format);
    int n = vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (n < 0)
        return;
    if ((size_t)n < sizeof small) {
        sink(small);
        return;
    }
    std::vector<char> big((size_t)n + 1);
    va_start(args, format);
    vsnprintf(big.data(), big.size(), format, args);
    va_end(args);
    sink(big.data());
}

void ConsoleFlush()
{
    CONSOLE_SINK_F sink = console_sink.load();
    if (sink == ConsoleToStdout) {
        fflush(stdout);
    } else if (sink == ToComments) {
        std::lock_guard<std::mutex> lock(comment_mutex);
        EndCommentLine();
        if (comment_out)
            fflush(comment_out);
    }
}

void ConsoleToComments(FILE* out, const char* prefix)
{
    {
        std::lock_guard<std::mutex> lock(comment_mutex);
        comment_out = out;
        comment_prefix = prefix ? prefix : "";
        comment_line.clear();
    }
    SetConsoleSink(ToComments);
}

void ConsoleWriteLine(FILE* out, const char* line)
{
    std::lock_guard<std::mutex> lock(comment_mutex);
    if (out == comment_out)
        EndCommentLine();
    fprintf(out, "%s\n", line);
    fflush(out);
}
