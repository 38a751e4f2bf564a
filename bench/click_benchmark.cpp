// "Изведи" on the longest transcript of 1 to 9999 in the program's own window in this
// process, against one SetWindowTextW of the same text (the floor), and against the
// logic's handlers over controls without an append, which read the output box's whole
// text and store it back for every piece of every line. Prints rows of the table that
// scripts/measure puts together.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "control_text.h"
#include "layout.h"
#include "main_window.h"
#include "main_window_controls.h"
#include "measuring.h"
#include "transcript_oracle.h"
#include "win32_main_window.h"

namespace zomerita::bench {
namespace {

constexpr const wchar_t* LongestStart = L"6171";  // the longest transcript of 1 to 9999
constexpr double LongestStartValue = 6171;
constexpr int LongestLineCount = 261;
constexpr int ClickRuns = 30;
// Under Wine one run takes tens of seconds (the box lays out its whole text again at
// every store): a few runs give its median, and warming up would change nothing.
constexpr int RewritingRuns = 3;
// A user feels the click in the real window, where the edit control's layout is nearly
// all of the cost: the handler may add only a tenth to storing the finished text.
constexpr double ClickGoal = 1.1;

// Dispatches everything already queued for this thread's windows, paints included, and
// returns once the queue is empty: the window is then idle, as between two clicks.
void DeliverQueuedMessages() noexcept
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The pieces a transcript line is written in by a window that has no append: the value,
// the operation, " = ", the new value, CR LF. The line is cut at its first blank, at
// " = " and before the final CR LF; a line without one of these keeps fewer pieces.
std::vector<std::wstring_view> PiecesOf(std::wstring_view line)
{
    constexpr std::wstring_view separator = L" = ";
    constexpr std::wstring_view lineEnd = L"\r\n";
    std::vector<std::wstring_view> pieces;
    const auto cutAfter = [&](std::size_t length) {
        if (length == 0 || length >= line.size())  // npos included
            return;
        pieces.push_back(line.substr(0, length));
        line.remove_prefix(length);
    };
    cutAfter(line.find(L' '));
    cutAfter(line.find(separator));
    if (line.starts_with(separator))
        cutAfter(separator.size());
    if (line.ends_with(lineEnd))
        cutAfter(line.size() - lineEnd.size());
    pieces.push_back(line);
    return pieces;
}

// The real input and output boxes as the handlers see them, but without an append:
// each piece of a line is added by reading the output box's whole text and storing it
// back one piece longer, as a program written with GetWindowText and SetWindowText
// alone does.
class RewritingControls final : public MainWindowControls {
public:
    RewritingControls(HWND inputBox, HWND outputBox) noexcept : inputBox_(inputBox), outputBox_(outputBox) {}

    std::wstring InputText() const override { return win::ReadText(inputBox_); }
    void SetInputText(std::wstring_view text) override { win::WriteText(inputBox_, text); }
    void SetInputLimit(int characters) override
    {
        SendMessageW(inputBox_, EM_SETLIMITTEXT, static_cast<WPARAM>(characters), 0);
    }

    void SetOutputText(std::wstring_view text) override { StoreOutput(std::wstring(text)); }
    void AppendOutput(std::wstring_view line) override
    {
        for (const std::wstring_view piece : PiecesOf(line))
            StoreOutput(win::ReadText(outputBox_).append(piece));
    }

    // How often the output box's whole text has been stored, since this was made.
    int OutputStores() const noexcept { return outputStores_; }

private:
    void StoreOutput(const std::wstring& text)
    {
        win::WriteText(outputBox_, text);
        ++outputStores_;
    }

    HWND inputBox_;
    HWND outputBox_;
    int outputStores_ = 0;
};

// One way of putting the transcript into the output box, and what it cost.
struct Filling {
    Filling(int warmUpRuns, int timedRuns, std::function<void()> timedFill)
        : warmUps(warmUpRuns), runs(timedRuns), fill(std::move(timedFill))
    {
    }

