#include "window_font.h"

#include "layout.h"
#include "window_error.h"

namespace zomerita::win {

UniqueFont CreateWindowFont(int dpi)
{
    constexpr int pointsPerInch = 72;
    UniqueFont font(CreateFontW(-MulDiv(FontPoints, dpi, pointsPerInch), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                VARIABLE_PITCH | FF_ROMAN, FontFace));
    if (!font)
        throw WindowError(IDS_ERROR_DRAWING, "the window font could not be created");
    return font;
}

}  // namespace zomerita::win
