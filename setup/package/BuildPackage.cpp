// The package builder: the exact byte layout the reader expects, ready to be
// appended to a stub of the given size.
#include "setup.h"

#include <cstring>
#include <zlib.h>

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; i++)
        out.push_back((uint8_t)(v >> (8 * i)));
}

void PutString(std::vector<uint8_t>& out, const std::string& s)
{
    if (s.find('\0') != std::string::npos)
        throw SETUP_ERROR_C("Text with a zero byte cannot be packaged.");
    out.insert(out.end(), s.begin(), s.end());
    out.push_back(0);
}

void PutText(uint8_t* field, const std::string& s, const char* what)
{
    if (s.size() >= (size_t)PACKAGE_TEXT_WIDTH || s.find('\0') != std::string::npos)
        throw SETUP_ERROR_C(std::string("Header text too long: ") + what + ".");
    memcpy(field, s.data(), s.size());
}

void PutBlock(std::vector<uint8_t>& out, const std::vector<uint8_t>& data, bool pack)
{
    if (data.size() > PACKAGE_BLOCK_MAX)
        throw SETUP_ERROR_C("Package block too large.");
    if (!pack) {
        PutU32(out, 0);
        PutU32(out, (uint32_t)data.size());
        out.insert(out.end(), data.begin(), data.end());
        return;
    }
    uLongf length = compressBound((uLong)data.size());
    std::vector<uint8_t> packed(length);
    if (compress2(packed.data(), &length, data.data(), (uLong)data.size(), Z_BEST_COMPRESSION) != Z_OK)
        throw SETUP_ERROR_C("Error compressing data.");
    PutU32(out, (uint32_t)length);
    PutU32(out, (uint32_t)data.size());
    out.insert(out.end(), packed.begin(), packed.begin() + length);
}

void PutRegistry(std::vector<uint8_t>& out, const std::vector<REGKEY_T>& keys)
{
    PutU32(out, (uint32_t)keys.size());
    for (const REGKEY_T& key : keys) {
        PutString(out, key.path);
        PutU32(out, (uint32_t)key.values.size());
        for (const REGVALUE_T& value : key.values) {
            if (value.name.find('=') != std::string::npos)
                throw SETUP_ERROR_C("A registry value name cannot hold '='.");
            PutU32(out, value.type);
            PutString(out, value.name + "=" + value.value);
        }
    }
}

}  // namespace

std::vector<uint8_t> BuildPackage(const PACKAGE_T& p, uint64_t stub_size, const PACKOPTIONS_T& options)
{
    if (stub_size > UINT32_MAX)
        throw SETUP_ERROR_C("Stub too large.");
    std::vector<uint8_t> out;

    uint8_t header[PACKAGE_HEADER_SIZE] = {};
    const PACKAGEHEADER_T& h = p.header;
    PutText(header + 0, h.product, "product");
    PutText(header + 31, h.version, "version");
    header[62] = h.show_destination;
    header[63] = h.show_shortcuts;
    header[64] = h.has_licence;
    header[65] = h.show_welcome;
    header[66] = h.programs_menu;
    header[67] = h.desktop;
    header[68] = h.startup;
    header[69] = h.run_program;
    header[70] = h.close_running;
    PutText(header + 71, h.window_class, "window class");
    PutText(header + 102, h.program, "program");
    out.insert(out.end(), header, header + sizeof header);

    if (h.has_licence)
        PutBlock(out, std::vector<uint8_t>(p.licence.begin(), p.licence.end()), options.pack_licence);
    PutBlock(out, p.uninstaller, true);

    uint64_t total = 0;
    PutU32(out, (uint32_t)p.files.size());
    for (const FILEENTRY_T& f : p.files) {
        if (!IsSafeFileName(f.name) || !IsSafeSubdir(f.subdir))
            throw SETUP_ERROR_C("Unsafe file name in package: " + f.subdir + "\\" + f.name);
        if (!IsValidFileTime(f.time))
            throw SETUP_ERROR_C("Invalid file time: " + f.name);
        PutString(out, f.name);
        PutU32(out, f.size);
        PutU32(out, f.destination);
        PutString(out, f.subdir);
        const FILETIME_T& t = f.time;
        for (uint32_t v : {t.day, t.month1, t.year, t.hour, t.minute, t.second})
            PutU32(out, v);
        PutU32(out, f.version_check ? 1 : 0);
        if (f.version_check)
            for (uint32_t word : f.version)
                PutU32(out, word);
        PutU32(out, f.replace_at_restart);
        PutU32(out, f.self_register);
        PutU32(out, f.shared_dll);
        total += f.size;
    }
    if (total != p.file_data.size())
        throw SETUP_ERROR_C("File data does not match the file table.");
    PutBlock(out, p.file_data, options.pack_files);

    PutRegistry(out, p.user_values);
    PutRegistry(out, p.machine_values);

    PutU32(out, (uint32_t)p.associations.size());
    for (const ASSOCIATION_T& a : p.associations) {
        PutString(out, a.extension);
        PutString(out, a.file_type);
        PutString(out, a.description);
        PutString(out, a.program);
        PutString(out, a.icon);
        PutU32(out, a.icon_index);
    }

    PutU32(out, (uint32_t)p.programs.size());
    for (const RUNPROGRAM_T& r : p.programs) {
        PutString(out, r.command);
        PutString(out, r.parameters);
        PutU32(out, r.condition);
    }

    PutU32(out, (uint32_t)stub_size);
    return out;
}
