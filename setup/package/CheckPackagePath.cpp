// Names and subdirectories from a package must stay inside their destination
// folder, whatever the package says.
#include "setup.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// One path component: not empty, not "." or "..", nothing Windows would read
// as a drive, a stream or a device-style prefix, no control characters.
bool IsSafeComponent(const std::string& part)
{
    if (part.empty() || part == "." || part == "..")
        return false;
    for (char c : part) {
        unsigned char u = (unsigned char)c;
        if (u < 32 || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|')
            return false;
    }
    // Windows drops trailing dots and spaces, so "..." or ".. " would climb.
    char last = part.back();
    return last != '.' && last != ' ';
}

}  // namespace

bool IsSafeFileName(const std::string& name)
{
    if (name.size() > (size_t)PACKAGE_NAME_MAX)
        return false;
    for (char c : name)
        if (IsSeparator(c))
            return false;
    return IsSafeComponent(name);
}

bool IsSafeSubdir(const std::string& subdir)
{
    if (subdir.empty())
        return true;
    if (subdir.size() > (size_t)PACKAGE_NAME_MAX || IsSeparator(subdir[0]))
        return false;
    size_t start = 0;
    for (;;) {
        size_t end = start;
        while (end < subdir.size() && !IsSeparator(subdir[end]))
            end++;
        // One trailing separator is harmless ("pieces\"); an empty part
        // elsewhere ("a\\b") is not a plain relative path.
        if (end == subdir.size() && start == end && start > 0)
            return true;
        if (!IsSafeComponent(subdir.substr(start, end - start)))
            return false;
        if (end == subdir.size())
            return true;
        start = end + 1;
    }
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return text;
    size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}
