#pragma once

#include "geometry.h"

namespace zomerita::win {

// Where the frame goes on the work area of its monitor (the one the system names for it).

// The frame centred on the work area; where it is larger, its title bar and left edge
// stay on it.
Rect CentredOnWorkArea(Size frame, const Rect& work) noexcept;

// The frame moved as little as needed to put it on the work area on every side; where it
// is larger, its title bar and left edge stay on it, so that it can always be moved and
// closed with the mouse.
Rect KeptOnWorkArea(const Rect& frame, const Rect& work) noexcept;

}  // namespace zomerita::win
