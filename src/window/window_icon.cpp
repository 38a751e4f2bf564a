#include "window_icon.h"

#include <commctrl.h>

#include "dpi.h"
#include "system_functions.h"

namespace zomerita::win {
namespace {

// From the image of exactly that size, else scaled down from a larger one (a plain
// LoadImage would scale the nearest, perhaps smaller, one up and blur it).
HICON LoadIconOfSize(HINSTANCE instance, const wchar_t* resource, SIZE size) noexcept
{
    // comctl32 6 has it from Vista on; looked up so that a missing one is no failure.
    using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    static const auto loadIconWithScaleDown =
        SystemFunction<LoadIconWithScaleDownFunction>(L"comctl32.dll", "LoadIconWithScaleDown");
    HICON icon = nullptr;
    if (loadIconWithScaleDown && SUCCEEDED(loadIconWithScaleDown(instance, resource, size.cx, size.cy, &icon)))
        return icon;
    return static_cast<HICON>(LoadImageW(instance, resource, IMAGE_ICON, size.cx, size.cy, 0));
}

}  // namespace

SIZE IconSizeForDpi(bool small, int dpi) noexcept
{
    using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto getSystemMetricsForDpi =
        SystemFunction<GetSystemMetricsForDpiFunction>(L"user32.dll", "GetSystemMetricsForDpi");
    const int width = small ? SM_CXSMICON : SM_CXICON;
    const int height = small ? SM_CYSMICON : SM_CYICON;
    if (getSystemMetricsForDpi)
        return {getSystemMetricsForDpi(width, static_cast<UINT>(dpi)),
                getSystemMetricsForDpi(height, static_cast<UINT>(dpi))};
    // Windows 8.1 moves windows between monitors of different DPIs but has no metrics for them.
    const Size scaled =
        ScaledIconSize({GetSystemMetrics(width), GetSystemMetrics(height)}, ChooseDpi(0, SystemDpi()), dpi);
    return {scaled.width, scaled.height};
}

void WindowIcon::Apply(HWND window, int dpi) noexcept
{
    UniqueIcon big(LoadIconOfSize(instance_, resource_, IconSizeForDpi(false, dpi)));
    UniqueIcon small(LoadIconOfSize(instance_, resource_, IconSizeForDpi(true, dpi)));
    // The window draws with the old icons until it has the new ones: only then may they go.
    if (big.get()) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
        big_ = std::move(big);
    }
    if (small.get()) {
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
        small_ = std::move(small);
    }
}

}  // namespace zomerita::win
