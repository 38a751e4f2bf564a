#include "owner_draw.h"

#include "focus_marks.h"
#include "gdi_handles.h"
#include "win32_geometry.h"

namespace zomerita::win {
namespace {

// The thickness of focus marks the user has chosen for 96 DPI.
Size ChosenFocusThickness() noexcept
{
    UINT width = 1;
    UINT height = 1;
    SystemParametersInfoW(SPI_GETFOCUSBORDERWIDTH, 0, &width, 0);
    SystemParametersInfoW(SPI_GETFOCUSBORDERHEIGHT, 0, &height, 0);
    return {static_cast<int>(width), static_cast<int>(height)};
}

void Line(HDC dc, int fromX, int fromY, int toX, int toY) noexcept
{
    MoveToEx(dc, fromX, fromY, nullptr);
    LineTo(dc, toX, toY);
}

// Dotted like the system's focus rectangle, but in a colour of its own: the system's
// inverts what is under it, which leaves a faint mark on the red face.
void DrawDottedFrame(HDC dc, const FocusMark& mark, COLORREF colour) noexcept
{
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    const UniquePen pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr));
    const SelectGuard selected(dc, pen.get());
    const Rect& bounds = mark.bounds;
    for (int row = 0; row < mark.thickness.height; ++row) {
        Line(dc, bounds.left, bounds.top + row, bounds.right, bounds.top + row);
        Line(dc, bounds.left, bounds.bottom - 1 - row, bounds.right, bounds.bottom - 1 - row);
    }
    for (int column = 0; column < mark.thickness.width; ++column) {
        Line(dc, bounds.left + column, bounds.top, bounds.left + column, bounds.bottom);
        Line(dc, bounds.right - 1 - column, bounds.top, bounds.right - 1 - column, bounds.bottom);
    }
}

void DrawSolidFrame(HDC dc, const FocusMark& mark, COLORREF colour) noexcept
{
    const UniqueBrush brush(CreateSolidBrush(colour));
    const Rect& bounds = mark.bounds;
    const Rect inside = Inside(bounds, mark.thickness);
    const RECT strips[] = {{bounds.left, bounds.top, bounds.right, inside.top},
                           {bounds.left, inside.bottom, bounds.right, bounds.bottom},
                           {bounds.left, inside.top, inside.left, inside.bottom},
                           {inside.right, inside.top, bounds.right, inside.bottom}};
    for (const RECT& strip : strips)
        FillRect(dc, &strip, brush.get());
}

}  // namespace

void PaintButton(const DRAWITEMSTRUCT& item, HBRUSH face, std::wstring_view caption, const Colours& colours,
                 int dpi) noexcept
{
    const HDC dc = item.hDC;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    RECT bounds = item.rcItem;
    FillRect(dc, &bounds, face);
    DrawEdge(dc, &bounds, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);

    RECT textBounds = bounds;
    if (pressed)
        OffsetRect(&textBounds, 1, 1);  // the caption sinks with the face
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = SetTextColor(dc, colours.buttonText);
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &textBounds,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);

    if (item.itemState & ODS_FOCUS)
        DrawDottedFrame(dc, ButtonFocusMark(FromRECT(item.rcItem), ChosenFocusThickness(), dpi), colours.focusMark);
}

void PaintPicture(const DRAWITEMSTRUCT& item, HBITMAP picture, bool focused, const Colours& colours, int dpi) noexcept
{
    const RECT& target = item.rcItem;
    BITMAP size{};
    if (picture && GetObjectW(picture, sizeof size, &size)) {
        const MemoryDc source(item.hDC);
        const SelectGuard selected(source.get(), picture);
        const int previousMode = SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);  // HALFTONE needs it reset
        StretchBlt(item.hDC, target.left, target.top, target.right - target.left, target.bottom - target.top,
                   source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
        SetStretchBltMode(item.hDC, previousMode);
    } else {
        FillRect(item.hDC, &target, GetSysColorBrush(COLOR_BTNFACE));
    }
    if (focused) {
        const PictureFocusMarks marks = PictureFocusMark(FromRECT(target), ChosenFocusThickness(), dpi);
        DrawSolidFrame(item.hDC, marks.mark, colours.focusMark);
        DrawSolidFrame(item.hDC, marks.halo, colours.focusHalo);
    }
}

}  // namespace zomerita::win
