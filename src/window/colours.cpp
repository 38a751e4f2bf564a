#include "colours.h"

#include "layout.h"
#include "win32_values.h"

namespace zomerita::win {

Colours ChooseColours(unsigned highContrastFlags, const SystemColours& system) noexcept
{
    if (highContrastFlags & win32::HcfHighContrastOn) {
        // Labels lie on the window as plain text; buttons and their marks are the
        // system's button pair.
        return {.window = system.window,
                .labelFace = system.window,
                .labelText = system.windowText,
                .showFace = system.buttonFace,
                .clearFace = system.buttonFace,
                .buttonText = system.buttonText,
                .focusMark = system.buttonText,
                .focusHalo = system.buttonFace,
                .outputFace = system.window,
                .outputText = system.windowText};
    }
    constexpr Colour black = Rgb(0, 0, 0);
    return {.window = WindowBackground,
            .labelFace = LabelBackground,
            .labelText = black,
            .showFace = ShowButtonFace,
            .clearFace = ClearButtonFace,
            .buttonText = black,
            .focusMark = black,
            .focusHalo = Rgb(255, 255, 255),
            .outputFace = system.window,
            .outputText = system.windowText};
}

}  // namespace zomerita::win
