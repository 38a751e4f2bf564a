#pragma once

// A slow, plain reference for zomerita::ReadLeadingNumber, written for the fuzzer only.
// It shares no code with the reader under test and does not use std::from_chars,
// strtod or any other library conversion for its result:
//
// 1. The text rule, one character at a time: spaces and tabs; an optional + or -;
//    digits, optionally a period and more digits, at least one digit in all; then an
//    exponent (E or e, an optional sign, at least one digit) only if it is complete.
//    No number in front gives +0.0; a '-' gives a negative result, -0.0 included.
// 2. The value: the digits as a big natural N and a power of ten k, value = N * 10^k.
// 3. The rounding: every non-negative double, and +infinity counted as 2^1024, is a
//    bit pattern u in [0, 0x7FF0000000000000], and the patterns are in the order of
//    their values. The result is the smallest u whose upper midpoint (halfway to u + 1)
//    is at or above the value, or u + 1 when the value is exactly that midpoint and u
//    is odd (ties to even). Each comparison with a midpoint is exact, in big integers.
//    A floating-point guess only says where the search starts, never what it finds.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace zomerita_fuzz {

// A natural number in base 10^9, least significant limb first, no zero limb on top.
class BigNatural {
public:
    static constexpr std::uint64_t kBase = 1'000'000'000;

    explicit BigNatural(std::uint64_t value = 0)
    {
        for (; value != 0; value /= kBase)
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
    }

    // Decimal digits, most significant first.
    static BigNatural FromDigits(std::string_view digits)
    {
        BigNatural result;
        std::size_t end = digits.size();
        while (end > 0) {
            const std::size_t begin = end >= 9 ? end - 9 : 0;
            std::uint32_t limb = 0;
            for (std::size_t i = begin; i < end; ++i)
                limb = limb * 10 + static_cast<std::uint32_t>(digits[i] - '0');
            result.limbs_.push_back(limb);
            end = begin;
        }
        result.Trim();
        return result;
    }

    static BigNatural PowerOfTen(std::uint64_t exponent)
    {
        BigNatural result(1);
        for (std::uint64_t i = 0; i < exponent % 9; ++i)
            result.MultiplySmall(10);
        result.limbs_.insert(result.limbs_.begin(), static_cast<std::size_t>(exponent / 9), 0);
        return result;
    }

    static BigNatural PowerOfTwo(std::uint64_t exponent)
    {
        BigNatural result(1);
        for (; exponent >= 29; exponent -= 29)
            result.MultiplySmall(std::uint32_t{1} << 29);
        result.MultiplySmall(std::uint32_t{1} << exponent);
        return result;
    }

    friend BigNatural operator*(const BigNatural& a, const BigNatural& b)
    {
        BigNatural product;
        if (a.limbs_.empty() || b.limbs_.empty())
            return product;
        product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
        for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
                const std::uint64_t current = product.limbs_[i + j] + std::uint64_t{a.limbs_[i]} * b.limbs_[j] + carry;
                product.limbs_[i + j] = static_cast<std::uint32_t>(current % kBase);
                carry = current / kBase;
            }
            for (std::size_t k = i + b.limbs_.size(); carry != 0; ++k) {
                const std::uint64_t current = product.limbs_[k] + carry;
                product.limbs_[k] = static_cast<std::uint32_t>(current % kBase);
                carry = current / kBase;
            }
        }
        product.Trim();
        return product;
    }

    // -1, 0 or 1 as a is below, equal to or above b.
    friend int Compare(const BigNatural& a, const BigNatural& b)
    {
        if (a.limbs_.size() != b.limbs_.size())
            return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        for (std::size_t i = a.limbs_.size(); i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i])
                return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        }
        return 0;
    }

private:
    // factor <= 2^30, so limb * factor + carry stays far below 2^64.
    void MultiplySmall(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t current = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(current % kBase);
            carry = current / kBase;
        }
        for (; carry != 0; carry /= kBase)
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
        Trim();
    }

    void Trim()
    {
        while (!limbs_.empty() && limbs_.back() == 0)
            limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;
};

