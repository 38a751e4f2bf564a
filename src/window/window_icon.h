#pragma once

#include <windows.h>

#include <utility>

namespace zomerita::win {

// Owns one icon made for this process (not a shared one) and destroys it once.
class UniqueIcon {
public:
    UniqueIcon() noexcept = default;
    explicit UniqueIcon(HICON icon) noexcept : icon_(icon) {}
    UniqueIcon(UniqueIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
    UniqueIcon& operator=(UniqueIcon&& other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.icon_, nullptr));
        return *this;
    }
    UniqueIcon(const UniqueIcon&) = delete;
    UniqueIcon& operator=(const UniqueIcon&) = delete;
    ~UniqueIcon() { reset(); }

    HICON get() const noexcept { return icon_; }
    void reset(HICON icon = nullptr) noexcept
    {
        if (icon_)
            DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

// The icon size Windows asks for at a DPI: SM_CXICON or SM_CXSMICON, per monitor
// where Windows knows it (10 version 1607 and later), else the system's.
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
