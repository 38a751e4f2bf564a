#pragma once

#include <windows.h>

#include "geometry.h"

namespace zomerita::win {

// From the system's rectangles to the decisions' own.
inline Rect FromRECT(const RECT& rect) noexcept
{
    return {static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
            static_cast<int>(rect.bottom)};
}

}  // namespace zomerita::win
