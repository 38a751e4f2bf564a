#include "number_text.h"

#include <algorithm>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <limits>
#include <vector>

#include "number_reader.h"

namespace zomerita {
namespace {

// The number of decimal digits: log10 estimated from the bit length (1233 / 4096 is
// just below log10 2), then corrected by one comparison.
std::size_t DecimalDigits(std::uint64_t value)
{
    static constexpr std::uint64_t powers[] = {1,
                                               10,
                                               100,
                                               1000,
                                               10000,
                                               100000,
                                               1000000,
                                               10000000,
                                               100000000,
                                               1000000000,
                                               10000000000,
                                               100000000000,
                                               1000000000000,
                                               10000000000000,
                                               100000000000000,
                                               1000000000000000,
                                               10000000000000000,
                                               100000000000000000,
                                               1000000000000000000,
                                               10000000000000000000u};
    const auto estimate = static_cast<std::size_t>((std::bit_width(value | 1) - 1) * 1233 >> 12);
    return estimate + 1 + (value >= powers[estimate + 1] ? 1 : 0);
}

// Writes the digits of `value` backwards, two at a time, ending just before `end`.
template <class Unsigned>
void WriteDigitsBackwards(wchar_t* end, Unsigned value)
{
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    wchar_t* digit = end;
    for (; value >= 100; value /= 100) {
        const char* const pair = pairs + 2 * (value % 100);
        *--digit = static_cast<wchar_t>(pair[1]);
        *--digit = static_cast<wchar_t>(pair[0]);
    }
    if (value >= 10) {
        *--digit = static_cast<wchar_t>(pairs[2 * value + 1]);
        *--digit = static_cast<wchar_t>(pairs[2 * value]);
    } else {
        *--digit = static_cast<wchar_t>(L'0' + value);
    }
}

// The hot path of every transcript line: digits straight into place.
wchar_t* WriteWholeNumber(wchar_t* out, std::int64_t value)
{
    if (value < 0)
        *out++ = L'-';
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    wchar_t* const end = out + DecimalDigits(magnitude);
    // 32-bit division is the cheaper one, and every value of a transcript fits it.
    if (magnitude <= std::numeric_limits<std::uint32_t>::max())
        WriteDigitsBackwards(end, static_cast<std::uint32_t>(magnitude));
    else
        WriteDigitsBackwards(end, magnitude);
    return end;
}

// Whole values from 2^63 up: the exact digits of mantissa × 2^exponent, doubled out
// in base 10^9. Rare, so kept out of line.
[[gnu::noinline]] wchar_t* WriteLargeWholeNumber(wchar_t* out, double value)
{
    constexpr std::uint32_t limbBase = 1'000'000'000;
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    std::vector<std::uint32_t> limbs{static_cast<std::uint32_t>(mantissa % limbBase),
                                     static_cast<std::uint32_t>(mantissa / limbBase % limbBase),
                                     static_cast<std::uint32_t>(mantissa / limbBase / limbBase)};
    for (int doubling = 53; doubling < exponent; ++doubling) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint32_t twice = limb * 2 + carry;
            carry = twice >= limbBase ? 1 : 0;
            limb = twice - carry * limbBase;
        }
        if (carry)
            limbs.push_back(carry);
    }
    while (limbs.back() == 0)
        limbs.pop_back();

    if (value < 0)
        *out++ = L'-';
    out = WriteWholeNumber(out, limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        std::uint32_t rest = *limb;
        for (wchar_t* digit = out + 9; digit != out; rest /= 10)
            *--digit = static_cast<wchar_t>(L'0' + rest % 10);
        out += 9;
    }
    return out;
}

// Any other value: the fewest significant digits that read back to the same double.
[[gnu::noinline]] wchar_t* WriteShortestNumber(wchar_t* out, double value)
{
    char text[40] = "";
    int length = 0;
    for (int digits = 1; digits <= 17; ++digits) {
        length = std::snprintf(text, sizeof text, "%.*g", digits, value);
        std::replace(text, text + length, *std::localeconv()->decimal_point, '.');  // whatever the locale
        if (ReadLeadingNumber(std::wstring(text, text + length)) == value)
            break;
    }
    return std::copy(text, text + length, out);
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
    if (std::isfinite(value) && std::trunc(value) == value)
        return WriteLargeWholeNumber(out, value);
    return WriteShortestNumber(out, value);
}

std::wstring NumberText(double value)
{
    wchar_t text[MaxNumberTextLength];
    return std::wstring(text, WriteNumberText(text, value));
}

}  // namespace zomerita
