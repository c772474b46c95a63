// Positions by text: a FEN or a 3d line set up as a new game, and the
// position on the board written out as one. A line set up becomes a save
// image of a game with no moves first, so it goes through the checks every
// restored game does.
#include "record/savefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char* const kPositionFile = "position.txt";

// The first line of position.txt: what the keys write, read back where no
// entry dialog can be shown.
bool ReadPositionFile(std::string* line, std::string* why)
{
    if (!ReadGameText(kPositionFile, line, why))
        return false;
    size_t end = line->find_first_of("\r\n");
    if (end != std::string::npos)
        line->resize(end);
    return true;
}

// A line is read as the tag of a game made up for it; the player typed no
// tag, so the window's reason leaves the tag's name out.
std::string WithoutTagName(const std::string& why)
{
    for (const char* tag : {"the FEN tag: ", "the Position tag: "})
        if (why.compare(0, strlen(tag), tag) == 0)
            return why.substr(strlen(tag));
    return why;
}

}  // namespace

bool SetUpPositionFromText(const std::string& text, std::string* why)
{
    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t\r\n");
    std::string line = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    if (line.empty()) {
        *why = "no position given";
        return false;
    }
    bool tri = line.compare(0, 3, "3d ") == 0;
    PGN_GAME_T g;
    g.SetTag("SetUp", "1");
    if (tri) {
        g.SetTag("Variant", "Tri-dimensional");
        g.SetTag("Rules", state.rules == RULES_TOURNAMENT ? "Tournament" : "TDCL");
        g.SetTag("Position", line);
    } else {
        g.SetTag("FEN", line);
    }
    std::vector<uint8_t> image;
    if (!(tri ? TriRecordToSaveImage(g, &image, why) : PgnGameToSaveImage(g, &image, why)))
        return false;
    // The computer keeps the side it plays.
    int vornak = state.vornak;
    int demo = state.demo_mode;
    SAVE_LAYOUT_E layout;
    if (!RestoreFromBuffer(image.data(), image.size(), &layout, why))
        return false;
    state.vornak = vornak;
    state.demo_mode = demo;
    return true;
}

bool SetUpPositionAsked(std::string* refused)
{
    if (refused)
        refused->clear();
    char text[512];
    snprintf(text, sizeof text, "%s", FormatPosition(&state.position, state.dmode).c_str());
    int answered = shell_hooks.ask_text
                       ? shell_hooks.ask_text("Set up position", "A FEN or a 3d line:", text, sizeof text)
                       : -1;
    if (answered == 0)
        return false;  // cancelled
    std::string line = text, why;
    if (answered < 0) {
        ConsolePrint("\nNo text entry: reading the position from \"%s\"", kPositionFile);
        if (!ReadPositionFile(&line, &why)) {
            ConsolePrint("\n%s: %s\nthe game in progress is unchanged", kPositionFile, why.c_str());
            ConsoleFlush();
            if (refused)
                *refused = std::string(kPositionFile) + ": " + why;
            return false;
        }
    }
    if (shell_hooks.clutch)
        shell_hooks.clutch(0);
    bool ok = SetUpPositionFromText(line, &why);
    if (ok) {
        game_changed_since_save = false;
        if (shell_hooks.print_banner)
            shell_hooks.print_banner();
        ConsolePrint("\nPosition set up: %s", FormatPosition(&state.position, state.dmode).c_str());
    } else {
        ConsolePrint("\nPosition refused: %s\nthe game in progress is unchanged", why.c_str());
        if (refused)
            *refused = WithoutTagName(why);
    }
    ConsoleFlush();
    if (shell_hooks.clutch && replay == -1)
        shell_hooks.clutch(1);
    if (shell_hooks.redraw)
        shell_hooks.redraw();
    return ok;
}

bool PrintPosition()
{
    std::string line = FormatPosition(&state.position, state.dmode);
    ConsolePrint("\nPosition: %s", line.c_str());
    std::string why;
    bool ok = WriteGameText(kPositionFile, line + "\n", &why);
    if (ok)
        ConsolePrint("\nwritten to %s", kPositionFile);
    else
        ConsolePrint("\ncan't write %s: %s", kPositionFile, why.c_str());
    ConsoleFlush();
    return ok;
}
