#include "layout.h"

#include <algorithm>

#include "win32_values.h"

namespace zomerita::win {

ControlClass ClassOf(ControlKind kind) noexcept
{
    using namespace win32;
    constexpr std::uint32_t child = WsChild | WsVisible;
    switch (kind) {
    case ControlKind::Label:
        return {L"STATIC", child | SsCenter | SsNoPrefix, 0};
    case ControlKind::SpokenLabel:
        return {L"STATIC", WsChild | SsNoPrefix, 0};
    case ControlKind::TextBox:
        return {L"EDIT", child | WsTabStop | EsCenter | EsAutoHScroll, WsExClientEdge};
    case ControlKind::OutputBox:
        // Read-only for the user; its text can still be selected and copied.
        return {L"EDIT", child | WsTabStop | WsVScroll | EsMultiline | EsAutoVScroll | EsReadOnly, WsExClientEdge};
    case ControlKind::Button:
        return {L"BUTTON", child | WsTabStop | BsOwnerDraw, 0};
    case ControlKind::Picture:
        // Owner-drawn so that the photograph scales with the DPI; reached by Tab only.
        return {L"STATIC", child | WsTabStop | SsOwnerDraw, WsExClientEdge};
    }
    return {L"STATIC", child, 0};
}

const ControlLayout* LayoutOf(int id) noexcept
{
    const auto row =
        std::find_if(Controls.begin(), Controls.end(), [id](const ControlLayout& c) { return c.id == id; });
    return row == Controls.end() ? nullptr : &*row;
}

Rect PixelRect(const ControlLayout& control, int dpi) noexcept
{
    const int left = ToPixels(control.left, dpi);
    const int top = ToPixels(control.top, dpi);
    return {left, top, left + ToPixels(control.width, dpi), top + ToPixels(control.height, dpi)};
}

Size ClientSize(int dpi) noexcept
{
    return {ToPixels(ClientWidthTwips, dpi), ToPixels(ClientHeightTwips, dpi)};
}

}  // namespace zomerita::win
