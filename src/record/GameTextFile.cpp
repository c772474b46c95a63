// Games as text files: PGN for the plain game, the tri-dimensional record
// for the other, told from a save file by the name's extension. A game read
// from text becomes a save image first, so it enters the game in progress
// through the same checks as a save file.
#include "record/savefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Beyond this a file is no game text this program wrote or would read.
const size_t MAX_GAME_TEXT_BYTES = 64u << 20;

bool EndsWith(const char* name, const char* extension)
{
    size_t n = strlen(name), e = strlen(extension);
    return n > e && strcasecmp(name + n - e, extension) == 0;
}

}  // namespace

GAME_FILE_E GameFileKind(const char* name)
{
    if (EndsWith(name, ".pgn"))
        return GAME_FILE_PGN;
    if (EndsWith(name, ".tdr"))
        return GAME_FILE_RECORD;
    return GAME_FILE_SAVE;
}

bool ReadGameText(const char* path, std::string* text, std::string* why)
{
    // Opened as a save is, so that a pipe named by mistake cannot hang the
    // window.
    int fd = OpenRegularFileForReading(path, why);
    if (fd < 0)
        return false;
    FILE* f = fdopen(fd, "rb");
    if (!f) {
        *why = strerror(errno);
        close(fd);
        return false;
    }
    text->clear();
    char buf[65536];
    size_t got;
    while (text->size() <= MAX_GAME_TEXT_BYTES && (got = fread(buf, 1, sizeof buf, f)) > 0)
        text->append(buf, got);
    bool failed = ferror(f);
    fclose(f);
    if (failed) {
        *why = "cannot be read";
        return false;
    }
    if (text->size() > MAX_GAME_TEXT_BYTES) {
        *why = "larger than 64 MB: not a game this program reads";
        return false;
    }
    return true;
}

bool GameTextToSaveImage(const std::string& text, std::vector<uint8_t>* image, std::string* why)
{
    std::vector<PGN_GAME_T> games;
    if (!ReadPgn(text, &games, why))
        return false;
    if (games.empty()) {
        *why = "the file holds no game";
        return false;
    }
    const PGN_GAME_T& first = games[0];
    bool tri = first.Tag("Variant") == "Tri-dimensional";
    return tri ? TriRecordToSaveImage(first, image, why) : PgnGameToSaveImage(first, image, why);
}

bool GameTextOfState(GAME_FILE_E kind, std::string* text, std::string* why)
{
    PGN_GAME_T g;
    if (!(kind == GAME_FILE_RECORD ? TriRecordOfState(&g, why) : PgnGameOfState(&g, why)))
        return false;
    *text = FormatPgn(g);
    return true;
}

bool WriteGameText(const char* name, const std::string& text, std::string* why)
{
    // As a save: a new file that replaces the old one only once complete.
    std::string temp;
    int fd = CreateSaveTemp(name, &temp);
    if (fd < 0) {
        *why = strerror(errno);
        return false;
    }
    bool ok = WriteAllBytes(fd, text.data(), text.size()) && SyncSaveFile(fd);
    ok = close(fd) == 0 && ok;
    ok = ok && ReplaceSaveFile(temp.c_str(), name);
    if (!ok) {
        *why = strerror(errno);
        unlink(temp.c_str());
    }
    return ok;
}
