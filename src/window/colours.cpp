#include "colours.h"

#include "layout.h"

namespace zomerita::win {

Colours ChooseColours(bool highContrast) noexcept
{
    if (highContrast) {
        // Labels lie on the window as plain text; buttons and their marks are the
        // system's button pair.
        return {.window = GetSysColor(COLOR_WINDOW),
                .labelFace = GetSysColor(COLOR_WINDOW),
                .labelText = GetSysColor(COLOR_WINDOWTEXT),
                .showFace = GetSysColor(COLOR_BTNFACE),
                .clearFace = GetSysColor(COLOR_BTNFACE),
                .buttonText = GetSysColor(COLOR_BTNTEXT),
                .focusMark = GetSysColor(COLOR_BTNTEXT),
                .focusHalo = GetSysColor(COLOR_BTNFACE)};
    }
    constexpr COLORREF black = RGB(0, 0, 0);
    return {.window = WindowBackground,
            .labelFace = LabelBackground,
            .labelText = black,
            .showFace = ShowButtonFace,
            .clearFace = ClearButtonFace,
            .buttonText = black,
            .focusMark = black,
            .focusHalo = RGB(255, 255, 255)};
}

bool HighContrastOn() noexcept
{
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace zomerita::win
