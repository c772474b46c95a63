// setup.exe: the wizard, the copying stage and the system changes of an
// installation, on top of the portable package reader. Windows only.
#pragma once

// Resource identifiers shared by setup.rc and the dialog procedures.
#define IDI_SETUP 1
#define IDD_WELCOME 101
#define IDD_LICENCE 102
#define IDD_DESTINATION 103
#define IDD_SHORTCUTS 104
#define IDD_PROGRESS 105
#define IDD_RESTART 106
#define IDD_COMPLETE 107
#define IDC_TEXT1 1001
#define IDC_TEXT2 1002
#define IDC_LICENCE 1003
#define IDC_AGREE 1004
#define IDC_DISAGREE 1005
#define IDC_DIR 1006
#define IDC_BROWSE 1007
#define IDC_PROGRAMS 1008
#define IDC_DESKTOP 1009
#define IDC_STARTUP 1010
#define IDC_STATUS 1011
#define IDC_PROGRESSBAR 1012
#define IDC_RESTART_YES 1013
#define IDC_RESTART_NO 1014
#define IDC_FINISH 1015
#define IDC_LINK 1016

#ifndef RC_INVOKED

#include "setup.h"

#include <windows.h>

#include <functional>
#include <string>

// The whole run's state: the header, the derived texts and what the
// uninstall log collects.
struct INSTALL_T {
    PACKAGEFILE_C* in = nullptr;
    PACKAGEHEADER_T header;
    std::string licence;
    std::string title;        // "%s Setup"
    std::string display;      // "%s %s"
    std::string install_dir;
    std::string shortcut_lines;
    int shortcut_count = 0;
    std::string shared_lines;
    int shared_count = 0;
    bool restart_needed = false;
    bool trace = false;       // test runs: print pages and control positions
    int slow_ms = 0;          // test runs: pause per copied file
};
extern INSTALL_T install;

void RunSetup();
bool ShowWizard();
void CopyProductFiles();
void CreateShortcuts();
void RegisterUninstaller();
void FinishSetup();

std::string ProgramFilesDir();
std::string CommonFilesDir();
std::string WindowsDir();
std::string SystemDir();
std::string TempFolder();
std::string DestinationFolder(uint32_t destination);
void CreateDirectories(const std::string& path);
// Removes the folder and everything in it, except the entries `keep` names
// (full paths); links are removed, never followed.
void RemoveFolder(const std::string& path, const std::function<bool(const std::string&)>& keep = nullptr);
std::string ShortPath(const std::string& path);
bool IsNtFamily();

void WriteRegistryValues(HKEY root, const std::vector<REGKEY_T>& keys);
void RegisterAssociations(const std::vector<ASSOCIATION_T>& list);
void RunPrograms(const std::vector<RUNPROGRAM_T>& list);

std::string DoubleAmpersands(const std::string& text);
std::string Format(const char* format, ...);
void CentreWindow(HWND window);
// Test runs: the page shown and the screen centres of its controls.
void Trace(const char* format, ...);
void TraceControl(HWND dialog, int id, const char* name);

#endif  // RC_INVOKED
