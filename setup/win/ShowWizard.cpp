// The property-sheet wizard: welcome, licence, destination and shortcuts,
// each page only when the header asks for it.
#include "install.h"

#include <commctrl.h>
#include <prsht.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cctype>
#include <vector>

namespace {

const char* VENDOR_PAGE = "https://vornak.example.org/";
// The sheet applies button states after the page's notification returns;
// the trace is printed once it has.
const UINT WM_TRACE_PAGE = WM_APP + 1;

struct PAGE_T {
    int dialog;
    const char* name;
};
std::vector<PAGE_T> pages;
bool centred = false;
bool agreed = false;
HBRUSH white_brush = nullptr;

int PageIndex(int dialog)
{
    for (size_t i = 0; i < pages.size(); i++)
        if (pages[i].dialog == dialog)
            return (int)i;
    return -1;
}

void TraceButtons(HWND page, int dialog)
{
    HWND sheet = GetParent(page);
    Trace("page %s", pages[PageIndex(dialog)].name);
    TraceControl(sheet, 0x3023, "back");
    TraceControl(sheet, 0x3024, "next");
    TraceControl(sheet, 0x3025, "finish");
    TraceControl(sheet, IDCANCEL, "cancel");
    static const struct {
        int id;
        const char* name;
    } controls[] = {{IDC_AGREE, "agree"},       {IDC_DISAGREE, "disagree"}, {IDC_DIR, "dir"},
                    {IDC_BROWSE, "browse"},     {IDC_PROGRAMS, "programs"}, {IDC_DESKTOP, "desktop"},
                    {IDC_STARTUP, "startup"},   {IDC_LINK, "link"}};
    for (const auto& c : controls)
        TraceControl(page, c.id, c.name);
}

// Back on every page but the first; Install (finish) on the last, Next
// before it; the licence page allows going on only while "I agree" is set.
void SetButtons(HWND page, int dialog)
{
    HWND sheet = GetParent(page);
    int index = PageIndex(dialog);
    bool last = index == (int)pages.size() - 1;
    bool allowed = dialog != IDD_LICENCE || agreed;
    DWORD buttons = index > 0 ? PSWIZB_BACK : 0;
    if (last)
        buttons |= allowed ? PSWIZB_FINISH : PSWIZB_DISABLEDFINISH;
    else if (allowed)
        buttons |= PSWIZB_NEXT;
    PropSheet_SetWizButtons(sheet, buttons);
    ShowWindow(GetDlgItem(sheet, 0x3023), index > 0 ? SW_SHOW : SW_HIDE);
}

// Stores the edit box as the installation directory; false, with the reason
// shown, when it is not a full path (an empty box would put the files in the
// root of the current drive, a relative one wherever setup was started).
bool StoreDestination(HWND page)
{
    char dir[MAX_PATH];
    GetDlgItemTextA(page, IDC_DIR, dir, sizeof dir);
    std::string text = dir;
    if (!text.empty() && text.back() == '\\')
        text.pop_back();
    bool drive = text.size() >= 4 && isalpha((unsigned char)text[0]) && text[1] == ':' && text[2] == '\\';
    bool unc = text.size() >= 5 && text.compare(0, 2, "\\\\") == 0;
    if (!drive && !unc) {
        Trace("destination refused");
        MessageBoxA(GetParent(page), "Please enter the full path of the destination directory.",
                    install.title.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    install.install_dir = text;
    return true;
}

void Browse(HWND page)
{
    BROWSEINFOA info = {};
    char name[MAX_PATH];
    info.hwndOwner = GetParent(page);
    info.pszDisplayName = name;
    info.lpszTitle = "Select the destination directory.";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    Trace("browse");
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (!chosen)
        return;
    // The chosen folder is where the product's own folder goes, as the
    // default "Program Files\<product>" has it.
    char path[MAX_PATH];
    if (SHGetPathFromIDListA(chosen, path)) {
        std::string dir = path;
        if (!dir.empty() && dir.back() != '\\')
            dir += '\\';
        SetDlgItemTextA(page, IDC_DIR, (dir + install.header.product).c_str());
        Trace("picked %s", path);
    }
    CoTaskMemFree(chosen);
}

void InitPage(HWND page, int dialog)
{
    std::string product = DoubleAmpersands(install.header.product);
    std::string display = DoubleAmpersands(install.display);
    switch (dialog) {
    case IDD_WELCOME:
        SetDlgItemTextA(page, IDC_TEXT1,
                        Format("Welcome to the %s Setup program. This program will install %s onto your computer.",
                               product.c_str(), display.c_str()).c_str());
        SetDlgItemTextA(page, IDC_TEXT2, "Click Next to continue with the Setup process, or Cancel to exit.");
        break;
    case IDD_LICENCE: {
        // The edit control wants CR LF line ends.
        std::string text = ReplaceAll(ReplaceAll(install.licence, "\r\n", "\n"), "\n", "\r\n");
        SetDlgItemTextA(page, IDC_LICENCE, text.c_str());
        CheckRadioButton(page, IDC_AGREE, IDC_DISAGREE, IDC_DISAGREE);
        break;
    }
    case IDD_DESTINATION:
        SetDlgItemTextA(page, IDC_TEXT1,
                        Format("Setup will install the %s files into the following directory.", product.c_str()).c_str());
        SetDlgItemTextA(page, IDC_DIR, install.install_dir.c_str());
        break;
    case IDD_SHORTCUTS:
        SetDlgItemTextA(page, IDC_TEXT1, Format("Select the shortcuts to %s you want created.", product.c_str()).c_str());
        SetDlgItemTextA(page, IDC_STARTUP, Format("&Start %s when the computer is turned on", product.c_str()).c_str());
        CheckDlgButton(page, IDC_PROGRAMS, install.header.programs_menu ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(page, IDC_DESKTOP, install.header.desktop ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(page, IDC_STARTUP, install.header.startup ? BST_CHECKED : BST_UNCHECKED);
        break;
    }
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wparam, LPARAM lparam)
{
    int dialog = (int)GetWindowLongPtrA(page, GWLP_USERDATA);
    switch (message) {
    case WM_INITDIALOG:
        dialog = (int)((PROPSHEETPAGEA*)lparam)->lParam;
        SetWindowLongPtrA(page, GWLP_USERDATA, dialog);
        InitPage(page, dialog);
        return TRUE;
    case WM_TRACE_PAGE:
        TraceButtons(page, dialog);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        // The read-only licence box stays white like a document.
        if ((HWND)lparam == GetDlgItem(page, IDC_LICENCE)) {
            SetBkColor((HDC)wparam, RGB(255, 255, 255));
            if (!white_brush)
                white_brush = CreateSolidBrush(RGB(255, 255, 255));
            return (INT_PTR)white_brush;
        }
        break;
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDC_AGREE:
        case IDC_DISAGREE:
            agreed = IsDlgButtonChecked(page, IDC_AGREE) == BST_CHECKED;
            SetButtons(page, dialog);
            PostMessageA(page, WM_TRACE_PAGE, 0, 0);
            return TRUE;
        case IDC_BROWSE:
            Browse(page);
            return TRUE;
        case IDC_PROGRAMS: install.header.programs_menu = !install.header.programs_menu; return TRUE;
        case IDC_DESKTOP: install.header.desktop = !install.header.desktop; return TRUE;
        case IDC_STARTUP: install.header.startup = !install.header.startup; return TRUE;
        case IDC_LINK:
            if (HIWORD(wparam) == STN_CLICKED)
                ShellExecuteA(page, "open", VENDOR_PAGE, nullptr, nullptr, SW_SHOWNORMAL);
            return TRUE;
        }
        break;
    case WM_NOTIFY: {
        NMHDR* note = (NMHDR*)lparam;
        HWND sheet = GetParent(page);
        switch (note->code) {
        case PSN_SETACTIVE:
            if (!centred) {
                centred = true;
                CentreWindow(sheet);
                SetDlgItemTextA(sheet, 0x3025, "&Install");
            }
            SetButtons(page, dialog);
            PostMessageA(page, WM_TRACE_PAGE, 0, 0);
            SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
            return TRUE;
        case PSN_WIZNEXT:
        case PSN_WIZFINISH:
            // Staying on the page: -1 for Next, TRUE for Finish.
            if (dialog == IDD_DESTINATION && !StoreDestination(page)) {
                SetWindowLongPtrA(page, DWLP_MSGRESULT, note->code == PSN_WIZNEXT ? -1 : TRUE);
                return TRUE;
            }
            if (note->code == PSN_WIZFINISH)
                Trace("install");
            SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
            return TRUE;
        case PSN_QUERYCANCEL: {
            Trace("ask cancel");
            int answer = MessageBoxA(sheet, "Are you sure you want to exit the installer?", install.title.c_str(),
                                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
            SetWindowLongPtrA(page, DWLP_MSGRESULT, answer == IDYES ? FALSE : TRUE);
            return TRUE;
        }
        }
        break;
    }
    }
    return FALSE;
}

}  // namespace

bool ShowWizard()
{
    const PACKAGEHEADER_T& h = install.header;
    pages.clear();
    if (h.show_welcome)
        pages.push_back({IDD_WELCOME, "welcome"});
    if (h.has_licence)
        pages.push_back({IDD_LICENCE, "licence"});
    if (h.show_destination)
        pages.push_back({IDD_DESTINATION, "destination"});
    if (h.show_shortcuts)
        pages.push_back({IDD_SHORTCUTS, "shortcuts"});
    if (pages.empty())
        return true;

    std::vector<HPROPSHEETPAGE> handles;
    for (const PAGE_T& p : pages) {
        PROPSHEETPAGEA page = {};
        page.dwSize = sizeof page;
        page.dwFlags = PSP_USETITLE;
        page.hInstance = GetModuleHandleA(nullptr);
        page.pszTemplate = MAKEINTRESOURCEA(p.dialog);
        page.pfnDlgProc = PageProc;
        page.pszTitle = install.title.c_str();
        page.lParam = p.dialog;
        HPROPSHEETPAGE handle = CreatePropertySheetPageA(&page);
        if (!handle)
            return false;
        handles.push_back(handle);
    }
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_WIZARD | PSH_USEICONID;
    sheet.hInstance = GetModuleHandleA(nullptr);
    sheet.pszIcon = MAKEINTRESOURCEA(IDI_SETUP);
    sheet.pszCaption = install.title.c_str();
    sheet.nPages = (UINT)handles.size();
    sheet.phpage = handles.data();
    INT_PTR result = PropertySheetA(&sheet);
    Trace("wizard %d", (int)result);
    return result > 0;
}
