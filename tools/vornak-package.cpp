// vornak-package: builds the installer's package from a manifest and appends
// it to a stub executable, or lists a package with the reader setup.exe uses.
//
//   vornak-package build MANIFEST STUB OUTPUT
//   vornak-package list FILE
//
// The manifest has one "key = value" per line ('#' starts a comment line).
// Header: product, version, window_class, program and the flags
// show_welcome, show_destination, show_shortcuts, programs_menu, desktop,
// startup, run_program, close_running (0 or 1). Optional: licence = FILE,
// pack_licence = 0|1, pack_files = 0|1. Required: uninstaller = FILE.
// Lists, fields separated by '|':
//   file = SOURCE | NAME | DEST | SUBDIR | YYYY-MM-DD HH:MM:SS | VERSION | FLAGS
//     NAME "-": the source's base name; VERSION a.b.c.d or "-" (no check);
//     FLAGS a comma list of restart, register, shared, or "-".
//   user_value = KEY | TYPE | NAME | VALUE      (machine_value likewise)
//   association = .EXT | TYPE | DESCRIPTION | PROGRAM | ICON | INDEX
//   run = COMMAND | PARAMETERS | CONDITION
// Relative source paths are taken from the manifest's folder.
#include "setup.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

int Usage()
{
    fprintf(stderr, "usage: vornak-package build MANIFEST STUB OUTPUT\n"
                    "       vornak-package list FILE\n");
    return 2;
}

std::string Trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

std::vector<std::string> Fields(const std::string& value)
{
    std::vector<std::string> out;
    std::string part;
    std::istringstream in(value);
    while (std::getline(in, part, '|'))
        out.push_back(Trim(part));
    if (!value.empty() && value.back() == '|')
        out.push_back("");
    return out;
}

std::vector<uint8_t> Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SETUP_ERROR_C("cannot read " + path);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Number(const std::string& text, const std::string& what)
{
    char* end = nullptr;
    errno = 0;
    unsigned long long v = strtoull(text.c_str(), &end, 10);
    if (text.empty() || *end || errno || v > UINT32_MAX)
        throw SETUP_ERROR_C("bad number for " + what + ": '" + text + "'");
    return (uint32_t)v;
}

bool Flag(const std::string& text, const std::string& key)
{
    if (text != "0" && text != "1")
        throw SETUP_ERROR_C(key + " must be 0 or 1");
    return text == "1";
}

struct MANIFEST_T {
    PACKAGE_T package;
    PACKOPTIONS_T options;
};

void AddFile(MANIFEST_T& m, const std::vector<std::string>& f, const std::string& base)
{
    if (f.size() != 7)
        throw SETUP_ERROR_C("file needs 7 fields: SOURCE | NAME | DEST | SUBDIR | TIME | VERSION | FLAGS");
    std::string source = f[0].size() && f[0][0] == '/' ? f[0] : base + f[0];
    std::vector<uint8_t> data = Slurp(source);
    FILEENTRY_T e;
    size_t slash = f[0].find_last_of('/');
    e.name = f[1] == "-" ? f[0].substr(slash == std::string::npos ? 0 : slash + 1) : f[1];
    e.size = (uint32_t)data.size();
    e.destination = Number(f[2], "destination");
    e.subdir = f[3];
    unsigned y, mo, d, h, mi, s;
    char tail;
    if (sscanf(f[4].c_str(), "%u-%u-%u %u:%u:%u%c", &y, &mo, &d, &h, &mi, &s, &tail) != 6)
        throw SETUP_ERROR_C("time must be YYYY-MM-DD HH:MM:SS: '" + f[4] + "'");
    e.time = {d, mo + 1, y, h, mi, s};
    if (f[5] != "-") {
        unsigned v[4];
        if (sscanf(f[5].c_str(), "%u.%u.%u.%u%c", &v[0], &v[1], &v[2], &v[3], &tail) != 4)
            throw SETUP_ERROR_C("version must be a.b.c.d or -: '" + f[5] + "'");
        e.version_check = true;
        for (int i = 0; i < 4; i++)
            e.version[i] = v[i];
    }
    if (f[6] != "-") {
        std::istringstream flags(f[6]);
        std::string flag;
        while (std::getline(flags, flag, ',')) {
            flag = Trim(flag);
            if (flag == "restart")
                e.replace_at_restart = true;
            else if (flag == "register")
                e.self_register = true;
            else if (flag == "shared")
                e.shared_dll = true;
            else
                throw SETUP_ERROR_C("unknown file flag '" + flag + "'");
        }
    }
    m.package.files.push_back(e);
    m.package.file_data.insert(m.package.file_data.end(), data.begin(), data.end());
}

