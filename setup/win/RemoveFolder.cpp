// Removing a folder tree, for the installer's temporary folder and the
// uninstaller's installation folder.
#include "install.h"

void RemoveFolder(const std::string& path, const std::function<bool(const std::string&)>& keep)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = path + "\\" + name;
            if (keep && keep(full))
                continue;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            // A link or junction is removed itself, never followed.
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                RemoveFolder(full, keep);
            else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryA(full.c_str());
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    // A folder that keeps some of its files stays as it was.
    if (!keep)
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}
