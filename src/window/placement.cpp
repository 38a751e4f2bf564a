#include "placement.h"

#include <algorithm>

namespace zomerita::win {

RECT CentredOnWorkArea(SIZE frame, const RECT& work) noexcept
{
    const LONG left = work.left + (work.right - work.left - frame.cx) / 2;
    const LONG top = work.top + (work.bottom - work.top - frame.cy) / 2;
    return KeptOnWorkArea({left, top, left + frame.cx, top + frame.cy}, work);
}

RECT KeptOnWorkArea(const RECT& frame, const RECT& work) noexcept
{
    const LONG right = std::max(0L, work.left - frame.left);
    const LONG down = std::max(0L, work.top - frame.top);
    return {frame.left + right, frame.top + down, frame.right + right, frame.bottom + down};
}

}  // namespace zomerita::win
