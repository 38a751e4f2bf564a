#include "main_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include "fake_window.h"
#include "sequence_error.h"

namespace zomerita {
namespace {

using test_support::FakeWindow;

constexpr const wchar_t* Statement = L"Нека разгледаме редица...\r\n";

constexpr const wchar_t* TranscriptOf11 =
    L"11 умножавам по 3 и +1 = 34\r\n"
    L"34 деля на 2  = 17\r\n"
    L"17 умножавам по 3 и +1 = 52\r\n"
    L"52 деля на 2  = 26\r\n"
    L"26 деля на 2  = 13\r\n"
    L"13 умножавам по 3 и +1 = 40\r\n"
    L"40 деля на 2  = 20\r\n"
    L"20 деля на 2  = 10\r\n"
    L"10 деля на 2  = 5\r\n"
    L"5 умножавам по 3 и +1 = 16\r\n"
    L"16 деля на 2  = 8\r\n"
    L"8 деля на 2  = 4\r\n"
    L"4 деля на 2  = 2\r\n"
    L"2 деля на 2  = 1\r\n";

// A window as it opens: loaded, the statement in the output box.
struct Handlers : ::testing::Test {
    FakeWindow window;
    MainWindow handlers{window};

    void SetUp() override
    {
        window.input = L"old";
        window.output = Statement;
        handlers.OnWindowLoad();
    }

    void Show(const std::wstring& input)
    {
        window.input = input;
        handlers.OnCommandClick(MainWindow::ShowCommand);
    }

