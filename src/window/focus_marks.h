#pragma once

#include "geometry.h"

namespace zomerita::win {

// A focus mark: a frame just inside `bounds`, `thickness` pixels across its top and
// bottom edges (height) and its sides (width).
struct FocusMark {
    Rect bounds;
    Size thickness;
    friend constexpr bool operator==(const FocusMark&, const FocusMark&) = default;
};

// The thickness of focus marks at a DPI, from the one the user has chosen for 96 DPI
// (SPI_GETFOCUSBORDERWIDTH and HEIGHT; at least one pixel).
Size FocusThickness(Size chosen, int dpi) noexcept;

// A button's dotted mark, a little inside its edge.
FocusMark ButtonFocusMark(const Rect& button, Size chosen, int dpi) noexcept;

// Round the picture, a dark mark on its edge and a light halo just inside it: over a
// photograph no one colour stands out everywhere, the pair does.
struct PictureFocusMarks {
    FocusMark mark;
    FocusMark halo;
};
PictureFocusMarks PictureFocusMark(const Rect& picture, Size chosen, int dpi) noexcept;

}  // namespace zomerita::win
