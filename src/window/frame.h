#pragma once

#include "geometry.h"

namespace zomerita::win {

// What the caption and borders add round the client area at one DPI, on each side: the
// system's frame metrics for the window's styles at that DPI.
struct FrameInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The frame round the designed client area at a DPI, from the frame's insets at that
// DPI. The caption and borders do not scale in proportion to the client area, so this
// is what the window answers when Windows asks for its size at a new DPI, and the
// size it takes when the DPI has changed.
Size DesignedFrame(const FrameInsets& insets, int dpi) noexcept;

// After a change of DPI: the place Windows suggests (which keeps the window under the
// cursor during a drag), at the designed size.
Rect FrameAfterDpiChange(const Rect& suggested, Size designed) noexcept;

// The frame after the client area it holds was read back: where it misses the designed
// size (the system's frame metrics are not what it reported), the frame grows or shrinks
// by the difference. A minimised window has no client area to read, and stays as it is.
Rect FrameCorrectedForClient(const Rect& frame, Size client, Size designedClient, bool minimised) noexcept;

}  // namespace zomerita::win
