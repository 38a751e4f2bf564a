#pragma once

#include <span>

#include "geometry.h"

namespace zomerita::win {

// Where the frame goes: decisions on rectangles alone, so that tests can give them any
// monitors. The window reads the desktop's monitors from the system.

// A monitor: all of it, and the part of it that the task bar and other docked bars leave.
struct Monitor {
    Rect area;
    Rect work;
};

// The work area of the monitor that holds most of the frame or, where none holds any of
// it, of the one nearest to it: the monitor Windows itself names for the frame. With no
// monitor at all, the frame itself, so that nothing moves it.
Rect WorkAreaHolding(const Rect& frame, std::span<const Monitor> monitors) noexcept;

// The frame centred on the work area; where it is larger, its title bar and left edge
// stay on it.
Rect CentredOnWorkArea(Size frame, const Rect& work) noexcept;

// The frame moved right and down only as far as needed to put its title bar and left
// edge on the work area, so that it can always be moved and closed with the mouse.
Rect KeptOnWorkArea(const Rect& frame, const Rect& work) noexcept;

}  // namespace zomerita::win
