// Formatting helpers of the dialogs, window centring and the test trace.
#include "install.h"

#include <cstdarg>
#include <cstdio>

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(n > 0 ? n : 0, '\0');
    if (n > 0)
        vsnprintf(&text[0], n + 1, format, args);
    va_end(args);
    return text;
}

std::string DoubleAmpersands(const std::string& text)
{
    return ReplaceAll(text, "&", "&&");
}

void CentreWindow(HWND window)
{
    RECT r, desk;
    GetWindowRect(window, &r);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &desk, 0);
    int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(window, nullptr, desk.left + (desk.right - desk.left - w) / 2,
                 desk.top + (desk.bottom - desk.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Trace(const char* format, ...)
{
    if (!install.trace)
        return;
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    printf("\n");
    fflush(stdout);
}

void TraceControl(HWND dialog, int id, const char* name)
{
    HWND control = GetDlgItem(dialog, id);
    // Checked by style: the trace is printed before the window is first shown.
    if (!install.trace || !control || !(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE))
        return;
    RECT r;
    GetWindowRect(control, &r);
    Trace("control %s %ld %ld %d", name, (r.left + r.right) / 2, (r.top + r.bottom) / 2,
          IsWindowEnabled(control) ? 1 : 0);
}
