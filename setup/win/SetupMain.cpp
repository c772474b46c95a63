// Entry point of setup.exe: opens its own executable as the package and runs
// the installation; any failure ends in the "Error" box and exit code 1.
#include "install.h"

#include <objbase.h>

#include <fcntl.h>
#include <io.h>

INSTALL_T install;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    install.trace = getenv("VORNAK_SETUP_TRACE") != nullptr;
    if (install.trace)
        _setmode(_fileno(stdout), _O_BINARY);  // plain "\n" line ends for the test scripts
    if (const char* slow = getenv("VORNAK_SETUP_SLOW"))
        install.slow_ms = atoi(slow);
    int code = 0;
    bool com = false;
    try {
        char self[MAX_PATH];
        DWORD n = GetModuleFileNameA(nullptr, self, sizeof self);
        if (n == 0 || n >= sizeof self)
            throw SETUP_ERROR_C("Unable to open file.");
        PACKAGEFILE_C in(self, OPEN_READ);
        install.in = &in;
        if (FAILED(CoInitialize(nullptr)))
            throw SETUP_ERROR_C("Unable to initialise COM.");
        com = true;
        RunSetup();
        install.in = nullptr;
    } catch (const std::exception& e) {
        install.in = nullptr;
        HWND owner = GetLastActivePopup(GetActiveWindow());
        Trace("error %s", e.what());
        MessageBoxA(owner, e.what(), "Error", MB_OK | MB_ICONERROR);
        code = 1;
    }
    if (com)
        CoUninitialize();
    return code;
}
