#pragma once

#include <array>
#include <cstdint>

#include "geometry.h"
#include "resource_ids.h"
#include "scaling.h"

namespace zomerita::win {

enum ControlId : int {
    // IDOK (1) and IDCANCEL (2) are what Enter and Escape send: no control has them.
    OutputBoxId = 100,
    HeadingLabelId,
    PromptLabelId,
    InputBoxId,
    ShowButtonId,
    ClearButtonId,
    PictureBoxId,
    OutputNameId,
};

// A spoken label is never shown: it only gives the control after it a name for screen
// readers, which take a control's name from the label just before it.
enum class ControlKind { Label, SpokenLabel, TextBox, OutputBox, Button, Picture };

struct ControlLayout {
    ControlId id;
    ControlKind kind;
    unsigned textId;  // 0: no text of its own
    int left, top, width, height;  // twips, from the top-left corner of the client area
};

constexpr int ClientWidthTwips = 6930;
constexpr int ClientHeightTwips = 5850;

constexpr Colour WindowBackground = Rgb(192, 192, 255);
constexpr Colour LabelBackground = Rgb(255, 192, 128);
constexpr Colour ShowButtonFace = Rgb(128, 255, 128);
constexpr Colour ClearButtonFace = Rgb(255, 128, 128);

// The window font, in every control.
constexpr const wchar_t* FontFace = L"Times New Roman";
constexpr int FontPoints = 12;

// In Tab order, which is creation order: output box, input box, "Изведи", "Чисти",
// picture box. The labels take no focus. The input box is named by the prompt before
// it, the buttons by their captions, the picture by its own text, which it never shows.
constexpr std::array<ControlLayout, 8> Controls{{
    {OutputNameId, ControlKind::SpokenLabel, IDS_OUTPUT_NAME, 0, 0, 0, 0},
    {OutputBoxId, ControlKind::OutputBox, 0, 120, 2880, 6735, 2895},
    {HeadingLabelId, ControlKind::Label, IDS_HEADING, 960, 0, 4575, 375},
    {PromptLabelId, ControlKind::Label, IDS_PROMPT, 3480, 840, 2175, 375},
    {InputBoxId, ControlKind::TextBox, 0, 5640, 840, 1215, 405},
    {ShowButtonId, ControlKind::Button, IDS_SHOW, 3480, 1800, 1815, 375},
    {ClearButtonId, ControlKind::Button, IDS_CLEAR, 5280, 2400, 1575, 375},
    // The photograph (187 x 150 pixels) plus a sunken border of 2 pixels on each side.
    {PictureBoxId, ControlKind::Picture, IDS_PICTURE_NAME, 120, 480, 2865, 2310},
}};

// The window class, styles and extended styles that a kind of control is created with.
struct ControlClass {
    const wchar_t* name;
    std::uint32_t style;
    std::uint32_t extendedStyle;
};
ControlClass ClassOf(ControlKind kind) noexcept;

// The row of a control of the table; nullptr for an id the table does not have.
const ControlLayout* LayoutOf(int id) noexcept;

// A control's rectangle in client pixels at a given DPI.
Rect PixelRect(const ControlLayout& control, int dpi) noexcept;

// The designed client area in pixels at a given DPI.
Size ClientSize(int dpi) noexcept;

}  // namespace zomerita::win
