// The installation from start to end: header, wizard, copying, shortcuts,
// uninstall registration and the ending.
#include "install.h"

#include <commctrl.h>

void RunSetup()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    install.header = ReadPackageStart(*install.in, &install.licence);
    const PACKAGEHEADER_T& h = install.header;
    install.title = Format("%s Setup", h.product.c_str());
    install.display = Format("%s %s", h.product.c_str(), h.version.c_str());
    install.install_dir = Format("%s\\%s", ProgramFilesDir().c_str(), h.product.c_str());

    if (!ShowWizard())
        return;

    if (h.close_running) {
        HWND running = FindWindowA(h.window_class.c_str(), nullptr);
        if (running)
            PostMessageA(running, WM_CLOSE, 0, 0);
    }
    CopyProductFiles();
    CreateShortcuts();
    RegisterUninstaller();
    FinishSetup();
}
