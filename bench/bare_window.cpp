// The least a Win32 program can do to put a window on the screen: one class, one
// overlapped window with the program's client size and frame style, no controls, no
// resources, no COM. startup_benchmark starts it the same way as the program, so the
// difference between their start-ups is what the program's own window costs.

// As the program is built (its library's definitions do not reach this target): the
// wide-character API throughout, and no more of the Windows headers than it needs.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "reference_window.h"

namespace {

constexpr const wchar_t* ClassName = L"ZomeritaBareWindow";
// The program's frame style; its WS_CLIPCHILDREN would change nothing in a window without children.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// The program's client area, 6930 x 5850 twips (src/window/layout.h), in pixels at
// 96 dots per inch: this file stands alone, so the numbers are repeated here.
constexpr int ClientWidth = 462;
constexpr int ClientHeight = 390;

HWND CreateBareWindow(HINSTANCE instance)
{
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, Style, FALSE, 0);
    return CreateWindowExW(0, ClassName, L"Bare window", Style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                           frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    if (!zomerita::bench::RegisterReferenceClass(instance, ClassName, COLOR_WINDOW))
        return 1;
    const HWND window = CreateBareWindow(instance);
    if (!window)
        return 1;
    // Shown and painted before the loop starts, as the program does.
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return zomerita::bench::RunMessageLoop();
}
