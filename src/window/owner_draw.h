#pragma once

#include <windows.h>

#include <string_view>

#include "colours.h"

namespace zomerita::win {

// A push button on its face: raised, sunken while pressed, with a dotted focus mark
// while it has the focus. The DC already holds the button's font. Focus marks scale
// with the window's DPI.
void PaintButton(const DRAWITEMSTRUCT& item, HBRUSH face, std::wstring_view caption, const Colours& colours,
                 int dpi) noexcept;

// A picture scaled to fill the item's rectangle (the control's client area, inside its
// border; at 96 DPI it fits exactly), framed by a focus mark while it has the focus.
void PaintPicture(const DRAWITEMSTRUCT& item, HBITMAP picture, bool focused, const Colours& colours, int dpi) noexcept;

}  // namespace zomerita::win
