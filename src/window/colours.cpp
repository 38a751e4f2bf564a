#include "colours.h"

#include "layout.h"

namespace zomerita::win {

Colours ChooseColours(bool highContrast, const SystemColours& system) noexcept
{
    if (highContrast) {
        // Labels lie on the window as plain text; buttons and their marks are the
        // system's button pair.
        return {.window = system.window,
                .labelFace = system.window,
                .labelText = system.windowText,
                .showFace = system.buttonFace,
                .clearFace = system.buttonFace,
                .buttonText = system.buttonText,
                .focusMark = system.buttonText,
                .focusHalo = system.buttonFace};
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

SystemColours CurrentSystemColours() noexcept
{
    return {.window = GetSysColor(COLOR_WINDOW),
            .windowText = GetSysColor(COLOR_WINDOWTEXT),
            .buttonFace = GetSysColor(COLOR_BTNFACE),
            .buttonText = GetSysColor(COLOR_BTNTEXT)};
}

bool HighContrastOn() noexcept
{
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace zomerita::win
