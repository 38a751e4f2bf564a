#include "placement.h"

#include <algorithm>

namespace zomerita::win {
namespace {

// Wide enough for the area of any rectangle on a desktop, and for the square of its diagonal.
using Area = long long;

Area OverlapArea(const Rect& a, const Rect& b) noexcept
{
    const Area width = std::max(0, std::min(a.right, b.right) - std::max(a.left, b.left));
    const Area height = std::max(0, std::min(a.bottom, b.bottom) - std::max(a.top, b.top));
    return width * height;
}

// The square of the shortest distance between two rectangles that do not overlap.
Area SquaredGap(const Rect& a, const Rect& b) noexcept
{
    const Area across = std::max({0, b.left - a.right, a.left - b.right});
    const Area down = std::max({0, b.top - a.bottom, a.top - b.bottom});
    return across * across + down * down;
}

}  // namespace

Rect WorkAreaHolding(const Rect& frame, std::span<const Monitor> monitors) noexcept
{
    if (monitors.empty())
        return frame;
    // Most of the frame first; among monitors that hold none of it, the nearest. The first
    // in the list wins a tie.
    const auto fartherFromFrame = [&frame](const Monitor& a, const Monitor& b) {
        const Area overlapA = OverlapArea(frame, a.area);
        const Area overlapB = OverlapArea(frame, b.area);
        if (overlapA != overlapB)
            return overlapA < overlapB;
        return SquaredGap(frame, a.area) > SquaredGap(frame, b.area);
    };
    return std::max_element(monitors.begin(), monitors.end(), fartherFromFrame)->work;
}

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
