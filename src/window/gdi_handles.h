#pragma once

#include <windows.h>

#include <utility>

namespace zomerita::win {

// How many GDI objects (icons included: each holds two bitmaps) the program owns at
// this moment: where the platform does not count a process's GDI objects, this is how
// a leak shows.
inline int& LiveGdiObjects() noexcept
{
    static int live = 0;
    return live;
}

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};

struct DestroyIconObject {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};

// Owns one GDI object (font, brush, bitmap, pen, or an icon made for this process) and
// destroys it once. Move-only, so a copy can never destroy it twice.
template <class Handle, class Destroy = DeleteGdiObject>
class UniqueGdiObject {
public:
    UniqueGdiObject() noexcept = default;
    explicit UniqueGdiObject(Handle handle) noexcept : handle_(handle)
    {
        if (handle_)
            ++LiveGdiObjects();
    }
    UniqueGdiObject(UniqueGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept
    {
        // The object changes owner, not count: reset would count it a second time.
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
    ~UniqueGdiObject() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) noexcept
    {
        if (handle_) {
            Destroy()(handle_);
            --LiveGdiObjects();
        }
        if (handle)
            ++LiveGdiObjects();
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueIcon = UniqueGdiObject<HICON, DestroyIconObject>;

// Selects an object into a device context and restores the previous one when it ends,
// so that nothing is ever deleted while still selected.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory device context compatible with another, deleted when it ends.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) noexcept : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    HDC get() const noexcept { return dc_; }

private:
    HDC dc_;
};

// A window's device context, or the whole screen's for nullptr, released when it ends.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) noexcept : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace zomerita::win
