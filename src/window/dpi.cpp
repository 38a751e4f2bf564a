#include "dpi.h"

#include "gdi_handles.h"
#include "system_functions.h"

namespace zomerita::win {

int SystemDpi() noexcept
{
    const WindowDc screen;
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
}

int DpiOf(HWND window) noexcept
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    const int windowDpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    return ChooseDpi(windowDpi, windowDpi > 0 ? 0 : SystemDpi());
}

FrameInsets FrameInsetsAt(DWORD style, DWORD extendedStyle, int dpi) noexcept
{
    using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = SystemFunction<AdjustForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT frame{0, 0, 0, 0};
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, extendedStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    return {-frame.left, -frame.top, frame.right, frame.bottom};
}

void ScaleFrameWithDpi(HWND window) noexcept
{
    using EnableNonClientDpiScalingFunction = BOOL(WINAPI*)(HWND);
    static const auto enableNonClientDpiScaling =
        SystemFunction<EnableNonClientDpiScalingFunction>(L"user32.dll", "EnableNonClientDpiScaling");
    if (enableNonClientDpiScaling)
        enableNonClientDpiScaling(window);
}

}  // namespace zomerita::win
