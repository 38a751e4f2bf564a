#include "layout.h"

#include <algorithm>

namespace zomerita::win {

const ControlLayout& LayoutOf(ControlId id) noexcept
{
    return *std::find_if(Controls.begin(), Controls.end(), [id](const ControlLayout& c) { return c.id == id; });
}

RECT PixelRect(const ControlLayout& control, int dpi) noexcept
{
    const int left = ToPixels(control.left, dpi);
    const int top = ToPixels(control.top, dpi);
    return {left, top, left + ToPixels(control.width, dpi), top + ToPixels(control.height, dpi)};
}

}  // namespace zomerita::win
