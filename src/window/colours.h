#pragma once

#include <windows.h>

namespace zomerita::win {

// What the window paints itself with. Normally the designed colours, with text in a
// fixed dark colour on the pastel faces, so that no system colour scheme can make it
// light; under Windows' high contrast, the system's own colour pairs instead.
struct Colours {
    COLORREF window;  // the client area behind the controls
    COLORREF labelFace;
    COLORREF labelText;
    COLORREF showFace;
    COLORREF clearFace;
    COLORREF buttonText;
    COLORREF focusMark;  // on the button faces, and the outer line round the picture
    COLORREF focusHalo;  // the inner line round the picture, against the mark
};

// The system's colours that high contrast takes.
struct SystemColours {
    COLORREF window;
    COLORREF windowText;
    COLORREF buttonFace;
    COLORREF buttonText;
};

// The designed colours, or with high contrast on the system's.
Colours ChooseColours(bool highContrast, const SystemColours& system) noexcept;

// What the system has now: whether the user has Windows' high contrast on, and its colours.
bool HighContrastOn() noexcept;
SystemColours CurrentSystemColours() noexcept;

}  // namespace zomerita::win
