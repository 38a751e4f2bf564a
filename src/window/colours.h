#pragma once

#include "geometry.h"

namespace zomerita::win {

// What the window paints itself with. Normally the designed colours, with text in a
// fixed dark colour on the pastel faces, so that no system colour scheme can make it
// light; under Windows' high contrast, the system's own colour pairs instead.
struct Colours {
    Colour window;  // the client area behind the controls
    Colour labelFace;
    Colour labelText;
    Colour showFace;
    Colour clearFace;
    Colour buttonText;
    Colour focusMark;  // on the button faces, and the outer line round the picture
    Colour focusHalo;  // the inner line round the picture, against the mark
    // The read-only output box, as an editable one: the system's window pair always.
    Colour outputFace;
    Colour outputText;
    friend constexpr bool operator==(const Colours&, const Colours&) = default;
};

// The system's colours that high contrast takes.
struct SystemColours {
    Colour window;
    Colour windowText;
    Colour buttonFace;
    Colour buttonText;
};

// The designed colours, or the system's where the high-contrast flags (HIGHCONTRAST's
// dwFlags) say that it is on.
Colours ChooseColours(unsigned highContrastFlags, const SystemColours& system) noexcept;

}  // namespace zomerita::win
