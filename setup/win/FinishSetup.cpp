// The ending: the restart dialog when a file waits for the next start of
// Windows, else the program is started, else the completion dialog.
#include "install.h"

#include <shellapi.h>

namespace {

void RestartWindows()
{
    if (IsNtFamily()) {
        HANDLE token;
        if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
            TOKEN_PRIVILEGES privileges = {};
            privileges.PrivilegeCount = 1;
            privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
            LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
            AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
            CloseHandle(token);
        }
    }
    ExitWindowsEx(EWX_REBOOT, 0);
}

INT_PTR CALLBACK EndingProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowTextA(dialog, install.title.c_str());
        CentreWindow(dialog);
        if (lparam == IDD_RESTART) {
            CheckRadioButton(dialog, IDC_RESTART_YES, IDC_RESTART_NO, IDC_RESTART_YES);
            EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
            Trace("page restart");
            TraceControl(dialog, IDC_RESTART_YES, "yes");
            TraceControl(dialog, IDC_RESTART_NO, "no");
        } else {
            Trace("page complete");
        }
        TraceControl(dialog, IDC_FINISH, "finish");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDC_RESTART_YES || LOWORD(wparam) == IDC_RESTART_NO) {
            Trace("restart choice %s", LOWORD(wparam) == IDC_RESTART_YES ? "now" : "later");
            return TRUE;
        }
        if (LOWORD(wparam) == IDC_FINISH) {
            bool now = IsDlgButtonChecked(dialog, IDC_RESTART_YES) == BST_CHECKED;
            Trace("finish%s", now ? " restart" : "");
            EndDialog(dialog, now);
            return TRUE;
        }
        // Escape ends the completion dialog; the restart question must be answered.
        if (LOWORD(wparam) == IDCANCEL && !GetDlgItem(dialog, IDC_RESTART_YES)) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

void FinishSetup()
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    if (install.restart_needed) {
        if (DialogBoxParamA(self, MAKEINTRESOURCEA(IDD_RESTART), nullptr, EndingProc, IDD_RESTART) == 1)
            RestartWindows();
        return;
    }
    if (install.header.run_program) {
        std::string program = install.install_dir + "\\" + install.header.program;
        HINSTANCE result = ShellExecuteA(nullptr, "open", program.c_str(), nullptr, install.install_dir.c_str(),
                                         SW_SHOWNORMAL);
        if ((INT_PTR)result <= 32)
            throw SETUP_ERROR_C("Unable to run program.");
        Trace("started %s", program.c_str());
        return;
    }
    DialogBoxParamA(self, MAKEINTRESOURCEA(IDD_COMPLETE), nullptr, EndingProc, IDD_COMPLETE);
}
