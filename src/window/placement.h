#pragma once

#include "geometry.h"

namespace zomerita::win {

// Where the frame goes: decisions on rectangles alone, so that tests can give them any
// work area. The window reads the work area of its monitor from the system.

// The frame centred on the work area; where it is larger, its title bar and left edge
// stay on it.
Rect CentredOnWorkArea(Size frame, const Rect& work) noexcept;

// The frame moved right and down only as far as needed to put its title bar and left
// edge on the work area, so that it can always be moved and closed with the mouse.
Rect KeptOnWorkArea(const Rect& frame, const Rect& work) noexcept;

}  // namespace zomerita::win
