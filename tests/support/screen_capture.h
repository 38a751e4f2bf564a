// Windows only: what the window tests and the start-up benchmark read off the screen.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "gdi_handles.h"

namespace zomerita::test_support {

// A rectangle of the screen read back with BitBlt: what the user sees, whichever process
// painted it and whenever the system put it on the screen. Each pixel is 0x00RRGGBB.
class ScreenCapture {
public:
    // Reads `bounds` (screen coordinates); the pixels row by row, top row first, in the
    // capture's own bitmap: good until the next reading, not copied, as the start-up
    // benchmark reads the screen every few milliseconds.
    std::span<const std::uint32_t> Read(const RECT& bounds)
    {
        const int width = bounds.right - bounds.left;
        const int height = bounds.bottom - bounds.top;
        if (width != width_ || height != height_)
            Resize(width, height);
        {
            const win::SelectGuard selected(memory_.get(), bitmap_.get());
            BitBlt(memory_.get(), 0, 0, width, height, screen_.get(), bounds.left, bounds.top, SRCCOPY);
        }
        GdiFlush();  // the bits are complete before they are read
        return {static_cast<const std::uint32_t*>(bits_),
                static_cast<std::size_t>(width) * static_cast<std::size_t>(height)};
    }

private:
    void Resize(int width, int height)
    {
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = width;
        format.bmiHeader.biHeight = -height;  // top-down
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        bitmap_.reset(CreateDIBSection(screen_.get(), &format, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (!bitmap_)
            throw std::runtime_error("no bitmap for reading the screen");
        width_ = width;
        height_ = height;
    }

    win::WindowDc screen_;
    win::MemoryDc memory_{screen_.get()};
    win::UniqueBitmap bitmap_;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace zomerita::test_support
