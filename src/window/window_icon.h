#pragma once

#include <windows.h>

#include "gdi_handles.h"

namespace zomerita::win {

// The icon size Windows asks for at a DPI: SM_CXICON or SM_CXSMICON, per monitor
// where Windows knows it (10 version 1607 and later), else the system's scaled to the DPI.
SIZE IconSizeForDpi(bool small, int dpi) noexcept;

// The window's caption and task-switcher icons, drawn from the image of the icon
// resource that fits the DPI. Keeps them as long as the window may show them: it must
// outlive the window.
class WindowIcon {
public:
    WindowIcon(HINSTANCE instance, const wchar_t* resource) noexcept : instance_(instance), resource_(resource) {}

    // Loads both sizes for the DPI and gives them to the window (WM_SETICON); the ones
    // it had before are destroyed afterwards. Where an icon cannot be loaded, the
    // window keeps the one it has.
    void Apply(HWND window, int dpi) noexcept;

private:
    HINSTANCE instance_;
    const wchar_t* resource_;
    UniqueIcon big_;
    UniqueIcon small_;
};

}  // namespace zomerita::win
