// The piece meshes of an installed program, wherever it is started from.
#include "shell/shell.h"

#include <SDL.h>

#include <sys/stat.h>

#include <cstdio>
#include <vector>

namespace {

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == S_IFDIR;
}

bool Readable(const std::string& path)
{
    FILE* f = fopen(path.c_str(), "rb");
    if (f)
        fclose(f);
    return f != nullptr;
}

}  // namespace

std::string MeshPath(const char* name)
{
    std::string here = std::string("pieces/") + name;
    if (IsDirectory("pieces"))
        return here;
    std::vector<std::string> dirs;
    if (char* base = SDL_GetBasePath()) {
        dirs.push_back(std::string(base) + "pieces/");
        dirs.push_back(std::string(base) + "../share/vornak/pieces/");
        SDL_free(base);
    }
#ifdef VORNAK_DATA_DIR
    dirs.push_back(VORNAK_DATA_DIR "/pieces/");
#endif
    for (const std::string& dir : dirs)
        if (Readable(dir + name))
            return dir + name;
    return here;
}
