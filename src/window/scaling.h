#pragma once

#include "geometry.h"

namespace zomerita::win {

constexpr int DefaultDpi = 96;

// Positions and sizes are designed in twips (1440 per inch): 15 twips are one pixel
// at 96 dots per inch.
constexpr int TwipsPerInch = 1440;

// value * numerator / denominator, rounded to nearest with halves away from zero, as
// the system's MulDiv rounds; scaling by it gives what the system's own scaling gives.
constexpr int ScaledBy(int value, int numerator, int denominator) noexcept
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

constexpr int ToPixels(int twips, int dpi) noexcept
{
    return ScaledBy(twips, dpi, TwipsPerInch);
}

// Pixels designed at 96 DPI, at another DPI.
constexpr int FromDefaultDpi(int pixels, int dpi) noexcept
{
    return ScaledBy(pixels, dpi, DefaultDpi);
}

// The DPI to use from what the system reports: the window's where known (not 0), else
// the system's, else the default.
int ChooseDpi(int windowDpi, int systemDpi) noexcept;

// An icon size of the system's DPI at another DPI, as Windows scales its metrics.
Size ScaledIconSize(Size atSystemDpi, int systemDpi, int dpi) noexcept;

}  // namespace zomerita::win
