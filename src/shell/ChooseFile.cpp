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

namespace {

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
    std::vector<std::string> args = {"zenity", "--file-selection", std::string("--title=") + what->title};
    if (what->save) {
        args.push_back("--save");
        args.push_back("--confirm-overwrite");
    }
    args.push_back(std::string("--filename=") + (name[0] ? name : what->default_name));
    args.push_back(std::string("--file-filter=") + what->filter_name + " | " + what->pattern);
    args.push_back("--file-filter=All Files (*.*) | *");
    std::string chosen;
    int answered = RunZenity(args, &chosen);
    if (answered <= 0)
        return answered;
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