    SequenceError::Kind ShowFailing(const std::wstring& input)
    {
        try {
            Show(input);
        } catch (const SequenceError& error) {
            return error.kind();
        }
        ADD_FAILURE() << "no error for the input of " << input.size() << " characters";
        return {};
    }
};

TEST_F(Handlers, LoadEmptiesTheInputAndLimitsItToFourCharacters)
{
    EXPECT_EQ(window.input, L"");
    EXPECT_EQ(window.inputLimit, 4);
    EXPECT_EQ(window.output, Statement);
}

TEST_F(Handlers, ShowWithEmptyInputChangesNothing)
{
    handlers.OnCommandClick(MainWindow::ShowCommand);
    EXPECT_EQ(window.output, Statement);
    EXPECT_EQ(window.input, L"");
}

TEST_F(Handlers, ShowWritesTheTranscriptOnceHoweverOftenClicked)
{
    Show(L"11");
    EXPECT_EQ(window.output, TranscriptOf11);
    handlers.OnCommandClick(MainWindow::ShowCommand);
    EXPECT_EQ(window.output, TranscriptOf11);
    EXPECT_EQ(window.input, L"11");
}

TEST_F(Handlers, ShortTranscriptsAndReadingTheLeadingNumber)
{
    const struct {
        const wchar_t* input;
        const wchar_t* transcript;
    } cases[] = {
        {L"1", L""},
        {L"2", L"2 деля на 2  = 1\r\n"},
        {L"3",
         L"3 умножавам по 3 и +1 = 10\r\n10 деля на 2  = 5\r\n5 умножавам по 3 и +1 = 16\r\n"
         L"16 деля на 2  = 8\r\n8 деля на 2  = 4\r\n4 деля на 2  = 2\r\n2 деля на 2  = 1\r\n"},
        {L"4x", L"4 деля на 2  = 2\r\n2 деля на 2  = 1\r\n"},
        {L" 4", L"4 деля на 2  = 2\r\n2 деля на 2  = 1\r\n"},
        {L"+4.0", L"4 деля на 2  = 2\r\n2 деля на 2  = 1\r\n"},
        {L"1.e0", L""},
    };
    for (const auto& c : cases) {
        Show(c.input);
        EXPECT_EQ(window.output, c.transcript) << "input " << ::testing::PrintToString(std::wstring(c.input));
    }
}

TEST_F(Handlers, ExponentInputStartsFromItsValue)
{
    Show(L"1e3");
    EXPECT_EQ(window.output.substr(0, window.output.find(L"\r\n") + 2), L"1000 деля на 2  = 500\r\n");
    EXPECT_TRUE(window.output.ends_with(L" = 1\r\n"));
}

TEST_F(Handlers, ClearEmptiesBothBoxesAndTheStatementDoesNotComeBack)
{
    Show(L"11");
    handlers.OnCommandClick(MainWindow::ClearCommand);
    EXPECT_EQ(window.input, L"");
    EXPECT_EQ(window.output, L"");
    handlers.OnCommandClick(MainWindow::ShowCommand);
    EXPECT_EQ(window.output, L"");
}

TEST_F(Handlers, OtherIndexesDoNothing)
{
    window.input = L"11";
    for (const std::int16_t index : {std::int16_t{-1}, std::int16_t{2}, std::int16_t{32767}})
        handlers.OnCommandClick(index);
    EXPECT_EQ(window.input, L"11");
    EXPECT_EQ(window.output, Statement);
}

TEST_F(Handlers, NonNaturalStartIsRefusedBeforeAnyLine)
{
    for (const std::wstring input : {L"0", L"-5", L"2.5", L"abc", L" ", L"\t", L"-0", L".", L"1e-9", L"-1e9"}) {
        window.output = Statement;
        EXPECT_EQ(ShowFailing(input), SequenceError::Kind::NotNatural) << ::testing::PrintToString(input);
        EXPECT_EQ(window.output, L"") << ::testing::PrintToString(input);
        EXPECT_EQ(window.input, input);
    }
}

TEST_F(Handlers, OverflowAtTheFirstTestWritesNothing)
{
    for (const std::wstring input : {L"3e9", L"2147483648", L"1e400"}) {
        EXPECT_EQ(ShowFailing(input), SequenceError::Kind::Overflow) << ::testing::PrintToString(input);
        EXPECT_EQ(window.output, L"");
        EXPECT_EQ(window.input, input);
    }
}

TEST_F(Handlers, OverflowMidwayKeepsEveryFinishedLine)
{
    // 2147483647 is the largest value that passes the parity test; 3221224504 fails it.
    EXPECT_EQ(ShowFailing(L"2147483002"), SequenceError::Kind::Overflow);
    EXPECT_EQ(window.output,
              L"2147483002 деля на 2  = 1073741501\r\n"
              L"1073741501 умножавам по 3 и +1 = 3221224504\r\n");
    EXPECT_EQ(ShowFailing(L"2147483647"), SequenceError::Kind::Overflow);
    EXPECT_EQ(window.output, L"2147483647 умножавам по 3 и +1 = 6442450942\r\n");
}

TEST_F(Handlers, HundredThousandDigitsEndInOverflowQuickly)
{
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(ShowFailing(std::wstring(100'000, L'7')), SequenceError::Kind::Overflow);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(window.output, L"");
    EXPECT_EQ(window.input.size(), 100'000u);
}

TEST(ErrorTexts, AreTheBulgarianMessagesShownToTheUser)
{
    EXPECT_STREQ(SequenceError(SequenceError::Kind::NotNatural).text(),
                 L"Въведете естествено число – цяло число, по-голямо от 0.");
    EXPECT_STREQ(SequenceError(SequenceError::Kind::Overflow).text(), L"Препълване: числото е твърде голямо.");
}

// A window whose output box fails on its third append, as a real control may.
class FailingWindow : public FakeWindow {
public:
    void AppendOutput(std::wstring_view text) override
    {
        if (++appends_ == 3)
            throw std::runtime_error("the output box refused the text");
        FakeWindow::AppendOutput(text);
    }

private:
    int appends_ = 0;
};

TEST(WindowFailure, PropagatesAndKeepsTheLinesWrittenBeforeIt)
{
    FailingWindow window;
    MainWindow handlers(window);
    window.input = L"11";
    EXPECT_THROW(handlers.OnCommandClick(MainWindow::ShowCommand), std::runtime_error);
    EXPECT_EQ(window.output, L"11 умножавам по 3 и +1 = 34\r\n34 деля на 2  = 17\r\n");
}

}  // namespace
}  // namespace zomerita
