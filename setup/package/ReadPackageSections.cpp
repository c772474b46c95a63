// The sections after the file data: registry values, associations and the
// programs to run, each a count and its records.
#include "setup.h"

namespace {

// A count is believable only when that many records of the smallest size
// fit in what is left of the package.
uint32_t ReadCount(PACKAGEFILE_C& in, uint64_t smallest)
{
    uint32_t count = in.ReadU32();
    if (count > in.Remaining() / smallest)
        throw SETUP_ERROR_C("Package count out of range.");
    return count;
}

}  // namespace

std::vector<REGKEY_T> ReadRegistryValues(PACKAGEFILE_C& in)
{
    std::vector<REGKEY_T> keys(ReadCount(in, 1 + 4));
    for (REGKEY_T& key : keys) {
        key.path = in.ReadString();
        key.values.resize(ReadCount(in, 4 + 2));
        for (REGVALUE_T& value : key.values) {
            value.type = in.ReadU32();
            std::string text = in.ReadString();
            size_t equals = text.find('=');
            if (equals == std::string::npos)
                throw SETUP_ERROR_C("Invalid registry value.");
            value.name = text.substr(0, equals);
            value.value = text.substr(equals + 1);
        }
    }
    return keys;
}

std::vector<ASSOCIATION_T> ReadAssociations(PACKAGEFILE_C& in)
{
    std::vector<ASSOCIATION_T> list(ReadCount(in, 2 + 1 + 1 + 1 + 1 + 4));
    for (ASSOCIATION_T& a : list) {
        a.extension = in.ReadString();
        a.file_type = in.ReadString();
        a.description = in.ReadString();
        a.program = in.ReadString();
        a.icon = in.ReadString();
        a.icon_index = in.ReadU32();
        // The extension and type become key names under HKEY_CLASSES_ROOT:
        // one component each, never a path into another key.
        if (a.extension.size() < 2 || a.extension[0] != '.' || a.file_type.empty() ||
            a.extension.find('\\') != std::string::npos || a.file_type.find('\\') != std::string::npos)
            throw SETUP_ERROR_C("Invalid file association.");
    }
    return list;
}

std::vector<RUNPROGRAM_T> ReadRunList(PACKAGEFILE_C& in)
{
    std::vector<RUNPROGRAM_T> list(ReadCount(in, 1 + 1 + 4));
    for (RUNPROGRAM_T& p : list) {
        p.command = in.ReadString();
        p.parameters = in.ReadString();
        p.condition = in.ReadU32();
    }
    return list;
}

void CheckPackageEnd(PACKAGEFILE_C& in)
{
    if (in.Remaining() != 0)
        throw SETUP_ERROR_C("Unexpected data after the package.");
}

PACKAGE_T ReadPackage(const std::string& path)
{
    PACKAGEFILE_C in(path, OPEN_READ);
    return ReadPackage(in);
}

PACKAGE_T ReadPackage(PACKAGEFILE_C& in)
{
    PACKAGE_T p;
    p.header = ReadPackageStart(in, &p.licence);
    p.uninstaller = ReadBlock(in);
    p.files = ReadFileTable(in);
    p.file_data = ReadFileData(in, p.files);
    p.user_values = ReadRegistryValues(in);
    p.machine_values = ReadRegistryValues(in);
    p.associations = ReadAssociations(in);
    p.programs = ReadRunList(in);
    CheckPackageEnd(in);
    return p;
}
