#include "system_colours.h"

#include <windows.h>

namespace zomerita::win {

SystemColours CurrentSystemColours() noexcept
{
    return {.window = GetSysColor(COLOR_WINDOW),
            .windowText = GetSysColor(COLOR_WINDOWTEXT),
            .buttonFace = GetSysColor(COLOR_BTNFACE),
            .buttonText = GetSysColor(COLOR_BTNTEXT)};
}

unsigned HighContrastFlags() noexcept
{
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) ? highContrast.dwFlags : 0;
}

}  // namespace zomerita::win