// The text rule alone: where the number is and what its parts are.
struct ReferenceNumber {
    bool found = false;  // at least one digit before or after the period
    bool negative = false;  // the sign was '-'
    std::string digits;  // all mantissa digits, the period left out
    std::int64_t powerOfTen = 0;  // value = digits * 10^powerOfTen (saturated, see below)
};

// Exponents are clamped to +-10^15: far past anything that can matter (a double's
// decimal range is about 10^-324 to 10^308, and no text here has 10^15 digits), and
// small enough that adding digit counts to it cannot overflow.
inline constexpr std::int64_t kExponentClamp = 1'000'000'000'000'000;

inline ReferenceNumber ParseReferenceNumber(std::wstring_view text)
{
    const auto isDigit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };
    ReferenceNumber number;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t'))
        ++i;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        number.negative = text[i] == L'-';
        ++i;
    }
    std::int64_t fractionDigits = 0;
    while (i < text.size() && isDigit(text[i]))
        number.digits.push_back(static_cast<char>(text[i++]));
    if (i < text.size() && text[i] == L'.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            number.digits.push_back(static_cast<char>(text[i++]));
            ++fractionDigits;
        }
    }
    if (number.digits.empty())
        return ReferenceNumber{};  // no number: +0.0, whatever the sign said
    number.found = true;

    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) {
            negativeExponent = text[j] == L'-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {  // a complete exponent only
            for (; j < text.size() && isDigit(text[j]); ++j)
                exponent = std::min(exponent * 10 + (text[j] - L'0'), kExponentClamp);
            if (negativeExponent)
                exponent = -exponent;
        }
    }
    number.powerOfTen = exponent - fractionDigits;
    return number;
}

// value(u) = significand * 2^binaryExponent for the bit pattern u of a non-negative
// double; the pattern of +infinity gives 2^52 * 2^972 = 2^1024.
struct ExactDouble {
    std::uint64_t significand;
    std::int64_t binaryExponent;
};

inline ExactDouble ExactValueOfPattern(std::uint64_t u)
{
    const std::uint64_t biased = u >> 52;
    const std::uint64_t fraction = u & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0)
        return {fraction, -1074};
    return {fraction | (std::uint64_t{1} << 52), static_cast<std::int64_t>(biased) - 1075};
}

inline constexpr std::uint64_t kInfinityPattern = 0x7FF0'0000'0000'0000;

// Compares N * 10^k with the midpoints above double patterns, exactly.
class MidpointComparer {
public:
    MidpointComparer(std::string_view digits, std::int64_t k)
        : scaledValue_(BigNatural::FromDigits(digits) *
                       BigNatural::PowerOfTen(static_cast<std::uint64_t>(std::max<std::int64_t>(k, 0)))),
          midpointScale_(BigNatural::PowerOfTen(static_cast<std::uint64_t>(std::max<std::int64_t>(-k, 0))))
    {
    }

    // -1, 0 or 1 as the value is below, at or above the midpoint between u and u + 1,
    // which is (2 * significand(u) + 1) * 2^(binaryExponent(u) - 1); the same formula
    // holds across binade boundaries and up to the largest finite double. u < infinity.
    int CompareWithUpperMidpoint(std::uint64_t u) const
    {
        const ExactDouble d = ExactValueOfPattern(u);
        const std::int64_t twos = d.binaryExponent - 1;
        // value * 10^-k vs midpoint * 10^-k, then both sides times 2^-twos when twos < 0.
        const BigNatural left =
            scaledValue_ * BigNatural::PowerOfTwo(static_cast<std::uint64_t>(std::max<std::int64_t>(-twos, 0)));
        const BigNatural right = BigNatural(2 * d.significand + 1) * midpointScale_ *
            BigNatural::PowerOfTwo(static_cast<std::uint64_t>(std::max<std::int64_t>(twos, 0)));
        return Compare(left, right);
    }

