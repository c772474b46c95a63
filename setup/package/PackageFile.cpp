// The installer's file object: exact reads, the two kinds of string read,
// seek, size, the three open modes and writes, every failure thrown.
#include "setup.h"

#include <cstring>

namespace {

int SeekTo(FILE* file, uint64_t position, int whence)
{
#ifdef _WIN32
    return _fseeki64(file, (long long)position, whence);
#else
    return fseeko(file, (off_t)position, whence);
#endif
}

uint64_t TellOf(FILE* file)
{
#ifdef _WIN32
    long long at = _ftelli64(file);
#else
    long long at = ftello(file);
#endif
    if (at < 0)
        throw SETUP_ERROR_C("Error reading from file.");
    return (uint64_t)at;
}

}  // namespace

PACKAGEFILE_C::PACKAGEFILE_C(const std::string& path, OPENMODE_E mode)
{
    // Append means an existing file, so it is opened for update and then
    // positioned at its end rather than created.
    const char* how = mode == OPEN_READ ? "rb" : mode == OPEN_WRITE ? "wb" : "r+b";
    file = fopen(path.c_str(), how);
    if (!file)
        throw SETUP_ERROR_C("Unable to open file.");
    // A file being read is never read past its end, even by the name
    // read's fixed run of bytes.
    if (mode == OPEN_READ) {
        try {
            limit = Size();
        } catch (const SETUP_ERROR_C&) {
            fclose(file);
            throw;
        }
    }
    if (mode == OPEN_APPEND) {
        if (SeekTo(file, 0, SEEK_END) != 0) {
            fclose(file);
            throw SETUP_ERROR_C("Unable to open file.");
        }
        position = TellOf(file);
    }
}

PACKAGEFILE_C::PACKAGEFILE_C(FILE* stream) : file(stream)
{
    if (!file)
        throw SETUP_ERROR_C("Unable to open file.");
    try {
        limit = Size();
    } catch (const SETUP_ERROR_C&) {
        fclose(file);
        throw;
    }
}

PACKAGEFILE_C::~PACKAGEFILE_C()
{
    if (file)
        fclose(file);
}

void PACKAGEFILE_C::ReadExact(void* data, uint64_t n)
{
    if (n > Remaining() || (n > 0 && fread(data, 1, n, file) != n))
        throw SETUP_ERROR_C("Error reading from file.");
    position += n;
}

uint32_t PACKAGEFILE_C::ReadU32()
{
    uint8_t b[4];
    ReadExact(b, 4);
    return (uint32_t)b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 | (uint32_t)b[3] << 24;
}

std::string PACKAGEFILE_C::ReadName()
{
    // The field is read as one run of up to 261 bytes; the file then goes
    // back to just after the name's terminator. Near the end of the package
    // the run is shorter, never past the limit.
    uint64_t start = position;
    uint64_t n = Remaining() < (uint64_t)PACKAGE_NAME_READ ? Remaining() : PACKAGE_NAME_READ;
    char buffer[PACKAGE_NAME_READ];
    if (n == 0)
        throw SETUP_ERROR_C("Error reading from file.");
    ReadExact(buffer, n);
    const void* zero = memchr(buffer, 0, n);
    if (!zero)
        throw SETUP_ERROR_C("String without terminator.");
    size_t length = (const char*)zero - buffer;
    Seek(start + length + 1);
    return std::string(buffer, length);
}

std::string PACKAGEFILE_C::ReadString()
{
    std::string text;
    for (;;) {
        char c;
        if (Remaining() == 0)
            throw SETUP_ERROR_C(text.empty() ? "Error reading from file." : "String without terminator.");
        ReadExact(&c, 1);
        if (c == 0)
            return text;
        if (text.size() >= PACKAGE_STRING_MAX)
            throw SETUP_ERROR_C("String without terminator.");
        text += c;
    }
}

void PACKAGEFILE_C::Seek(uint64_t to)
{
    if (SeekTo(file, to, SEEK_SET) != 0)
        throw SETUP_ERROR_C("Error reading from file.");
    position = to;
}

uint64_t PACKAGEFILE_C::Size()
{
    if (SeekTo(file, 0, SEEK_END) != 0)
        throw SETUP_ERROR_C("Error reading from file.");
    uint64_t size = TellOf(file);
    Seek(position);
    return size;
}

void PACKAGEFILE_C::Write(const void* data, uint64_t n)
{
    if (n > 0 && fwrite(data, 1, n, file) != n)
        throw SETUP_ERROR_C("Error writing to file.");
    if (fflush(file) != 0)
        throw SETUP_ERROR_C("Error writing to file.");
    position += n;
}
