#pragma once

#include <windows.h>

#include "frame.h"
#include "scaling.h"

namespace zomerita::win {

// Sent from Windows 8.1 on (the second from 10 version 1703); the headers declare them
// only for programs that require a later Windows, and this one runs from Vista (where
// they never come).
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

// The window's DPI: per monitor where Windows knows it (10 version 1607 and later),
// else the system's.
int DpiOf(HWND window) noexcept;

// The system's DPI, as the screen reports it; 0 where it cannot be read.
int SystemDpi() noexcept;

// What the caption and borders of a window of these styles take at a DPI.
FrameInsets FrameInsetsAt(DWORD style, DWORD extendedStyle, int dpi) noexcept;

// Windows 10 version 1607 (per-monitor v1) scales a window's caption and borders with
// its monitor's DPI only when asked to, while the window is being created (in
// WM_NCCREATE); under per-monitor v2, from 1703 on, windows scale them by themselves.
void ScaleFrameWithDpi(HWND window) noexcept;

}  // namespace zomerita::win
