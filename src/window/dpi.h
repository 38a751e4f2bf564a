#pragma once

#include <windows.h>

namespace zomerita::win {

constexpr int DefaultDpi = 96;

// Sent from Windows 8.1 on; the headers declare it only for programs that require 7 or
// later, and this one runs from Vista (where the message never comes).
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The window's DPI: per monitor where Windows knows it (10 version 1607 and later),
// else the system's.
int DpiOf(HWND window) noexcept;

// The DPI to use from what the system reports: the window's where known (not 0), else
// the system's, else the default.
int ChooseDpi(int windowDpi, int systemDpi) noexcept;

// The system's DPI, as the screen reports it; 0 where it cannot be read.
int SystemDpi() noexcept;

// The frame rectangle, at (0, 0), that gives a client area of the given size.
RECT FrameForClient(SIZE client, DWORD style, DWORD extendedStyle, int dpi) noexcept;

}  // namespace zomerita::win
