#pragma once

#include <windows.h>

#include "frame.h"
#include "scaling.h"

namespace zomerita::win {

// Sent from Windows 8.1 on; the headers declare it only for programs that require 7 or
// later, and this one runs from Vista (where the message never comes).
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The window's DPI: per monitor where Windows knows it (10 version 1607 and later),
// else the system's.
int DpiOf(HWND window) noexcept;

// The system's DPI, as the screen reports it; 0 where it cannot be read.
int SystemDpi() noexcept;

// What the caption and borders of a window of these styles take at a DPI.
FrameInsets FrameInsetsAt(DWORD style, DWORD extendedStyle, int dpi) noexcept;

}  // namespace zomerita::win