    int warmUps;  // first runs, not kept: they fill the caches
    int runs;
    std::function<void()> fill;  // the timed part; the box is empty when it starts
    std::vector<double> fillTimes;
    std::vector<double> paintedTimes;  // the fill and then the box's repaint
    std::wstring text;  // what the box held afterwards
};

// Each filling starts from an empty, idle, painted box. The fillings take turns, so
// that any drift of the machine falls on all of them alike.
void TimeFillings(std::vector<Filling*> fillings, HWND outputBox)
{
    int rounds = 0;
    for (const Filling* filling : fillings)
        rounds = std::max(rounds, filling->warmUps + filling->runs);
    for (int round = 0; round < rounds; ++round) {
        for (Filling* filling : fillings) {
            if (round >= filling->warmUps + filling->runs)
                continue;
            win::WriteText(outputBox, L"");
            DeliverQueuedMessages();
            const double fill = MillisecondsOf(filling->fill);
            // The fill only invalidates the box; it would paint when the queue is next
            // empty. UpdateWindow paints it now, so that the paint can be timed too.
            const double paint = MillisecondsOf([&] { UpdateWindow(outputBox); });
            filling->text = win::ReadText(outputBox);
            DeliverQueuedMessages();
            if (round >= filling->warmUps) {
                filling->fillTimes.push_back(fill);
                filling->paintedTimes.push_back(fill + paint);
            }
        }
    }
}

void CheckSameTranscript(const std::wstring& text, const std::wstring& expected, const char* filling)
{
    if (text != expected)
        throw std::runtime_error(Format("%s left another text in the output box", filling));
}

int Run()
{
    win::Win32MainWindow window(GetModuleHandleW(nullptr));
    window.Show(SW_SHOWNORMAL);
    DeliverQueuedMessages();
    const HWND inputBox = window.Control(win::InputBoxId);
    const HWND outputBox = window.Control(win::OutputBoxId);
    const HWND showButton = window.Control(win::ShowButtonId);
    win::WriteText(inputBox, LongestStart);

    // Reckoned in integers, independently of the logic: what every filling must leave.
    const std::wstring expected = test_support::ReckonTranscript(LongestStartValue).text;
    if (std::count(expected.begin(), expected.end(), L'\n') != LongestLineCount)
        throw std::logic_error("the longest transcript is not as long as expected");

    // (a) A click on "Изведи" as the program receives it: the button's notification,
    // handled synchronously, the handler and the writing into the box included.
    Filling handler{1, ClickRuns, [&] {
                        SendMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(win::ShowButtonId, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(showButton));
                    }};
    // (b) The floor: the finished text stored in one call.
    Filling floor{1, ClickRuns, [&] { SetWindowTextW(outputBox, expected.c_str()); }};
    // (c) The logic's handlers over the same boxes, without an append.
    RewritingControls rewritingControls(inputBox, outputBox);
    MainWindow rewritingHandlers(rewritingControls);
    Filling rewriting{0, RewritingRuns, [&] { rewritingHandlers.OnCommandClick(MainWindow::ShowCommand); }};

    TimeFillings({&handler, &floor, &rewriting}, outputBox);
    CheckSameTranscript(handler.text, expected, "the click");
    CheckSameTranscript(floor.text, expected, "SetWindowTextW");
    CheckSameTranscript(rewriting.text, expected, "the rewriting handlers");

    const double clicked = Median(handler.fillTimes);
    const double stored = Median(floor.fillTimes);
    const double rewritten = Median(rewriting.fillTimes);
    const double clickedAndPainted = Median(handler.paintedTimes);
    const double storedAndPainted = Median(floor.paintedTimes);
    PrintRow("(a) \"Изведи\" on 6171, 261 lines, in the real window", Milliseconds(clicked),
             "(b) " + Milliseconds(stored) + ": one SetWindowTextW of the same text", clicked / stored, ClickGoal);
    PrintRow("(a) with the output box's repaint", Milliseconds(clickedAndPainted),
             "(b) " + Milliseconds(storedAndPainted) + " with the repaint", clickedAndPainted / storedAndPainted);
    PrintRow("(c) naive: whole text read and stored back per piece", Milliseconds(rewritten),
             "(a) " + Milliseconds(clicked), rewritten / clicked);
    std::printf(
        "- (a), (b), (c): medians of %d, %d and %d runs, each starting from an empty box, after one run "
        "not kept for (a) and (b); (c) stores the whole text %d times per click. Each left the same %d lines "
        "in the box, equal to a transcript reckoned independently in integers.\n",
        ClickRuns, ClickRuns, RewritingRuns, rewritingControls.OutputStores() / RewritingRuns, LongestLineCount);
    return 0;
}

}  // namespace
}  // namespace zomerita::bench

int main()
{
    return zomerita::bench::MeasuringMain("click_benchmark", zomerita::bench::Run);
}
