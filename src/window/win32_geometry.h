#pragma once

#include <windows.h>

#include "geometry.h"

namespace zomerita::win {

// Between the system's rectangles and sizes and the decisions' own.
inline Rect FromRECT(const RECT& rect) noexcept
{
    return {static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
            static_cast<int>(rect.bottom)};
}

inline RECT ToRECT(const Rect& rect) noexcept
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace zomerita::win
