/* A stand-in for the running program in the installer tests: holds a file
   open without sharing (so it cannot be replaced) and shows a window of the
   class the package names, until it is asked to close. */
#include <windows.h>
#include <stdio.h>

static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_CLOSE) {
        printf("closing\n");
        fflush(stdout);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    WNDCLASSA c = {0};
    c.lpfnWndProc = Proc;
    c.hInstance = GetModuleHandleA(NULL);
    c.lpszClassName = argv[2];
    if (!RegisterClassA(&c) || !CreateWindowA(argv[2], "holder", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL,
                                              c.hInstance, NULL))
        return 4;
    printf("holding\n");
    fflush(stdout);
    MSG m;
    while (GetMessageA(&m, NULL, 0, 0) > 0)
        DispatchMessageA(&m);
    CloseHandle(file);
    return 0;
}
