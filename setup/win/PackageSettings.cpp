// The package's registry values, file associations and follow-up programs.
#include "install.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>

namespace {

std::string DefaultValue(HKEY root, const std::string& path, bool* exists)
{
    HKEY key;
    *exists = false;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "";
    char value[1024];
    DWORD size = sizeof value - 1, type = 0;
    std::string text;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, (BYTE*)value, &size) == ERROR_SUCCESS && type == REG_SZ) {
        value[size] = 0;
        text = value;
        *exists = true;
    }
    RegCloseKey(key);
    return text;
}

// Sets a key's default value unless it already holds that text; true when
// something changed.
bool SetDefaultValue(HKEY root, const std::string& path, const std::string& text)
{
    bool exists;
    if (DefaultValue(root, path, &exists) == text && exists)
        return false;
    HKEY key;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw SETUP_ERROR_C("Unable to create registry key.");
    LONG result = RegSetValueExA(key, nullptr, 0, REG_SZ, (const BYTE*)text.c_str(), (DWORD)text.size() + 1);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        throw SETUP_ERROR_C("Unable to save registry key.");
    return true;
}

}  // namespace

void WriteRegistryValues(HKEY root, const std::vector<REGKEY_T>& keys)
{
    for (const REGKEY_T& k : keys) {
        HKEY key;
        if (RegCreateKeyExA(root, k.path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            continue;
        for (const REGVALUE_T& v : k.values) {
            std::string text = ReplaceAll(v.value, "<Destination>", install.install_dir);
            LONG result;
            if (v.type == REG_SZ) {
                result = RegSetValueExA(key, v.name.c_str(), 0, REG_SZ, (const BYTE*)text.c_str(),
                                        (DWORD)text.size() + 1);
            } else {
                DWORD number = (DWORD)strtoul(text.c_str(), nullptr, 10);
                result = RegSetValueExA(key, v.name.c_str(), 0, v.type, (const BYTE*)&number, sizeof number);
            }
            if (result != ERROR_SUCCESS) {
                RegCloseKey(key);
                throw SETUP_ERROR_C("Unable to save registry key.");
            }
        }
        RegCloseKey(key);
    }
}

void RegisterAssociations(const std::vector<ASSOCIATION_T>& list)
{
    bool changed = false;
    for (const ASSOCIATION_T& a : list) {
        std::string program = ReplaceAll(a.program, "<Destination>", install.install_dir);
        std::string icon = ReplaceAll(a.icon, "<Destination>", install.install_dir);
        changed |= SetDefaultValue(HKEY_CLASSES_ROOT, a.extension, a.file_type);
        if (a.description != a.file_type)
            changed |= SetDefaultValue(HKEY_CLASSES_ROOT, a.file_type, a.description);
        changed |= SetDefaultValue(HKEY_CLASSES_ROOT, a.file_type + "\\shell\\open\\command",
                                   Format("%s \"%%1\"", program.c_str()));
        changed |= SetDefaultValue(HKEY_CLASSES_ROOT, a.file_type + "\\DefaultIcon",
                                   Format("%s,%d", icon.c_str(), (int)a.icon_index));
    }
    if (changed)
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void RunPrograms(const std::vector<RUNPROGRAM_T>& list)
{
    OSVERSIONINFOA os = {};
    os.dwOSVersionInfoSize = sizeof os;
    GetVersionExA(&os);
    bool older_than_nt5 = !IsNtFamily() || os.dwMajorVersion < 5;
    for (const RUNPROGRAM_T& p : list) {
        if (p.condition != 0 && !older_than_nt5)
            continue;
        std::string command = ReplaceAll(p.command, "<Temp>", TempFolder());
        SHELLEXECUTEINFOA run = {};
        run.cbSize = sizeof run;
        run.fMask = SEE_MASK_NOCLOSEPROCESS;
        run.lpVerb = "open";
        run.lpFile = command.c_str();
        run.lpParameters = p.parameters.c_str();
        run.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExA(&run))
            throw SETUP_ERROR_C("Unable to run program.");
        Trace("ran %s", command.c_str());
        if (run.hProcess) {
            WaitForSingleObject(run.hProcess, INFINITE);
            CloseHandle(run.hProcess);
        }
    }
}
