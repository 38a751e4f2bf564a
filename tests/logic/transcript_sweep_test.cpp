// Whole families of inputs against an independent reckoning.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>

#include "fake_window.h"
#include "main_window.h"
#include "sequence_error.h"
#include "transcript_oracle.h"

namespace zomerita {
namespace {

using test_support::FakeWindow;
using test_support::OracleTranscript;
using test_support::ReckonTranscript;

TEST(TranscriptSweep, EveryStartFrom1To9999MatchesIntegerArithmetic)
{
    FakeWindow window;
    MainWindow handlers(window);
    int longest = 0, longestStart = 0;
    std::int64_t highest = 0, highestStart = 0;
    for (int start = 1; start <= 9999; ++start) {
        window.input = std::to_wstring(start);
        handlers.OnCommandClick(MainWindow::ShowCommand);
        const OracleTranscript expected = ReckonTranscript(start);
        ASSERT_FALSE(expected.overflows);
        ASSERT_EQ(window.output, expected.text) << "start " << start;
        if (expected.steps > longest)
            longest = expected.steps, longestStart = start;
        if (expected.peak > highest)
            highest = expected.peak, highestStart = start;
    }
    EXPECT_EQ(longest, 261);
    EXPECT_EQ(longestStart, 6171);
    EXPECT_EQ(highest, 27114424);
    EXPECT_EQ(highestStart, 9663);
}

// The value of a text by a second reader: a regular expression finds the number in
// front and the C library converts it.
double ValueByRegex(const std::wstring& text)
{
    static const std::wregex leadingNumber(L"^[ \t]*([+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?)");
    std::wsmatch match;
    if (!std::regex_search(text, match, leadingNumber))
        return 0.0;
    const std::wstring number = match[1].str();
    return std::strtod(std::string(number.begin(), number.end()).c_str(), nullptr);
}

// Every text of up to four characters over the alphabet below ends in the transcript
// of its value, the refusal or the overflow: never a hang, never anything else.
TEST(TranscriptSweep, EveryShortTextEndsInTranscriptRefusalOrOverflow)
{
    const std::wstring alphabet = L"0123456789.eE+- x";
    const std::wstring statement = L"statement";
    FakeWindow window;
    MainWindow handlers(window);
    std::wstring text;
    int transcripts = 0, refusals = 0, overflows = 0, texts = 0;

    const auto check = [&] {
        ++texts;
        window.input = text;
        window.output = statement;
        const double value = ValueByRegex(text);
        const bool natural = value >= 1 && std::floor(value) == value;
        try {
            handlers.OnCommandClick(MainWindow::ShowCommand);
            if (text.empty()) {
                ASSERT_EQ(window.output, statement);
                return;
            }
            const OracleTranscript expected = ReckonTranscript(value);
            ASSERT_TRUE(natural && !expected.overflows) << ::testing::PrintToString(text);
            ASSERT_EQ(window.output, expected.text) << ::testing::PrintToString(text);
            ++transcripts;
        } catch (const SequenceError& error) {
            if (error.kind() == SequenceError::Kind::NotNatural) {
                ASSERT_FALSE(natural) << ::testing::PrintToString(text);
                ASSERT_EQ(window.output, L"");
                ++refusals;
            } else {
                const OracleTranscript expected = ReckonTranscript(value);
                ASSERT_TRUE(natural && expected.overflows) << ::testing::PrintToString(text);
                ASSERT_EQ(window.output, expected.text) << ::testing::PrintToString(text);
                ++overflows;
            }
        }
        ASSERT_EQ(window.input, text);
    };

    const auto extend = [&](const auto& self, std::size_t length) -> void {
        check();
        if (::testing::Test::HasFatalFailure() || length == 4)
            return;
        for (const wchar_t c : alphabet) {
            text.push_back(c);
            self(self, length + 1);
            text.pop_back();
            if (::testing::Test::HasFatalFailure())
                return;
        }
    };
    extend(extend, 0);

    EXPECT_EQ(texts, 1 + 17 + 17 * 17 + 17 * 17 * 17 + 17 * 17 * 17 * 17);
    EXPECT_GT(transcripts, 0);
    EXPECT_GT(refusals, 0);
    EXPECT_GT(overflows, 0);
}

}  // namespace
}  // namespace zomerita
