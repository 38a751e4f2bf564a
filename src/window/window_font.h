#pragma once

#include "gdi_handles.h"

namespace zomerita::win {

// The font of every control at a DPI: Times New Roman 12 pt, regular, with the Cyrillic
// character set. Throws WindowError.
UniqueFont CreateWindowFont(int dpi);

}  // namespace zomerita::win
