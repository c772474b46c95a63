// Making every missing level of a folder path, and removing a folder tree.
#include "install.h"

void CreateDirectories(const std::string& path)
{
    // Levels are created from the left; a UNC path keeps "\\server\share"
    // and a drive path its "C:\" as the fixed prefix.
    size_t start = 0;
    if (path.compare(0, 2, "\\\\") == 0) {
        size_t server = path.find('\\', 2);
        size_t share = server == std::string::npos ? std::string::npos : path.find('\\', server + 1);
        if (share == std::string::npos)
            return;
        start = share + 1;
    } else if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') {
        start = 3;
    }
    for (size_t at = start; at <= path.size(); at++) {
        if (at < path.size() && path[at] != '\\' && path[at] != '/')
            continue;
        if (at == start || path[at - 1] == '\\' || path[at - 1] == '/')
            continue;
        std::string level = path.substr(0, at);
        DWORD attributes = GetFileAttributesA(level.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        if (!CreateDirectoryA(level.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            throw SETUP_ERROR_C("Unable to create directory.");
    }
}

