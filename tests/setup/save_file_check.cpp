// The Windows side of save files (src/record/SaveFileIo.cpp), run under wine
// by wine_program_test.sh: every byte value survives a save and a read (text
// mode would turn 10 into 13 10 on writing and stop reading at 26), a save
// replaces an existing one and leaves no temporary file, and failures come
// back as -1 or false with errno set. Prints one line per failed check and
// exits 1 if there was any.
#include "record/savefile.h"

#include <cerrno>
#include <cstdio>
#include <io.h>
#include <vector>

static int failures;

static void Check(bool ok, const char* what)
{
    if (!ok) {
        printf("FAIL %s (errno %d)\n", what, errno);
        failures++;
    }
}

static bool Save(const char* name, const std::vector<unsigned char>& data)
{
    std::string temp;
    int fd = CreateSaveTemp(name, &temp);
    if (fd < 0)
        return false;
    bool ok = write(fd, data.data(), (unsigned)data.size()) == (int)data.size() && SyncSaveFile(fd);
    ok = close(fd) == 0 && ok;
    ok = ok && ReplaceSaveFile(temp.c_str(), name);
    if (!ok)
        remove(temp.c_str());
    return ok;
}

static std::vector<unsigned char> Load(const char* name)
{
    std::vector<unsigned char> data;
    int fd = OpenSaveFileForReading(name);
    if (fd < 0)
        return data;
    unsigned char buf[4096];
    int n;
    while ((n = read(fd, buf, sizeof buf)) > 0)
        data.insert(data.end(), buf, buf + n);
    close(fd);
    return data;
}

int main()
{
    std::vector<unsigned char> first, second;
    for (int i = 0; i < 3000; i++) {
        first.push_back((unsigned char)(i * 7));
        second.push_back((unsigned char)(255 - i % 256));
    }
    first[100] = 26;  // the text-mode end of file
    first[101] = 10;

    remove("check.sav");
    Check(Save("check.sav", first), "a new save");
    Check(Load("check.sav") == first, "every byte read back");
    Check(Save("check.sav", second), "a save over an existing one");
    Check(Load("check.sav") == second, "the replaced save read back");

    // No temporary file is left beside the save ("check.sav.*" matches the
    // save itself on Windows).
    int left = 0;
    _finddata_t found;
    intptr_t search = _findfirst("check.sav.*", &found);
    if (search != -1) {
        do
            left += std::string(found.name) != "check.sav";
        while (_findnext(search, &found) == 0);
        _findclose(search);
    }
    Check(left == 0, "no temporary file left");

    errno = 0;
    Check(OpenSaveFileForReading("no-such-file.sav") == -1 && errno == ENOENT, "a missing save is -1, ENOENT");
    std::string temp;
    errno = 0;
    Check(CreateSaveTemp("no-such-folder\\x.sav", &temp) == -1 && errno != 0, "no temporary file in a missing folder");
    std::string spare;
    int fd = CreateSaveTemp("check.sav", &spare);
    Check(fd >= 0, "a second temporary file");
    if (fd >= 0) {
        close(fd);
        errno = 0;
        Check(!ReplaceSaveFile(spare.c_str(), "no-such-folder\\x.sav") && errno == ENOENT,
              "a replace into a missing folder fails with ENOENT");
        remove(spare.c_str());
    }
    Check(Load("check.sav") == second, "a failed replace leaves the save");
    remove("check.sav");

    printf(failures ? "save files: %d failures\n" : "save files: ok\n", failures);
    return failures ? 1 : 0;
}
