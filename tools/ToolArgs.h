// Reading the command-line tools' arguments strictly: a number that is not
// all digits, or lies outside its range, is refused with a message naming
// the option rather than read as 0. And the tools' whole-file reads.
#pragma once

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// A whole number from lo to hi; otherwise a message on the error stream.
inline bool ToolNumber(const char* tool, const char* option, const char* text, unsigned long long lo,
                       unsigned long long hi, unsigned long long* out)
{
    const char* p = text;
    bool digits = *p != 0;
    for (; *p; p++)
        digits = digits && *p >= '0' && *p <= '9';
    errno = 0;
    unsigned long long v = digits ? strtoull(text, nullptr, 10) : 0;
    if (!digits || errno == ERANGE || v < lo || v > hi) {
        fprintf(stderr, "%s: %s wants a whole number from %llu to %llu, not '%s'\n", tool, option, lo, hi, text);
        return false;
    }
    *out = v;
    return true;
}

// The rule set named by text, or RULES_NONE.
inline int ToolRules(const char* tool, const std::string& text)
{
    if (text == "tournament")
        return 1;
    if (text == "tdcl")
        return 2;
    fprintf(stderr, "%s: --rules wants tournament or tdcl, not '%s'\n", tool, text.c_str());
    return 0;
}

// An argument that looks like an option (positions never start with '-').
inline bool ToolIsOption(const std::string& a) { return a.size() > 1 && a[0] == '-'; }

// A whole file as bytes; false when it cannot be read.
inline bool ToolReadFile(const std::string& path, std::string* text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    *text = all.str();
    return true;
}
