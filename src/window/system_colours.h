#pragma once

#include "colours.h"

namespace zomerita::win {

// What the system has now: the flags of Windows' high contrast (0 where they cannot be
// read), and the colours it would take.
unsigned HighContrastFlags() noexcept;
SystemColours CurrentSystemColours() noexcept;

// The colours to paint with now.
inline Colours CurrentColours() noexcept
{
    return ChooseColours(HighContrastFlags(), CurrentSystemColours());
}

}  // namespace zomerita::win
