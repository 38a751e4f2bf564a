#include "placement.h"

#include <algorithm>

namespace zomerita::win {
namespace {

// How far to move an edge pair [low, high] into [first, last]: back from the far edge
// first, then forward onto the near one, which wins where the span is the larger.
int ShiftOnto(int low, int high, int first, int last) noexcept
{
    return std::max(first - low, std::min(0, last - high));
}

}  // namespace

Rect CentredOnWorkArea(Size frame, const Rect& work) noexcept
{
    const int left = work.left + (work.width() - frame.width) / 2;
    const int top = work.top + (work.height() - frame.height) / 2;
    return KeptOnWorkArea({left, top, left + frame.width, top + frame.height}, work);
}

Rect KeptOnWorkArea(const Rect& frame, const Rect& work) noexcept
{
    const int across = ShiftOnto(frame.left, frame.right, work.left, work.right);
    const int down = ShiftOnto(frame.top, frame.bottom, work.top, work.bottom);
    return {frame.left + across, frame.top + down, frame.right + across, frame.bottom + down};
}

}  // namespace zomerita::win
