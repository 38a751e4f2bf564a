#pragma once

#include <cstdint>

namespace zomerita::win {

// The window's decisions work on these, not on the system's types, so that they build
// and are tested on any machine.

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

// Right and bottom lie just outside, as in the system's rectangles.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int width() const noexcept { return right - left; }
    constexpr int height() const noexcept { return bottom - top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The rectangle `by` inside another on each side.
constexpr Rect Inside(const Rect& bounds, Size by) noexcept
{
    return {bounds.left + by.width, bounds.top + by.height, bounds.right - by.width, bounds.bottom - by.height};
}

// Red in the low byte, then green, then blue: the system's own layout of a colour.
using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) noexcept
{
    return Colour{red} | Colour{green} << 8 | Colour{blue} << 16;
}

}  // namespace zomerita::win
