#include "number_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace zomerita {
namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

std::size_t SkipDigits(std::wstring_view text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// The decimal exponent of the leading nonzero digit of `mantissa` (digits with at most
// one period) times 10 to the `exponent` (empty, or E, a sign and digits). Only its sign
// is used, so a huge exponent saturates.
std::int64_t OrderOfMagnitude(std::string_view mantissa, std::string_view exponent)
{
    constexpr std::int64_t saturation = 1'000'000'000'000;
    std::int64_t scale = 0;
    const bool negativeExponent = exponent.find('-') != std::string_view::npos;
    for (const char c : exponent) {
        if (c >= '0' && c <= '9')
            scale = std::min(scale * 10 + (c - '0'), saturation);
    }
    if (negativeExponent)
        scale = -scale;

    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    const auto leading = static_cast<std::int64_t>(mantissa.find_first_of("123456789"));
    const std::int64_t order = leading < point ? point - leading - 1 : point - leading;
    return order + scale;
}

}  // namespace

double ReadLeadingNumber(std::wstring_view text)
{
    std::size_t pos = std::min(text.find_first_not_of(L" \t"), text.size());
    const bool negative = pos < text.size() && text[pos] == L'-';
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+'))
        ++pos;

    const std::size_t mantissaBegin = pos;
    pos = SkipDigits(text, pos);
    std::size_t digitCount = pos - mantissaBegin;
    if (pos < text.size() && text[pos] == L'.') {
        const std::size_t fractionEnd = SkipDigits(text, pos + 1);
        digitCount += fractionEnd - (pos + 1);
        pos = fractionEnd;
    }
    if (digitCount == 0)
        return 0.0;
    const std::size_t mantissaEnd = pos;

    // An exponent counts only when at least one digit follows the E and its sign.
    std::size_t exponentEnd = mantissaEnd;
    if (pos < text.size() && (text[pos] == L'e' || text[pos] == L'E')) {
        std::size_t digits = pos + 1;
        if (digits < text.size() && (text[digits] == L'+' || text[digits] == L'-'))
            ++digits;
        const std::size_t end = SkipDigits(text, digits);
        if (end > digits)
            exponentEnd = end;
    }

    // Everything taken is ASCII, so it narrows one to one for the correctly rounding
    // and locale-independent std::from_chars.
    std::string number;
    number.reserve(exponentEnd - mantissaBegin + 1);
    if (negative)
        number.push_back('-');
    for (std::size_t i = mantissaBegin; i < exponentEnd; ++i)
        number.push_back(static_cast<char>(text[i]));

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view taken(number);
        const std::size_t mantissaOffset = negative ? 1 : 0;
        const std::size_t mantissaLength = mantissaEnd - mantissaBegin;
        const std::int64_t order = OrderOfMagnitude(taken.substr(mantissaOffset, mantissaLength),
                                                    taken.substr(mantissaOffset + mantissaLength));
        const double magnitude = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return value;
}

}  // namespace zomerita
