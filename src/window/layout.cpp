#include "layout.h"

#include <algorithm>

namespace zomerita::win {

const ControlLayout* LayoutOf(int id) noexcept
{
    const auto row = std::find_if(Controls.begin(), Controls.end(), [id](const ControlLayout& c) { return c.id == id; });
    return row == Controls.end() ? nullptr : &*row;
}

RECT PixelRect(const ControlLayout& control, int dpi) noexcept
{
    const int left = ToPixels(control.left, dpi);
    const int top = ToPixels(control.top, dpi);
    return {left, top, left + ToPixels(control.width, dpi), top + ToPixels(control.height, dpi)};
}

}  // namespace zomerita::win
