#pragma once

#include <windows.h>

#include "gdi_handles.h"

namespace zomerita::win {

// Decodes a JPEG image kept as RCDATA in the module's resources, with the decoder
// every Windows since XP has (OLE's picture loader). Throws WindowError.
UniqueBitmap LoadJpegResource(HINSTANCE module, int resourceId);

}  // namespace zomerita::win
