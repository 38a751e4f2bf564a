// The program's window built the plain way: the reference its start-up is measured
// against (startup_benchmark, docs/PERFORMANCE.md). It has what the program's window
// has: the same window class, frame and client size, the same manifest and resources,
// the same standard controls (and the output box's hidden spoken label) from the same
// layout table, scaled for the DPI, in the same font, and the statement in the output
// box, which has the focus. It leaves out what the program adds to such a window:
// nothing is owner-drawn (the buttons are push buttons showing their captions, the
// picture box a static with no photograph), no photograph is decoded, no COM is used,
// no control is subclassed and no colours are chosen. The difference between the two
// start-ups is what those cost.
//
// Like bare_window, it is shown and painted before its message loop starts, and ends
// with exit code 0 when it is closed. It does not follow a change of DPI.
#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <string>

#include "control_text.h"
#include "dpi.h"
#include "layout.h"
#include "win32_main_window.h"
#include "window_font.h"

namespace {

using namespace zomerita::win;

constexpr const wchar_t* ClassName = L"ZomeritaPlainWindow";

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

// The program's classes and styles, with a push button and a plain static where it
// draws its own.
ControlClass ClassOf(ControlKind kind) noexcept
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::Label:
        return {L"STATIC", child | SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::SpokenLabel:
        return {L"STATIC", WS_CHILD | SS_NOPREFIX, 0};
    case ControlKind::TextBox:
        return {L"EDIT", child | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::OutputBox:
        return {L"EDIT", child | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Picture:
        return {L"STATIC", child | WS_TABSTOP | SS_NOTIFY, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", child, 0};
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The colour the system gives the labels, as behind the controls of a dialog box.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = ClassName;
    return RegisterClassExW(&windowClass) != 0;
}

// A text of the string table; the table's texts are not terminated in place.
std::wstring Text(HINSTANCE instance, UINT id)
{
    return std::wstring(ResourceText(instance, id));
}

// The controls in their places for the DPI, in the font, and the statement in the
// output box once it has its size and font.
bool CreateControls(HWND window, HINSTANCE instance, int dpi, HFONT font)
{
    for (const ControlLayout& control : Controls) {
        const ControlClass kind = ClassOf(control.kind);
        const RECT bounds = PixelRect(control, dpi);
        const HWND created = CreateWindowExW(
            kind.extendedStyle, kind.name, control.textId ? Text(instance, control.textId).c_str() : L"", kind.style,
            bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        if (!created)
            return false;
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    std::wstring statement;
    for (UINT line = 0; line < STATEMENT_LINE_COUNT; ++line)
        statement.append(ResourceText(instance, IDS_STATEMENT_FIRST + line)).append(L"\r\n");
    return SetWindowTextW(GetDlgItem(window, OutputBoxId), statement.c_str()) != FALSE;
}

int RunMessageLoop() noexcept
{
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterWindowClass(instance))
        return 1;
    constexpr DWORD style = Win32MainWindow::Style;
    constexpr DWORD extendedStyle = Win32MainWindow::ExtendedStyle;
    const HWND window = CreateWindowExW(extendedStyle, ClassName, Text(instance, IDS_CAPTION).c_str(), style,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                        instance, nullptr);
    if (!window)
        return 1;
    // The window's DPI is known once it exists: then its size and its controls' places.
    const int dpi = DpiOf(window);
    const RECT frame =
        FrameForClient({ToPixels(ClientWidthTwips, dpi), ToPixels(ClientHeightTwips, dpi)}, style, extendedStyle, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right, frame.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    try {
        // Outlives the controls: the loop ends after the window is destroyed.
        const UniqueFont font = CreateWindowFont(dpi);
        if (!CreateControls(window, instance, dpi, font.get()))
            return 1;
        // Shown and painted before the loop starts, as the program does, which then
        // gives the output box the focus: its caret is part of the first complete paint.
        ShowWindow(window, showCommand);
        UpdateWindow(window);
        SetFocus(GetDlgItem(window, OutputBoxId));
        return RunMessageLoop();
    } catch (const std::exception&) {  // the font could not be created
        return 1;
    }
}
