#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <stdexcept>

namespace zomerita {

std::wstring NumberText(double value)
{
    // Up to 2^53 every whole double is exact and converts to a 64-bit integer unchanged.
    constexpr double exactWholeBound = 9007199254740992.0;
    if (!(std::fabs(value) <= exactWholeBound) || std::trunc(value) != value)  // NaN fails too
        throw std::domain_error("a transcript value is not a whole number");
    char digits[24];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), static_cast<std::int64_t>(value));
    return std::wstring(digits, written.ptr);
}

}  // namespace zomerita
