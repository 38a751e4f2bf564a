#pragma once

#include <windows.h>

#include <string_view>

namespace zomerita::win {

// A push button in its face colour: raised, sunken while pressed, with the focus
// rectangle while it has the focus. The DC already holds the button's font.
void PaintButton(const DRAWITEMSTRUCT& item, HBRUSH face, std::wstring_view caption) noexcept;

// A picture scaled to fill the item's rectangle (the control's client area, inside its
// border); at 96 DPI it fits exactly.
void PaintPicture(const DRAWITEMSTRUCT& item, HBITMAP picture) noexcept;

}  // namespace zomerita::win
