// Where things go: the system's folders and the package's destination codes.
#include "install.h"

#include <shlobj.h>

namespace {

const char* VERSION_KEY = "Software\\Microsoft\\Windows\\CurrentVersion";

// A value of the CurrentVersion key with environment variables expanded;
// false when the value is absent.
bool CurrentVersionValue(HKEY key, const char* name, std::string* out)
{
    char raw[MAX_PATH];
    DWORD size = sizeof raw - 1, type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, (BYTE*)raw, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    raw[size] = 0;
    char expanded[MAX_PATH];
    DWORD n = ExpandEnvironmentStringsA(raw, expanded, sizeof expanded);
    *out = n > 0 && n <= sizeof expanded ? expanded : raw;
    return true;
}

}  // namespace

std::string ProgramFilesDir()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, VERSION_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "C:\\Program Files";
    std::string dir;
    if (!CurrentVersionValue(key, "ProgramFilesPath", &dir) && !CurrentVersionValue(key, "ProgramFilesDir", &dir))
        dir = "C:\\Program Files";
    RegCloseKey(key);
    return dir;
}

std::string CommonFilesDir()
{
    HKEY key;
    std::string dir;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, VERSION_KEY, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        CurrentVersionValue(key, "CommonFilesDir", &dir);
        RegCloseKey(key);
    }
    // Without the value, files would land in the root of the current drive.
    if (dir.empty())
        dir = ProgramFilesDir() + "\\Common Files";
    return dir;
}

std::string WindowsDir()
{
    char dir[MAX_PATH];
    UINT n = GetWindowsDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir)
        throw SETUP_ERROR_C("Unable to determine path.");
    return dir;
}

std::string SystemDir()
{
    char dir[MAX_PATH];
    UINT n = GetSystemDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir)
        throw SETUP_ERROR_C("Unable to determine path.");
    return dir;
}

std::string TempFolder()
{
    char dir[MAX_PATH];
    DWORD n = GetTempPathA(sizeof dir, dir);
    if (n == 0 || n >= sizeof dir)
        throw SETUP_ERROR_C("Unable to determine path.");
    std::string path = dir;
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path + "vt_temp";
}

std::string DestinationFolder(uint32_t destination)
{
    switch (destination) {
    case DEST_INSTALL: return install.install_dir;
    case DEST_WINDOWS: return WindowsDir();
    case DEST_SYSTEM: return SystemDir();
    case DEST_FONTS: {
        char dir[MAX_PATH];
        if (!SHGetSpecialFolderPathA(nullptr, dir, CSIDL_FONTS, FALSE))
            throw SETUP_ERROR_C("Unable to determine path.");
        return dir;
    }
    case DEST_PROGRAM_FILES: return ProgramFilesDir();
    case DEST_COMMON_FILES: return CommonFilesDir();
    case DEST_TEMP: return TempFolder();
    default: throw SETUP_ERROR_C("Unknown destination type.");
    }
}

bool IsNtFamily()
{
    return (GetVersion() & 0x80000000u) == 0;
}

std::string ShortPath(const std::string& path)
{
    char shortened[MAX_PATH];
    DWORD n = GetShortPathNameA(path.c_str(), shortened, sizeof shortened);
    return n > 0 && n < sizeof shortened ? std::string(shortened) : path;
}
