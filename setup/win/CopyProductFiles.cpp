// The copying stage: uninstaller, file table and data, each file written with
// its time, version check, replacement at restart, registration and shared
// count; then registry values, associations, follow-up programs and the
// temporary folder. A progress dialog with Cancel runs throughout.
#include "install.h"

#include <commctrl.h>

namespace {

HWND progress = nullptr;
bool cancel_pressed = false;

INT_PTR CALLBACK ProgressProc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDCANCEL) {
            cancel_pressed = true;
            return TRUE;
        }
        break;
    }
    (void)dialog;
    return FALSE;
}

void Status(const char* text)
{
    SetDlgItemTextA(progress, IDC_STATUS, text);
    Trace("status %s", text);
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(progress, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void CloseProgress()
{
    if (progress)
        DestroyWindow(progress);
    progress = nullptr;
}

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// True when the installed file's version is at least the package's, so the
// package's copy would not be newer.
bool InstalledIsCurrent(const std::string& target, const uint32_t version[4])
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(target.c_str(), &ignored);
    if (size == 0)
        return false;
    std::vector<char> info(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoA(target.c_str(), 0, size, info.data()) ||
        !VerQueryValueA(info.data(), "\\", (void**)&fixed, &length) || length < sizeof *fixed)
        return false;
    uint32_t installed[4] = {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                             HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
    for (int i = 0; i < 4; i++)
        if (installed[i] != version[i])
            return installed[i] > version[i];
    return true;
}

void SetFileTimeFrom(const std::string& path, const FILETIME_T& t)
{
    SYSTEMTIME local = {};
    local.wYear = (WORD)t.year;
    local.wMonth = (WORD)(t.month1 - 1);
    local.wDay = (WORD)t.day;
    local.wHour = (WORD)t.hour;
    local.wMinute = (WORD)t.minute;
    local.wSecond = (WORD)t.second;
    FILETIME local_time, utc;
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE && SystemTimeToFileTime(&local, &local_time) &&
              LocalFileTimeToFileTime(&local_time, &utc) && SetFileTime(file, nullptr, nullptr, &utc);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!ok)
        throw SETUP_ERROR_C("Unable to set file time.");
}

void ScheduleReplacement(const std::string& target, const std::string& fresh)
{
    // Unscheduled, the new file would never take the old one's place while
    // setup reported success.
    if (IsNtFamily()) {
        if (!MoveFileExA(target.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ||
            !MoveFileExA(fresh.c_str(), target.c_str(), MOVEFILE_DELAY_UNTIL_REBOOT))
            throw SETUP_ERROR_C("Unable to replace file at restart.");
        Trace("scheduled %s", target.c_str());
        return;
    }
    std::string ini = WindowsDir() + "\\wininit.ini";
    std::string short_target = ShortPath(target);
    if (!WritePrivateProfileStringA("rename", "NUL", short_target.c_str(), ini.c_str()) ||
        !WritePrivateProfileStringA("rename", short_target.c_str(), ShortPath(fresh).c_str(), ini.c_str()))
        throw SETUP_ERROR_C("Unable to replace file at restart.");
}

void RegisterFile(const std::string& target)
{
    std::string command = "\"" + SystemDir() + "\\RegSvr32.exe\" " + ShortPath(target) + " /s";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw SETUP_ERROR_C("Unable to register file.");
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void CountSharedDll(const std::string& target, bool existed)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", 0, nullptr,
                        0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw SETUP_ERROR_C("Unable to open registry key.");
    DWORD count = 0, size = sizeof count, type = 0;
    bool have = RegQueryValueExA(key, target.c_str(), nullptr, &type, (BYTE*)&count, &size) == ERROR_SUCCESS &&
                type == REG_DWORD && size == sizeof count;
    DWORD fresh = !existed ? 1 : (!have || count == 0) ? 2 : count + 1;
    LONG result = RegSetValueExA(key, target.c_str(), 0, REG_DWORD, (const BYTE*)&fresh, sizeof fresh);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        throw SETUP_ERROR_C("Unable to save registry key.");
    install.shared_lines += target + "\n";
    install.shared_count++;
}

void InstallFile(const FILEENTRY_T& f, const uint8_t* data)
{
    std::string folder = DestinationFolder(f.destination);
    if (!f.subdir.empty())
        folder += "\\" + f.subdir;
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    CreateDirectories(folder);
    std::string target = Format("%s\\%s", folder.c_str(), f.name.c_str());
    bool existed = FileExists(target);
    if (f.version_check && existed && InstalledIsCurrent(target, f.version)) {
        Trace("skip %s", target.c_str());
        return;
    }
    std::string written = target;
    try {
        PACKAGEFILE_C out(target, OPEN_WRITE);
        out.Write(data, f.size);
    } catch (const SETUP_ERROR_C&) {
        if (!f.replace_at_restart)
            throw;
        written = target + ".new";
        PACKAGEFILE_C out(written, OPEN_WRITE);
        out.Write(data, f.size);
        install.restart_needed = true;
    }
    SetFileTimeFrom(written, f.time);
    if (written != target)
        ScheduleReplacement(target, written);
    if (f.self_register)
        RegisterFile(target);
    if (f.shared_dll)
        CountSharedDll(target, existed);
    Trace("wrote %s", written.c_str());
}

}  // namespace

void CopyProductFiles()
{
    PACKAGEFILE_C& in = *install.in;
    cancel_pressed = false;
    progress = CreateDialogA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROGRESS), nullptr, ProgressProc);
    if (!progress)
        throw SETUP_ERROR_C("Unable to create dialog.");
    SetWindowTextA(progress, install.title.c_str());
    CentreWindow(progress);
    ShowWindow(progress, SW_SHOW);
    // The dialog goes on failure too, so the "Error" box stands alone.
    try {
        Status("Reading data...");
        PumpMessages();
        std::vector<uint8_t> uninstaller = ReadBlock(in);
        {
            PACKAGEFILE_C out(WindowsDir() + "\\VTUnInst.exe", OPEN_WRITE);
            out.Write(uninstaller.data(), uninstaller.size());
        }
        std::vector<FILEENTRY_T> files = ReadFileTable(in);
        Status("Uncompressing data...");
        PumpMessages();
        std::vector<uint8_t> data = ReadFileData(in, files);

        Status("Writing files...");
        HWND bar = GetDlgItem(progress, IDC_PROGRESSBAR);
        SendMessageA(bar, PBM_SETRANGE32, 0, (LPARAM)files.size());
        SendMessageA(bar, PBM_SETSTEP, 1, 0);
        TraceControl(progress, IDCANCEL, "cancel");
        size_t offset = 0;
        for (const FILEENTRY_T& f : files) {
            InstallFile(f, data.data() + offset);
            offset += f.size;
            SendMessageA(bar, PBM_STEPIT, 0, 0);
            if (install.slow_ms > 0)
                Sleep(install.slow_ms);
            PumpMessages();
            if (cancel_pressed) {
                cancel_pressed = false;
                Trace("ask cancel");
                int answer = MessageBoxA(progress, "Are you sure you want to exit the installer?",
                                         install.title.c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
                if (answer == IDYES) {
                    Trace("copy cancelled");
                    CloseProgress();
                    return;
                }
            }
        }

        WriteRegistryValues(HKEY_CURRENT_USER, ReadRegistryValues(in));
        WriteRegistryValues(HKEY_LOCAL_MACHINE, ReadRegistryValues(in));
        RegisterAssociations(ReadAssociations(in));
        RunPrograms(ReadRunList(in));
        RemoveFolder(TempFolder());
    } catch (...) {
        CloseProgress();
        throw;
    }
    CloseProgress();
}
