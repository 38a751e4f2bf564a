#include "message_style.h"

#include "win32_values.h"

namespace zomerita::win {

std::uint32_t MessageBoxStyle(ErrorKind kind) noexcept
{
    return win32::MbOk | (kind == ErrorKind::RefusedInput ? win32::MbIconWarning : win32::MbIconError);
}

}  // namespace zomerita::win
