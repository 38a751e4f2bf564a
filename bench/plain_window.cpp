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
#include "reference_window.h"
#include "win32_main_window.h"
#include "window_font.h"

namespace {

using namespace zomerita::win;

constexpr const wchar_t* ClassName = L"ZomeritaPlainWindow";

// The program's classes and styles, with a push button and a plain static where it
// draws its own.
ControlClass PlainClassOf(ControlKind kind) noexcept
{
    ControlClass plain = ClassOf(kind);
    if (kind == ControlKind::Button)
        plain.style = (plain.style & ~BS_TYPEMASK) | BS_PUSHBUTTON;
    else if (kind == ControlKind::Picture)
        plain.style &= ~SS_TYPEMASK;  // SS_LEFT: its text, which the program never shows
    return plain;
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
        const ControlClass kind = PlainClassOf(control.kind);
        const Rect bounds = PixelRect(control, dpi);
        const HWND created = CreateWindowExW(
            kind.extendedStyle, kind.name, control.textId ? Text(instance, control.textId).c_str() : L"", kind.style,
            bounds.left, bounds.top, bounds.width(), bounds.height(), window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        if (!created)
            return false;
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    return SetWindowTextW(GetDlgItem(window, OutputBoxId), StatementText(instance).c_str()) != FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The colour the system gives the labels, as behind the controls of a dialog box.
    if (!zomerita::bench::RegisterReferenceClass(instance, ClassName, COLOR_BTNFACE))
        return 1;
    constexpr DWORD style = Win32MainWindow::Style;
    constexpr DWORD extendedStyle = Win32MainWindow::ExtendedStyle;
    const HWND window =
        CreateWindowExW(extendedStyle, ClassName, Text(instance, IDS_CAPTION).c_str(), style, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    // The window's DPI is known once it exists: then its size and its controls' places.
    const int dpi = DpiOf(window);
    const Size frame = DesignedFrame(FrameInsetsAt(style, extendedStyle, dpi), dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.width, frame.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
        return zomerita::bench::RunMessageLoop();
    } catch (const std::exception&) {  // the font could not be created
        return 1;
    }
}
