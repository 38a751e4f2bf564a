#pragma once

#include <windows.h>

namespace zomerita::win {

// Where the frame goes: decisions on rectangles alone, so that tests can give them any
// work area. The window reads the work areas from the system and calls them.

// The frame centred on the work area; where it is larger, its title bar and left edge
// stay on it.
RECT CentredOnWorkArea(SIZE frame, const RECT& work) noexcept;

// The frame moved right and down only as far as needed to put its title bar and left
// edge on the work area, so that it can always be moved and closed with the mouse.
RECT KeptOnWorkArea(const RECT& frame, const RECT& work) noexcept;

}  // namespace zomerita::win
