#include "owner_draw.h"

#include "gdi_handles.h"

namespace zomerita::win {
namespace {

// Between the button's edge and its focus rectangle.
constexpr int FocusInset = 3;

}  // namespace

void PaintButton(const DRAWITEMSTRUCT& item, HBRUSH face, std::wstring_view caption) noexcept
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
    const COLORREF previousColour =
        SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &textBounds,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);

    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -FocusInset, -FocusInset);
        DrawFocusRect(dc, &focus);
    }
}

void PaintPicture(const DRAWITEMSTRUCT& item, HBITMAP picture) noexcept
{
    const RECT& target = item.rcItem;
    BITMAP size{};
    if (!picture || !GetObjectW(picture, sizeof size, &size)) {
        FillRect(item.hDC, &target, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const MemoryDc source(item.hDC);
    const SelectGuard selected(source.get(), picture);
    const int previousMode = SetStretchBltMode(item.hDC, HALFTONE);
    SetBrushOrgEx(item.hDC, 0, 0, nullptr);  // HALFTONE needs it reset
    StretchBlt(item.hDC, target.left, target.top, target.right - target.left, target.bottom - target.top,
               source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SetStretchBltMode(item.hDC, previousMode);
}

}  // namespace zomerita::win
