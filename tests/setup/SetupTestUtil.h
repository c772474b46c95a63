// Helpers of the package tests: a scratch file per test and a package with
// every kind of content.
#pragma once

#include "setup.h"

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace st {

// A file in the temporary folder, removed when the test ends.
class TempFile {
public:
    explicit TempFile(const std::string& tag)
    {
        const char* dir = getenv("TMPDIR");
        path = std::string(dir ? dir : "/tmp") + "/vornak-setup-" + tag + "-" + std::to_string(getpid());
    }
    ~TempFile() { remove(path.c_str()); }
    void Put(const std::vector<uint8_t>& bytes) const
    {
        FILE* f = fopen(path.c_str(), "wb");
        if (!f || (bytes.size() && fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()))
            abort();
        fclose(f);
    }
    std::vector<uint8_t> Get() const
    {
        std::vector<uint8_t> bytes;
        FILE* f = fopen(path.c_str(), "rb");
        if (!f)
            return bytes;
        int c;
        while ((c = fgetc(f)) != EOF)
            bytes.push_back((uint8_t)c);
        fclose(f);
        return bytes;
    }
    std::string path;
};

inline std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

// A package using every section and option.
inline PACKAGE_T FullPackage()
{
    PACKAGE_T p;
    PACKAGEHEADER_T& h = p.header;
    h.product = "Vornak";
    h.version = "2.98F";
    h.show_destination = true;
    h.show_shortcuts = false;
    h.has_licence = true;
    h.show_welcome = true;
    h.programs_menu = true;
    h.desktop = false;
    h.startup = true;
    h.run_program = true;
    h.close_running = true;
    h.window_class = "vornak";
    h.program = "vornak.exe";
    p.licence = "Terms & conditions\nline two\n";
    for (int i = 0; i < 3000; i++)
        p.uninstaller.push_back((uint8_t)(i * 7 % 251));

    FILEENTRY_T exe;
    exe.name = "vornak.exe";
    exe.size = 9;
    exe.time = {7, 13, 2026, 15, 4, 59};
    exe.version_check = true;
    exe.version[0] = 2;
    exe.version[1] = 98;
    exe.version[2] = 0;
    exe.version[3] = 70000;
    exe.replace_at_restart = true;
    FILEENTRY_T dll;
    dll.name = "SDL2.dll";
    dll.size = 0;
    dll.destination = DEST_SYSTEM;
    dll.time = {1, 2, 1999, 0, 0, 0};
    dll.self_register = true;
    dll.shared_dll = true;
    FILEENTRY_T mesh;
    mesh.name = "KING.STL";
    mesh.size = 5;
    mesh.subdir = "pieces";
    mesh.destination = DEST_TEMP;
    mesh.time = {31, 12, 2020, 23, 59, 58};
    p.files = {exe, dll, mesh};
    p.file_data = Bytes("exe bytessolid");

    p.user_values = {{"Software\\Vornak", {{1, "Path", "<Destination>"}, {4, "Depth", "12"}}},
                     {"Software\\Vornak\\Empty", {}}};
    p.machine_values = {{"Software\\Vornak", {{1, "", "=x="}}}};
    p.associations = {{".vsg", "Vornak.Game", "Vornak saved game", "<Destination>\\vornak.exe",
                       "<Destination>\\vornak.exe", 3}};
    p.programs = {{"<Temp>\\redist.exe", "/q", 0}, {"old.exe", "", 1}};
    return p;
}

// The smallest package: no licence, no files, empty lists.
inline PACKAGE_T EmptyPackage()
{
    PACKAGE_T p;
    p.header.product = "P";
    p.header.program = "p.exe";
    p.uninstaller = Bytes("u");
    return p;
}

// A stub followed by the package built for it.
inline std::vector<uint8_t> WithStub(const PACKAGE_T& p, size_t stub_size, const PACKOPTIONS_T& options = {})
{
    std::vector<uint8_t> bytes(stub_size, 'M');
    std::vector<uint8_t> package = BuildPackage(p, stub_size, options);
    bytes.insert(bytes.end(), package.begin(), package.end());
    return bytes;
}

}  // namespace st
