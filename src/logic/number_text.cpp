#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace zomerita {
namespace {

std::size_t DecimalDigits(std::uint64_t value)
{
    std::size_t digits = 1;
    for (std::uint64_t power = 10; digits < 20 && value >= power; power *= 10)
        ++digits;
    return digits;
}

// The hot path of every transcript line: digits straight into place, two at a time.
wchar_t* WriteWholeNumber(wchar_t* out, std::int64_t value)
{
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    if (value < 0)
        *out++ = L'-';
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    wchar_t* const end = out + DecimalDigits(magnitude);
    wchar_t* digit = end;
    for (; magnitude >= 100; magnitude /= 100) {
        const char* const pair = pairs + 2 * (magnitude % 100);
        *--digit = static_cast<wchar_t>(pair[1]);
        *--digit = static_cast<wchar_t>(pair[0]);
    }
    if (magnitude >= 10) {
        *--digit = static_cast<wchar_t>(pairs[2 * magnitude + 1]);
        *--digit = static_cast<wchar_t>(pairs[2 * magnitude]);
    } else {
        *--digit = static_cast<wchar_t>(L'0' + magnitude);
    }
    return end;
}

}  // namespace

wchar_t* WriteNumberText(wchar_t* out, double value)
{
    // 2^63: below it a whole value converts to a 64-bit integer and back unchanged.
    constexpr double int64Bound = 9223372036854775808.0;
    if (std::fabs(value) < int64Bound) {
        const auto integer = static_cast<std::int64_t>(value);
        if (static_cast<double>(integer) == value)
            return WriteWholeNumber(out, integer);
    }
    const bool whole = std::trunc(value) == value;

    char buffer[MaxNumberTextLength];
    const auto result = whole && std::isfinite(value)
                            ? std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed, 0)
                            : std::to_chars(std::begin(buffer), std::end(buffer), value);
    return std::copy(std::begin(buffer), result.ptr, out);
}

std::wstring NumberText(double value)
{
    wchar_t text[MaxNumberTextLength];
    return std::wstring(text, WriteNumberText(text, value));
}

}  // namespace zomerita
