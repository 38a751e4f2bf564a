#include "focus_marks.h"

#include <algorithm>

#include "scaling.h"

namespace zomerita::win {
namespace {

// Between a button's edge and its focus mark, in pixels at 96 DPI.
constexpr int ButtonFocusInset = 3;

}  // namespace

Size FocusThickness(Size chosen, int dpi) noexcept
{
    return {FromDefaultDpi(std::max(chosen.width, 1), dpi), FromDefaultDpi(std::max(chosen.height, 1), dpi)};
}

FocusMark ButtonFocusMark(const Rect& button, Size chosen, int dpi) noexcept
{
    const int inset = FromDefaultDpi(ButtonFocusInset, dpi);
    return {Inside(button, {inset, inset}), FocusThickness(chosen, dpi)};
}

PictureFocusMarks PictureFocusMark(const Rect& picture, Size chosen, int dpi) noexcept
{
    const Size thickness = FocusThickness(chosen, dpi);
    return {{picture, thickness}, {Inside(picture, thickness), thickness}};
}

}  // namespace zomerita::win
