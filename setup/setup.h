// The installer's package: the file primitives setup uses on its own
// executable, the parser of the appended package and the builder that writes
// one. Portable C++ with zlib, so the same code runs in setup.exe, in the
// native packaging tool and in the tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

// Every failure of the installer is thrown as one of these; the entry point
// shows its text in the "Error" box.
class SETUP_ERROR_C : public std::runtime_error {
public:
    explicit SETUP_ERROR_C(const std::string& text) : std::runtime_error(text) {}
};

enum OPENMODE_E { OPEN_READ, OPEN_WRITE, OPEN_APPEND };

// A file opened in one of the three modes. Reads never go past the limit
// (the package's trailer), so a damaged package cannot make the reader wander
// into the trailer or beyond the end.
class PACKAGEFILE_C {
public:
    PACKAGEFILE_C(const std::string& path, OPENMODE_E mode);
    // Reads an already open stream (which it then owns), e.g. a package in
    // memory.
    explicit PACKAGEFILE_C(FILE* stream);
    ~PACKAGEFILE_C();
    PACKAGEFILE_C(const PACKAGEFILE_C&) = delete;
    PACKAGEFILE_C& operator=(const PACKAGEFILE_C&) = delete;

    void ReadExact(void* data, uint64_t n);
    uint32_t ReadU32();
    std::string ReadName();    // up to 261 bytes, then just after the first zero
    std::string ReadString();  // byte by byte up to the zero
    void Seek(uint64_t position);
    uint64_t Tell() const { return position; }
    uint64_t Size();
    void SetLimit(uint64_t end) { limit = end; }
    uint64_t Remaining() const { return limit > position ? limit - position : 0; }
    void Write(const void* data, uint64_t n);

private:
    FILE* file = nullptr;
    uint64_t position = 0;
    uint64_t limit = UINT64_MAX;
};

// Longest file name a file-table entry may carry, and the width read for it.
constexpr int PACKAGE_NAME_MAX = 260;
constexpr int PACKAGE_NAME_READ = 261;
constexpr int PACKAGE_HEADER_SIZE = 133;
constexpr int PACKAGE_TEXT_WIDTH = 31;
// Nothing the installer carries comes near this; a larger announced size is
// a damaged package, not a request to allocate it.
constexpr uint64_t PACKAGE_BLOCK_MAX = 512ull << 20;
// Other strings (registry values, commands) are bounded likewise.
constexpr uint64_t PACKAGE_STRING_MAX = 64u << 10;

struct PACKAGEHEADER_T {
    std::string product;
    std::string version;
    bool show_destination = false;
    bool show_shortcuts = false;
    bool has_licence = false;
    bool show_welcome = false;
    bool programs_menu = false;
    bool desktop = false;
    bool startup = false;
    bool run_program = false;
    bool close_running = false;
    std::string window_class;
    std::string program;
};

enum DEST_E {
    DEST_INSTALL = 0,
    DEST_WINDOWS = 1,
    DEST_SYSTEM = 2,
    DEST_FONTS = 3,
    DEST_PROGRAM_FILES = 4,
    DEST_COMMON_FILES = 5,
    DEST_TEMP = 6,
    DEST_COUNT
};

struct FILETIME_T {
    uint32_t day = 1, month1 = 2, year = 2000;  // month1: calendar month + 1
    uint32_t hour = 0, minute = 0, second = 0;
};

struct FILEENTRY_T {
    std::string name;
    uint32_t size = 0;
    uint32_t destination = DEST_INSTALL;
    std::string subdir;
    FILETIME_T time;
    bool version_check = false;
    uint32_t version[4] = {0, 0, 0, 0};
    bool replace_at_restart = false;
    bool self_register = false;
    bool shared_dll = false;
};

struct REGVALUE_T {
    uint32_t type = 1;
    std::string name;
    std::string value;
};

struct REGKEY_T {
    std::string path;
    std::vector<REGVALUE_T> values;
};

struct ASSOCIATION_T {
    std::string extension;
    std::string file_type;
    std::string description;
    std::string program;
    std::string icon;
    uint32_t icon_index = 0;
};

struct RUNPROGRAM_T {
    std::string command;
    std::string parameters;
    uint32_t condition = 0;  // non-zero: only on systems older than NT 5
};

// One block: packed (zlib) or stored. Sizes are bounded by what is left of the
// package and by PACKAGE_BLOCK_MAX before anything is allocated.
std::vector<uint8_t> ReadBlock(PACKAGEFILE_C& in);

// The sections of the package, each read strictly in order from the current
// position of the file.
PACKAGEHEADER_T ReadPackageStart(PACKAGEFILE_C& in, std::string* licence);
std::vector<FILEENTRY_T> ReadFileTable(PACKAGEFILE_C& in);
std::vector<uint8_t> ReadFileData(PACKAGEFILE_C& in, const std::vector<FILEENTRY_T>& files);
std::vector<REGKEY_T> ReadRegistryValues(PACKAGEFILE_C& in);
std::vector<ASSOCIATION_T> ReadAssociations(PACKAGEFILE_C& in);
std::vector<RUNPROGRAM_T> ReadRunList(PACKAGEFILE_C& in);
// After the run list only the trailer may follow.
void CheckPackageEnd(PACKAGEFILE_C& in);

// A whole package, as the tools and tests see it.
struct PACKAGE_T {
    PACKAGEHEADER_T header;
    std::string licence;
    std::vector<uint8_t> uninstaller;
    std::vector<FILEENTRY_T> files;
    std::vector<uint8_t> file_data;
    std::vector<REGKEY_T> user_values;
    std::vector<REGKEY_T> machine_values;
    std::vector<ASSOCIATION_T> associations;
    std::vector<RUNPROGRAM_T> programs;
};

PACKAGE_T ReadPackage(const std::string& path);
PACKAGE_T ReadPackage(PACKAGEFILE_C& in);

// A name or subdirectory from the package is used only when it stays inside
// its destination folder: relative, no drive, no ".." component, no
// separators in a file name.
bool IsSafeFileName(const std::string& name);
bool IsSafeSubdir(const std::string& subdir);
// A modification time Windows can set: calendar fields in range.
bool IsValidFileTime(const FILETIME_T& time);

// Builder: the package bytes for a stub of stub_size bytes (the trailer's
// offset). Blocks are packed unless pack_* says otherwise; the uninstaller is
// always packed.
struct PACKOPTIONS_T {
    bool pack_licence = true;
    bool pack_files = true;
};
std::vector<uint8_t> BuildPackage(const PACKAGE_T& package, uint64_t stub_size,
                                  const PACKOPTIONS_T& options);

// Text replacements of the package ("<Destination>", "<Temp>").
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);
