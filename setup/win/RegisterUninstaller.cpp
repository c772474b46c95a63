// The uninstall log in the installation directory and the Uninstall key that
// points the system's uninstall list at VTUnInst.exe with it.
#include "install.h"

void RegisterUninstaller()
{
    CreateDirectories(install.install_dir);
    std::string log_path = install.install_dir + "\\Uninst.log";
    const PACKAGEHEADER_T& h = install.header;
    std::string log = h.product + "\n";
    if (h.close_running)
        log += "CheckProgramNotRunning\n" + h.window_class + "\n";
    else
        log += "Don'tCheckProgramNotRunning\n";
    log += Format("%d\n", install.shortcut_count) + install.shortcut_lines;
    log += Format("%d\n", install.shared_count) + install.shared_lines;
    {
        PACKAGEFILE_C out(log_path, OPEN_WRITE);
        out.Write(log.data(), log.size());
    }

    HKEY key;
    std::string path = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + h.product;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        throw SETUP_ERROR_C("Unable to create registry key.");
    std::string command = Format("%s\\VTUnInst.exe %s", WindowsDir().c_str(), log_path.c_str());
    bool ok = RegSetValueExA(key, "DisplayName", 0, REG_SZ, (const BYTE*)h.product.c_str(),
                             (DWORD)h.product.size() + 1) == ERROR_SUCCESS &&
              RegSetValueExA(key, "UninstallString", 0, REG_SZ, (const BYTE*)command.c_str(),
                             (DWORD)command.size() + 1) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (!ok)
        throw SETUP_ERROR_C("Unable to save registry key.");
}