void AddValue(std::vector<REGKEY_T>& keys, const std::vector<std::string>& f)
{
    if (f.size() != 4)
        throw SETUP_ERROR_C("registry value needs 4 fields: KEY | TYPE | NAME | VALUE");
    // Values of one key are grouped under it, in the order first named.
    REGKEY_T* key = nullptr;
    for (REGKEY_T& k : keys)
        if (k.path == f[0])
            key = &k;
    if (!key) {
        keys.push_back({f[0], {}});
        key = &keys.back();
    }
    key->values.push_back({Number(f[1], "type"), f[2], f[3]});
}

MANIFEST_T ReadManifest(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw SETUP_ERROR_C("cannot read " + path);
    size_t slash = path.find_last_of('/');
    std::string base = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    MANIFEST_T m;
    PACKAGEHEADER_T& h = m.package.header;
    bool have_uninstaller = false;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        number++;
        std::string t = Trim(line);
        if (t.empty() || t[0] == '#')
            continue;
        size_t eq = t.find('=');
        if (eq == std::string::npos)
            throw SETUP_ERROR_C(path + ":" + std::to_string(number) + ": expected key = value");
        std::string key = Trim(t.substr(0, eq)), value = Trim(t.substr(eq + 1));
        try {
            std::vector<std::string> f = Fields(value);
            if (key == "product") h.product = value;
            else if (key == "version") h.version = value;
            else if (key == "window_class") h.window_class = value;
            else if (key == "program") h.program = value;
            else if (key == "show_welcome") h.show_welcome = Flag(value, key);
            else if (key == "show_destination") h.show_destination = Flag(value, key);
            else if (key == "show_shortcuts") h.show_shortcuts = Flag(value, key);
            else if (key == "programs_menu") h.programs_menu = Flag(value, key);
            else if (key == "desktop") h.desktop = Flag(value, key);
            else if (key == "startup") h.startup = Flag(value, key);
            else if (key == "run_program") h.run_program = Flag(value, key);
            else if (key == "close_running") h.close_running = Flag(value, key);
            else if (key == "pack_licence") m.options.pack_licence = Flag(value, key);
            else if (key == "pack_files") m.options.pack_files = Flag(value, key);
            else if (key == "licence") {
                std::vector<uint8_t> text = Slurp(value[0] == '/' ? value : base + value);
                m.package.licence.assign(text.begin(), text.end());
                h.has_licence = true;
            } else if (key == "uninstaller") {
                m.package.uninstaller = Slurp(value[0] == '/' ? value : base + value);
                have_uninstaller = true;
            } else if (key == "file") AddFile(m, f, base);
            else if (key == "user_value") AddValue(m.package.user_values, f);
            else if (key == "machine_value") AddValue(m.package.machine_values, f);
            else if (key == "association") {
                if (f.size() != 6)
                    throw SETUP_ERROR_C("association needs 6 fields");
                m.package.associations.push_back({f[0], f[1], f[2], f[3], f[4], Number(f[5], "icon index")});
            } else if (key == "run") {
                if (f.size() != 3)
                    throw SETUP_ERROR_C("run needs 3 fields: COMMAND | PARAMETERS | CONDITION");
                m.package.programs.push_back({f[0], f[1], Number(f[2], "condition")});
            } else
                throw SETUP_ERROR_C("unknown key '" + key + "'");
        } catch (const SETUP_ERROR_C& e) {
            throw SETUP_ERROR_C(path + ":" + std::to_string(number) + ": " + e.what());
        }
    }
    if (!have_uninstaller)
        throw SETUP_ERROR_C(path + ": no uninstaller given");
    return m;
}

