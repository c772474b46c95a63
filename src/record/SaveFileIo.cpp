// The operating system's part of save files, the one place where POSIX and
// Windows differ: creating the new file beside the old save, forcing it to
// the disk, putting it in the old one's place, and opening a save to read.
// On Windows every file is opened in binary mode (the default text mode
// would turn the bytes 10 and 26 of the image into line ends and an end of
// file), and a rename must be told to replace an existing save.
#include "record/savefile.h"

#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

int CreateSaveTemp(const char* name, std::string* temp)
{
    *temp = std::string(name) + ".XXXXXX";
    int fd = mkstemp(&(*temp)[0]);
    if (fd < 0)
        return -1;
#ifdef _WIN32
    _setmode(fd, _O_BINARY);
#else
    // mkstemp makes the file private; a save is as readable as any other
    // file the user creates.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
#endif
    return fd;
}

bool SyncSaveFile(int fd)
{
#ifdef _WIN32
    return _commit(fd) == 0;
#else
    return fsync(fd) == 0;
#endif
}

bool ReplaceSaveFile(const char* temp, const char* name)
{
#ifdef _WIN32
    if (MoveFileExA(temp, name, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DWORD error = GetLastError();
    errno = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? EACCES
            : error == ERROR_PATH_NOT_FOUND                                 ? ENOENT
                                                                            : EIO;
    return false;
#else
    return rename(temp, name) == 0;
#endif
}

int OpenSaveFileForReading(const char* path)
{
#ifdef _WIN32
    // Opening a pipe does not wait for a writer on Windows.
    return open(path, O_RDONLY | O_BINARY);
#else
    // Without blocking: a name may be a pipe with no writer.
    return open(path, O_RDONLY | O_NONBLOCK);
#endif
}

int OpenRegularFileForReading(const char* path, std::string* why)
{
    int fd = OpenSaveFileForReading(path);
    if (fd < 0) {
        *why = strerror(errno);
        return -1;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        *why = "not a regular file";
        return -1;
    }
    return fd;
}

bool WriteAllBytes(int fd, const void* data, size_t n)
{
    const char* bytes = static_cast<const char*>(data);
    size_t done = 0;
    while (done < n) {
        ssize_t w = write(fd, bytes + done, n - done);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        done += (size_t)w;
    }
    return true;
}
