// The file table and the file-data block that follows it.
#include "setup.h"

namespace {

// The fewest bytes one table entry can take: a one-letter name, empty
// subdirectory, no version words. Counts that could not fit are refused
// before anything is reserved for them.
constexpr uint64_t FILE_ENTRY_MIN = 2 + 4 + 4 + 1 + 24 + 4 + 4 + 4 + 4;

}  // namespace

bool IsValidFileTime(const FILETIME_T& t)
{
    return t.day >= 1 && t.day <= 31 && t.month1 >= 2 && t.month1 <= 13 && t.year >= 1601 &&
           t.year <= 30827 && t.hour < 24 && t.minute < 60 && t.second < 60;
}

std::vector<FILEENTRY_T> ReadFileTable(PACKAGEFILE_C& in)
{
    uint32_t count = in.ReadU32();
    if (count > in.Remaining() / FILE_ENTRY_MIN)
        throw SETUP_ERROR_C("Package count out of range.");
    std::vector<FILEENTRY_T> files(count);
    for (FILEENTRY_T& f : files) {
        f.name = in.ReadName();
        if (!IsSafeFileName(f.name))
            throw SETUP_ERROR_C("Unsafe file name in package.");
        f.size = in.ReadU32();
        f.destination = in.ReadU32();
        if (f.destination >= DEST_COUNT)
            throw SETUP_ERROR_C("Unknown destination type.");
        f.subdir = in.ReadString();
        if (!IsSafeSubdir(f.subdir))
            throw SETUP_ERROR_C("Unsafe file name in package.");
        f.time.day = in.ReadU32();
        f.time.month1 = in.ReadU32();
        f.time.year = in.ReadU32();
        f.time.hour = in.ReadU32();
        f.time.minute = in.ReadU32();
        f.time.second = in.ReadU32();
        if (!IsValidFileTime(f.time))
            throw SETUP_ERROR_C("Invalid file time.");
        f.version_check = in.ReadU32() == 1;
        if (f.version_check)
            for (uint32_t& word : f.version)
                word = in.ReadU32();
        f.replace_at_restart = in.ReadU32() != 0;
        f.self_register = in.ReadU32() != 0;
        f.shared_dll = in.ReadU32() != 0;
    }
    return files;
}

std::vector<uint8_t> ReadFileData(PACKAGEFILE_C& in, const std::vector<FILEENTRY_T>& files)
{
    uint64_t total = 0;
    for (const FILEENTRY_T& f : files)
        total += f.size;
    std::vector<uint8_t> data = ReadBlock(in);
    // Each file is a slice of this block; a block that does not hold exactly
    // the table's files would hand out slices beyond its end.
    if (data.size() != total)
        throw SETUP_ERROR_C("File data does not match the file table.");
    return data;
}
