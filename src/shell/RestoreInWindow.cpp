// Restoring a game and setting up a position from the window: the record
// says on the console what happened; a file or a line refused is also named
// at the window's foot, with the reason in words.
#include "shell/shell.h"

#include <string>

namespace {

// A chosen file comes with its folders, which the window has no room for.
std::string BaseName(const char* path)
{
    std::string name = path;
    size_t slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

}  // namespace

void RestoreGameInWindow(int oldway)
{
    char name[sizeof gamefilename];
    if (ChooseSaveFileName(oldway, false, name, sizeof name))
        OpenGameInWindow(name);
}

void OpenGameInWindow(const char* name)
{
    std::string why;
    if (!RestoreGameFromFile(name, &why))
        ShowMessage(("could not restore " + BaseName(name) + ": " + why).c_str());
}

void SetUpPositionInWindow()
{
    std::string why;
    if (!SetUpPositionAsked(&why) && !why.empty())
        ShowMessage(("position refused: " + why).c_str());
}
