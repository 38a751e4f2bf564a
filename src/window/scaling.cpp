#include "scaling.h"

namespace zomerita::win {

int ChooseDpi(int windowDpi, int systemDpi) noexcept
{
    if (windowDpi > 0)
        return windowDpi;
    return systemDpi > 0 ? systemDpi : DefaultDpi;
}

Size ScaledIconSize(Size atSystemDpi, int systemDpi, int dpi) noexcept
{
    return {ScaledBy(atSystemDpi.width, dpi, systemDpi), ScaledBy(atSystemDpi.height, dpi, systemDpi)};
}

}  // namespace zomerita::win