    // The value is at or below the upper midpoint of u; always true for +infinity.
    bool AtOrBelowUpperMidpoint(std::uint64_t u) const
    {
        return u >= kInfinityPattern || CompareWithUpperMidpoint(u) <= 0;
    }

private:
    BigNatural scaledValue_;  // N * 10^max(k, 0)
    BigNatural midpointScale_;  // 10^max(-k, 0)
};

// Only where the search starts; any value here gives the same result, just slower.
inline std::uint64_t GuessPattern(std::string_view digits, std::int64_t k)
{
    const std::size_t used = std::min<std::size_t>(digits.size(), 18);
    std::uint64_t leading = 0;
    for (std::size_t i = 0; i < used; ++i)
        leading = leading * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    const auto power = static_cast<long double>(k + static_cast<std::int64_t>(digits.size() - used));
    const auto guess = static_cast<double>(static_cast<long double>(leading) * std::pow(10.0L, power));
    if (!(guess >= 0.0))
        return 0;
    std::uint64_t u = 0;
    std::memcpy(&u, &guess, sizeof u);
    return std::min(u, kInfinityPattern);
}

// The positive double (or +infinity) nearest to N * 10^k, ties to even; N has no
// leading or trailing zero and is not empty.
inline std::uint64_t RoundToPattern(std::string_view digits, std::int64_t k)
{
    // Quick and safe bounds: the value lies in [10^order, 10^(order + 1)).
    const std::int64_t order = static_cast<std::int64_t>(digits.size()) - 1 + k;
    if (order >= 309)  // 10^309 is beyond 2^1024 - 2^970, halfway from DBL_MAX to 2^1024
        return kInfinityPattern;
    if (order <= -326)  // 10^-325 is below 2^-1075, half the smallest subnormal
        return 0;

    const MidpointComparer comparer(digits, k);
    // Find the smallest u with AtOrBelowUpperMidpoint(u): galloping out from the guess
    // to a bracket (lo fails or is "-1", hi passes), then halving it.
    const std::uint64_t guess = GuessPattern(digits, k);
    std::int64_t lo = -1;
    auto hi = static_cast<std::int64_t>(kInfinityPattern);
    if (comparer.AtOrBelowUpperMidpoint(guess)) {
        hi = static_cast<std::int64_t>(guess);
        for (std::int64_t step = 1;; step *= 2) {
            const std::int64_t below = hi - step;
            if (below < 0)
                break;
            if (!comparer.AtOrBelowUpperMidpoint(static_cast<std::uint64_t>(below))) {
                lo = below;
                break;
            }
            hi = below;
        }
    } else {
        lo = static_cast<std::int64_t>(guess);
        for (std::int64_t step = 1;; step *= 2) {
            const std::int64_t above = std::min(lo + step, static_cast<std::int64_t>(kInfinityPattern));
            if (comparer.AtOrBelowUpperMidpoint(static_cast<std::uint64_t>(above))) {
                hi = above;
                break;
            }
            lo = above;
        }
    }
    while (hi - lo > 1) {
        const std::int64_t middle = lo + (hi - lo) / 2;
        if (comparer.AtOrBelowUpperMidpoint(static_cast<std::uint64_t>(middle)))
            hi = middle;
        else
            lo = middle;
    }
    auto u = static_cast<std::uint64_t>(hi);
    // Exactly halfway between u and u + 1: the even pattern (even significand) wins.
    if (u < kInfinityPattern && (u & 1) != 0 && comparer.CompareWithUpperMidpoint(u) == 0)
        ++u;
    return u;
}

inline double ReferenceReadLeadingNumber(std::wstring_view text)
{
    const ReferenceNumber number = ParseReferenceNumber(text);
    if (!number.found)
        return 0.0;

    std::string_view digits = number.digits;
    std::int64_t k = number.powerOfTen;
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        k = std::min(k + 1, kExponentClamp);
    }

    std::uint64_t u = digits.empty() ? 0 : RoundToPattern(digits, k);
    if (number.negative)
        u |= std::uint64_t{1} << 63;
    double result = 0.0;
    std::memcpy(&result, &u, sizeof result);
    return result;
}

}  // namespace zomerita_fuzz
