#include "frame.h"

#include "layout.h"

namespace zomerita::win {

Size DesignedFrame(const FrameInsets& insets, int dpi) noexcept
{
    const Size client = ClientSize(dpi);
    return {insets.left + client.width + insets.right, insets.top + client.height + insets.bottom};
}

Rect FrameAfterDpiChange(const Rect& suggested, Size designed) noexcept
{
    return {suggested.left, suggested.top, suggested.left + designed.width, suggested.top + designed.height};
}

Rect FrameCorrectedForClient(const Rect& frame, Size client, Size designedClient, bool minimised) noexcept
{
    if (minimised)
        return frame;
    return {frame.left, frame.top, frame.right + designedClient.width - client.width,
            frame.bottom + designedClient.height - client.height};
}

}  // namespace zomerita::win
