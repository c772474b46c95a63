// Writing a save image under a name without the program's console lines:
// a new file beside it, written to the disk, then put in its place, so a
// failure never leaves half a save.
#include "record/savefile.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

bool WriteSaveImage(const char* name, const std::vector<uint8_t>& image, std::string* why)
{
    std::string temp;
    int fd = CreateSaveTemp(name, &temp);
    if (fd < 0) {
        *why = strerror(errno);
        return false;
    }
    bool ok = true;
    for (size_t done = 0; ok && done < image.size();) {
        ssize_t w = write(fd, image.data() + done, image.size() - done);
        if (w < 0 && errno == EINTR)
            continue;
        ok = w > 0;
        if (ok)
            done += (size_t)w;
    }
    ok = ok && SyncSaveFile(fd);
    ok = close(fd) == 0 && ok;
    ok = ok && ReplaceSaveFile(temp.c_str(), name);
    if (!ok) {
        *why = strerror(errno);
        unlink(temp.c_str());
    }
    return ok;
}
