// Shortcuts in the Programs menu, on the Desktop and in the Startup folder,
// made with the shell-link COM object.
#include "install.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

void CreateLink(int folder_id)
{
    char folder[MAX_PATH];
    if (!SHGetSpecialFolderPathA(nullptr, folder, folder_id, TRUE))
        throw SETUP_ERROR_C("Unable to determine path.");
    std::string link = Format("%s\\%s.lnk", folder, install.header.product.c_str());
    std::string target = install.install_dir + "\\" + install.header.program;

    IShellLinkA* shell_link = nullptr;
    IPersistFile* file = nullptr;
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                         (void**)&shell_link)) &&
              SUCCEEDED(shell_link->SetPath(target.c_str())) &&
              SUCCEEDED(shell_link->SetWorkingDirectory(install.install_dir.c_str())) &&
              SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile, (void**)&file));
    if (ok) {
        WCHAR wide[MAX_PATH];
        ok = MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH) > 0 &&
             SUCCEEDED(file->Save(wide, TRUE));
    }
    if (file)
        file->Release();
    if (shell_link)
        shell_link->Release();
    if (!ok)
        throw SETUP_ERROR_C("Unable to create shortcut.");
    install.shortcut_lines += link + "\n";
    install.shortcut_count++;
    Trace("shortcut %s", link.c_str());
}

}  // namespace

void CreateShortcuts()
{
    if (install.header.programs_menu)
        CreateLink(CSIDL_PROGRAMS);
    if (install.header.desktop)
        CreateLink(CSIDL_DESKTOPDIRECTORY);
    if (install.header.startup)
        CreateLink(CSIDL_STARTUP);
}