int Build(const char* manifest, const char* stub, const char* output)
{
    MANIFEST_T m = ReadManifest(manifest);
    std::vector<uint8_t> bytes = Slurp(stub);
    std::vector<uint8_t> package = BuildPackage(m.package, bytes.size(), m.options);
    bytes.insert(bytes.end(), package.begin(), package.end());
    // Write beside the output and rename, so a failed build leaves no half file.
    std::string temp = std::string(output) + ".part";
    {
        PACKAGEFILE_C out(temp, OPEN_WRITE);
        out.Write(bytes.data(), bytes.size());
    }
    if (rename(temp.c_str(), output) != 0) {
        remove(temp.c_str());
        throw SETUP_ERROR_C(std::string("cannot write ") + output);
    }
    printf("%s: %zu files, %zu bytes of package after a stub of %zu bytes\n", output,
           m.package.files.size(), package.size(), bytes.size() - package.size());
    return 0;
}

const char* DestName(uint32_t d)
{
    static const char* names[] = {"install", "windows", "system", "fonts", "programfiles", "commonfiles", "temp"};
    return d < DEST_COUNT ? names[d] : "?";
}

void ListRegistry(const char* title, const std::vector<REGKEY_T>& keys)
{
    printf("%s: %zu\n", title, keys.size());
    for (const REGKEY_T& k : keys) {
        printf("  key %s\n", k.path.c_str());
        for (const REGVALUE_T& v : k.values)
            printf("    type %u %s=%s\n", v.type, v.name.c_str(), v.value.c_str());
    }
}

int List(const char* path)
{
    PACKAGE_T p = ReadPackage(path);
    const PACKAGEHEADER_T& h = p.header;
    printf("product: %s\nversion: %s\n", h.product.c_str(), h.version.c_str());
    printf("pages: welcome %d licence %d destination %d shortcuts %d\n", h.show_welcome,
           h.has_licence, h.show_destination, h.show_shortcuts);
    printf("shortcuts: programs %d desktop %d startup %d\n", h.programs_menu, h.desktop, h.startup);
    printf("run program: %d\nclose running: %d\nwindow class: %s\nprogram: %s\n", h.run_program,
           h.close_running, h.window_class.c_str(), h.program.c_str());
    if (h.has_licence)
        printf("licence: %zu bytes\n", p.licence.size());
    printf("uninstaller: %zu bytes\n", p.uninstaller.size());
    printf("files: %zu\n", p.files.size());
    for (const FILEENTRY_T& f : p.files) {
        const FILETIME_T& t = f.time;
        printf("  %s size %u dest %s subdir '%s' time %04u-%02u-%02u %02u:%02u:%02u", f.name.c_str(), f.size,
               DestName(f.destination), f.subdir.c_str(), t.year, t.month1 - 1, t.day, t.hour, t.minute, t.second);
        if (f.version_check)
            printf(" version %u.%u.%u.%u", f.version[0], f.version[1], f.version[2], f.version[3]);
        printf("%s%s%s\n", f.replace_at_restart ? " restart" : "", f.self_register ? " register" : "",
               f.shared_dll ? " shared" : "");
    }
    ListRegistry("user values", p.user_values);
    ListRegistry("machine values", p.machine_values);
    printf("associations: %zu\n", p.associations.size());
    for (const ASSOCIATION_T& a : p.associations)
        printf("  %s %s '%s' program '%s' icon '%s',%u\n", a.extension.c_str(), a.file_type.c_str(),
               a.description.c_str(), a.program.c_str(), a.icon.c_str(), a.icon_index);
    printf("run: %zu\n", p.programs.size());
    for (const RUNPROGRAM_T& r : p.programs)
        printf("  %s '%s' condition %u\n", r.command.c_str(), r.parameters.c_str(), r.condition);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 5 && strcmp(argv[1], "build") == 0)
            return Build(argv[2], argv[3], argv[4]);
        if (argc == 3 && strcmp(argv[1], "list") == 0)
            return List(argv[2]);
    } catch (const SETUP_ERROR_C& e) {
        fprintf(stderr, "vornak-package: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        fprintf(stderr, "vornak-package: %s\n", e.what());
        return 1;
    }
    return Usage();
}
