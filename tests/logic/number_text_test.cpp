#include "number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace zomerita {
namespace {

TEST(NumberText, WholeValuesArePlainDigitsAndNothingElseHasAText)
{
    EXPECT_EQ(NumberText(1), L"1");
    EXPECT_EQ(NumberText(27114424), L"27114424");
    EXPECT_EQ(NumberText(6442450942), L"6442450942");  // the largest a transcript can write
    EXPECT_EQ(NumberText(-3), L"-3");
    EXPECT_EQ(NumberText(-0.0), L"0");
    EXPECT_EQ(NumberText(9007199254740992.0), L"9007199254740992");

    for (const double value : {2.5, -0.5, 9007199254740994.0, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(NumberText(value), std::domain_error) << value;
}

}  // namespace
}  // namespace zomerita
