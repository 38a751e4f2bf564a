// What the reference windows that the program's start-up is measured against share:
// a window class whose window ends the program when it goes, and the message loop.
// Header only, so that bare_window needs nothing of the program's libraries.
#pragma once

#include <windows.h>

namespace zomerita::bench {

inline LRESULT CALLBACK QuitWhenDestroyed(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// DefWindowProc paints the whole client area with the system colour `background`
// (COLOR_...) on WM_ERASEBKGND.
inline bool RegisterReferenceClass(HINSTANCE instance, const wchar_t* name, int background)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = QuitWhenDestroyed;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0;
}

inline int RunMessageLoop() noexcept
{
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace zomerita::bench
