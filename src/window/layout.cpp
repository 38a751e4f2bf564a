#include "layout.h"

#include <algorithm>

namespace zomerita::win {

ControlClass ClassOf(ControlKind kind) noexcept
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::Label:
        return {L"STATIC", child | SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::SpokenLabel:
        return {L"STATIC", WS_CHILD | SS_NOPREFIX, 0};
    case ControlKind::TextBox:
        return {L"EDIT", child | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::OutputBox:
        // Read-only for the user; its text can still be selected and copied.
        return {L"EDIT", child | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"BUTTON", child | WS_TABSTOP | BS_OWNERDRAW, 0};
    case ControlKind::Picture:
        // Owner-drawn so that the photograph scales with the DPI; reached by Tab only.
        return {L"STATIC", child | WS_TABSTOP | SS_OWNERDRAW, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", child, 0};
}

const ControlLayout* LayoutOf(int id) noexcept
{
    const auto row = std::find_if(Controls.begin(), Controls.end(), [id](const ControlLayout& c) { return c.id == id; });
    return row == Controls.end() ? nullptr : &*row;
}

RECT PixelRect(const ControlLayout& control, int dpi) noexcept
{
    const int left = ToPixels(control.left, dpi);
    const int top = ToPixels(control.top, dpi);
    return {left, top, left + ToPixels(control.width, dpi), top + ToPixels(control.height, dpi)};
}

}  // namespace zomerita::win
