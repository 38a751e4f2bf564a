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

namespace {

constexpr const wchar_t* ClassName = L"ZomeritaBareWindow";
// The program's frame style; its WS_CLIPCHILDREN would change nothing in a window without children.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// The program's client area, 6930 x 5850 twips (src/window/layout.h), in pixels at
// 96 dots per inch: this file stands alone, so the numbers are repeated here.
constexpr int ClientWidth = 462;
constexpr int ClientHeight = 390;

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
    // DefWindowProc paints the whole client area with this on WM_ERASEBKGND.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = ClassName;
    return RegisterClassExW(&windowClass) != 0;
}

HWND CreateBareWindow(HINSTANCE instance)
{
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, Style, FALSE, 0);
    return CreateWindowExW(0, ClassName, L"Bare window", Style, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
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
    if (!RegisterWindowClass(instance))
        return 1;
    const HWND window = CreateBareWindow(instance);
    if (!window)
        return 1;
    // Shown and painted before the loop starts, as the program does.
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return RunMessageLoop();
}
