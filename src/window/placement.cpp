#include "placement.h"

#include <algorithm>

namespace zomerita::win {

Rect CentredOnWorkArea(Size frame, const Rect& work) noexcept
{
    const int left = work.left + (work.width() - frame.width) / 2;
    const int top = work.top + (work.height() - frame.height) / 2;
    return KeptOnWorkArea({left, top, left + frame.width, top + frame.height}, work);
}

Rect KeptOnWorkArea(const Rect& frame, const Rect& work) noexcept
{
    const int right = std::max(0, work.left - frame.left);
    const int down = std::max(0, work.top - frame.top);
    return {frame.left + right, frame.top + down, frame.right + right, frame.bottom + down};
}

}  // namespace zomerita::win
