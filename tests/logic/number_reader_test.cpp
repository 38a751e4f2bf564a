#include "number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace zomerita {
namespace {

std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

TEST(ReadLeadingNumber, TakesOnlyTheNumberInFront)
{
    const struct {
        const wchar_t* text;
        double value;
    } cases[] = {
        {L"12ab", 12},    {L" 7", 7},      {L"3e2", 300},      {L" \t 5", 5},   {L"1E3", 1000}, {L"1e+2", 100},
        {L"25e-1", 2.5},  {L"1.5", 1.5},   {L".5", 0.5},       {L"5.", 5},      {L"-3", -3},    {L"+4", 4},
        {L"007", 7},      {L"1.2.3", 1.2}, {L"12e3e4", 12000}, {L"1e", 1},      {L"1e+", 1},    {L"1E-x", 1},
        {L"2e 3", 2},     {L"1 2", 1},     {L"1,5", 1},        {L"0x1A", 0},    {L"&H10", 0},   {L"", 0},
        {L"   ", 0},      {L"abc", 0},     {L".", 0},          {L"-.", 0},      {L".e1", 0},    {L"--4", 0},
        {L"+-4", 0},      {L"- 5", 0},     {L"\n5", 0},        {L"\u00a05", 0}, {L"inf", 0},    {L"nan", 0},
        {L"INFINITY", 0}, {L"\uff15", 0},  {L"\u0665", 0},     {L"5\u0665", 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadLeadingNumber(c.text), c.value) << ::testing::PrintToString(std::wstring(c.text));
}

TEST(ReadLeadingNumber, KeepsTheSignOfZero)
{
    EXPECT_TRUE(std::signbit(ReadLeadingNumber(L"-0")));
    EXPECT_TRUE(std::signbit(ReadLeadingNumber(L"-0.0e5")));
    EXPECT_FALSE(std::signbit(ReadLeadingNumber(L"0")));
}

TEST(ReadLeadingNumber, BeyondTheDoubleRangeGivesInfinityOrZero)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ReadLeadingNumber(L"1e400"), infinity);
    EXPECT_EQ(ReadLeadingNumber(L"-1e400"), -infinity);
    EXPECT_EQ(ReadLeadingNumber(L"0.001e312"), infinity);
    EXPECT_EQ(ReadLeadingNumber(L"1e-400"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"1e99999999999999999999999999"), infinity);
    EXPECT_EQ(ReadLeadingNumber(L"1e-99999999999999999999999999"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(L"0e99999999999999999999999999"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(std::wstring(100'000, L'9')), infinity);
    EXPECT_TRUE(std::signbit(ReadLeadingNumber(L"-1e-400")));
    // The largest double and the smallest subnormal stay in range.
    EXPECT_EQ(ReadLeadingNumber(L"1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(ReadLeadingNumber(L"4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
}

TEST(ReadLeadingNumber, LongTextsKeepTheirValue)
{
    const std::wstring zeros(100'000, L'0');
    EXPECT_EQ(ReadLeadingNumber(L"1." + zeros + L"x"), 1.0);
    EXPECT_EQ(ReadLeadingNumber(zeros + L"42"), 42.0);
    EXPECT_EQ(ReadLeadingNumber(L"0." + zeros + L"3e100003"), 300.0);
    EXPECT_EQ(ReadLeadingNumber(L"3" + zeros + L"e-100000"), 3.0);
    EXPECT_EQ(ReadLeadingNumber(std::wstring(100'000, L' ') + L"12"), 12.0);
}

// Rounds to the nearest double, ties to even, however many digits decide it.
TEST(ReadLeadingNumber, RoundsCorrectlyAtHalfwayPoints)
{
    EXPECT_EQ(ReadLeadingNumber(L"9007199254740993"), 9007199254740992.0);  // tie: down to even
    EXPECT_EQ(ReadLeadingNumber(L"9007199254740995"), 9007199254740996.0);  // tie: up to even
    EXPECT_EQ(ReadLeadingNumber(L"9007199254740993." + std::wstring(500, L'0') + L"1"), 9007199254740994.0);
    EXPECT_EQ(ReadLeadingNumber(L"0.1"), 0.1);

    // Exact decimal midpoints between neighbouring doubles in [1, 2), read as they are,
    // a hair below and a hair above.
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t mantissa = random() >> 12;
        const double low = 1.0 + std::ldexp(static_cast<double>(mantissa), -52);
        const double high = std::nextafter(low, 2.0);
        const double even = mantissa % 2 == 0 ? low : high;
        char text[100];
        std::snprintf(text, sizeof text, "%.60Lf", static_cast<long double>(low) + std::ldexp(1.0L, -53));
        std::string midpoint(text);
        midpoint.erase(midpoint.find_last_not_of('0') + 1);
        ASSERT_EQ(ReadLeadingNumber(Widen(midpoint)), even) << midpoint;
        ASSERT_EQ(ReadLeadingNumber(Widen(midpoint + "000001")), high) << midpoint;
        std::string below = midpoint;
        below.back() = static_cast<char>(below.back() - 1);
        ASSERT_EQ(ReadLeadingNumber(Widen(below + "999")), low) << midpoint;
    }
}

TEST(ReadLeadingNumber, ReadsBackWhatPrintfWrites)
{
    std::mt19937_64 random(8122026);
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t bits = random();
        double value;
        static_assert(sizeof value == sizeof bits);
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        char text[64];
        std::snprintf(text, sizeof text, "%.17e", value);
        ASSERT_EQ(ReadLeadingNumber(Widen(text)), value) << text;
    }
}

}  // namespace
}  // namespace zomerita
