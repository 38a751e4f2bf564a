#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "number_reader.h"

namespace zomerita {
namespace {

TEST(NumberText, WholeValuesArePlainExactDigits)
{
    EXPECT_EQ(NumberText(1), L"1");
    EXPECT_EQ(NumberText(27114424), L"27114424");
    EXPECT_EQ(NumberText(-3), L"-3");
    EXPECT_EQ(NumberText(-0.0), L"0");
    EXPECT_EQ(NumberText(4455000004), L"4455000004");
    EXPECT_EQ(NumberText(9007199254740993.0), L"9007199254740992");
    EXPECT_EQ(NumberText(1e20), L"100000000000000000000");
    EXPECT_EQ(NumberText(9223372036854775808.0), L"9223372036854775808");
    EXPECT_EQ(NumberText(-9223372036854775808.0), L"-9223372036854775808");
    const std::wstring largest = NumberText(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_TRUE(largest.starts_with(L"17976931348623157081452742373170435679")) << ::testing::PrintToString(largest);
    EXPECT_TRUE(largest.ends_with(L"58368")) << ::testing::PrintToString(largest);
}

TEST(NumberText, WritesAtTheGivenPlaceAndReturnsTheEnd)
{
    wchar_t text[MaxNumberTextLength + 1] = L"=";
    const wchar_t* const end = WriteNumberText(text + 1, -34);
    EXPECT_EQ(std::wstring(std::cbegin(text), end), L"=-34");
}

TEST(NumberText, OtherValuesAreTheShortestTextThatReadsBack)
{
    EXPECT_EQ(NumberText(2.5), L"2.5");
    EXPECT_EQ(NumberText(0.1), L"0.1");
    EXPECT_EQ(NumberText(-1.25), L"-1.25");

    std::mt19937_64 random(1208);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const std::wstring text = NumberText(value);
        ASSERT_EQ(text.find(L','), std::wstring::npos);
        ASSERT_EQ(ReadLeadingNumber(text), value) << ::testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace zomerita
