// VTUnInst.exe: removes an installation made by setup.exe. Started with the
// full path of its "Uninst.log"; works from that log: the product name, the
// running-program check, the shortcuts made and the shared DLLs counted. The
// installed files are the installation directory, where the log lives.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// The installer's folder removal (win/RemoveFolder.cpp): everything but the
// entries `keep` names, links removed and never followed.
void RemoveFolder(const std::string& path, const std::function<bool(const std::string&)>& keep);

namespace {

bool trace = false;

void Trace(const char* format, ...)
{
    if (!trace)
        return;
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    printf("\n");
    fflush(stdout);
}

struct UNINSTLOG_T {
    std::string product;
    std::string window_class;  // empty: no running-program check
    std::vector<std::string> shortcuts;
    std::vector<std::string> shared_dlls;
};

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
    return s;
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && Lower(s.substr(s.size() - tail.size())) == Lower(tail);
}

std::vector<std::string> ReadCountedLines(std::ifstream& in)
{
    std::string line;
    if (!std::getline(in, line))
        throw std::runtime_error("The uninstall log is damaged.");
    char* end = nullptr;
    long count = strtol(line.c_str(), &end, 10);
    if (line.empty() || *end || count < 0 || count > 100000)
        throw std::runtime_error("The uninstall log is damaged.");
    std::vector<std::string> lines;
    for (long i = 0; i < count; i++) {
        if (!std::getline(in, line) || line.empty())
            throw std::runtime_error("The uninstall log is damaged.");
        lines.push_back(line);
    }
    return lines;
}

UNINSTLOG_T ReadLog(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("Unable to open file.");
    UNINSTLOG_T log;
    std::string check;
    if (!std::getline(in, log.product) || !std::getline(in, check))
        throw std::runtime_error("The uninstall log is damaged.");
    // The product names a key under Uninstall: one component, nothing more.
    if (log.product.empty() || log.product.find('\\') != std::string::npos)
        throw std::runtime_error("The uninstall log is damaged.");
    if (check == "CheckProgramNotRunning") {
        if (!std::getline(in, log.window_class) || log.window_class.empty())
            throw std::runtime_error("The uninstall log is damaged.");
    } else if (check != "Don'tCheckProgramNotRunning") {
        throw std::runtime_error("The uninstall log is damaged.");
    }
    log.shortcuts = ReadCountedLines(in);
    log.shared_dlls = ReadCountedLines(in);
    return log;
}

// Takes one reference off a shared DLL; true when the DLL is still used by
// something else and must stay.
bool ReleaseSharedDll(const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", 0,
                      KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
        return false;
    DWORD count = 0, size = sizeof count, type = 0;
    bool have = RegQueryValueExA(key, path.c_str(), nullptr, &type, (BYTE*)&count, &size) == ERROR_SUCCESS &&
                type == REG_DWORD && size == sizeof count;
    bool keep = false;
    if (have && count > 1) {
        count--;
        RegSetValueExA(key, path.c_str(), 0, REG_DWORD, (const BYTE*)&count, sizeof count);
        keep = true;
        Trace("shared %s %lu", path.c_str(), (unsigned long)count);
    } else if (have) {
        RegDeleteValueA(key, path.c_str());
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        Trace("shared %s removed", path.c_str());
    }
    RegCloseKey(key);
    return keep;
}

// The folder of the log is removed whole; never when that folder is a drive
// root or one of the system's own folders, whatever a log says.
bool IsRemovableFolder(const std::string& folder)
{
    if (folder.size() <= 3 || folder.back() == ':')
        return false;
    std::string f = Lower(folder);
    char buffer[MAX_PATH];
    std::vector<std::string> system;
    if (GetWindowsDirectoryA(buffer, sizeof buffer))
        system.push_back(buffer);
    if (GetSystemDirectoryA(buffer, sizeof buffer))
        system.push_back(buffer);
    if (GetEnvironmentVariableA("ProgramFiles", buffer, sizeof buffer))
        system.push_back(buffer);
    if (GetEnvironmentVariableA("CommonProgramFiles", buffer, sizeof buffer))
        system.push_back(buffer);
    if (GetEnvironmentVariableA("USERPROFILE", buffer, sizeof buffer))
        system.push_back(buffer);
    for (const std::string& s : system)
        if (f == Lower(s))
            return false;
    return true;
}

int Uninstall(const std::string& log_path)
{
    UNINSTLOG_T log = ReadLog(log_path);
    std::string title = log.product + " Uninstall";
    Trace("ask remove");
    std::string question = "Are you sure you want to remove " + log.product + " and all of its components?";
    if (MessageBoxA(nullptr, question.c_str(), title.c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return 0;
    if (!log.window_class.empty() && FindWindowA(log.window_class.c_str(), nullptr)) {
        Trace("running");
        std::string text = log.product + " is running. Close it, then start the uninstaller again.";
        MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return 1;
    }

    for (const std::string& link : log.shortcuts)
        if (EndsWith(link, ".lnk") && DeleteFileA(link.c_str()))
            Trace("removed %s", link.c_str());

    std::set<std::string> keep;
    for (const std::string& dll : log.shared_dlls)
        if (ReleaseSharedDll(dll))
            keep.insert(Lower(dll));

    size_t slash = log_path.find_last_of('\\');
    std::string folder = slash == std::string::npos ? "" : log_path.substr(0, slash);
    if (IsRemovableFolder(folder)) {
        // The files still shared by other products stay.
        RemoveFolder(folder, [&keep](const std::string& full) { return keep.count(Lower(full)) > 0; });
        Trace("removed %s", folder.c_str());
    }

    std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + log.product;
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());

    // The uninstaller cannot delete itself while it runs.
    char self[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, self, sizeof self);
    if (n > 0 && n < sizeof self)
        MoveFileExA(self, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);

    Trace("page removed");
    std::string done = log.product + " was removed from your computer.";
    MessageBoxA(nullptr, done.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int)
{
    trace = getenv("VORNAK_SETUP_TRACE") != nullptr;
    if (trace)
        _setmode(_fileno(stdout), _O_BINARY);  // plain "\n" line ends for the test scripts
    // The log's path is the whole rest of the command line: the registered
    // command does not quote it, and it may hold spaces.
    std::string path = command_line ? command_line : "";
    while (!path.empty() && (path.back() == ' ' || path.back() == '\r' || path.back() == '\n'))
        path.pop_back();
    while (!path.empty() && path[0] == ' ')
        path.erase(0, 1);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    try {
        if (path.empty())
            throw std::runtime_error("Start the uninstaller with the path of its Uninst.log.");
        return Uninstall(path);
    } catch (const std::exception& e) {
        Trace("error %s", e.what());
        MessageBoxA(nullptr, e.what(), "Error", MB_OK | MB_ICONERROR);
        return 1;
    }
}
