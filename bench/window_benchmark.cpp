// Measurements of the real window, under Wine or on Windows. Each mode prints rows of
// the Markdown table that scripts/measure puts together (lines starting with "|");
// its other lines are notes for under the table.
//
//   window_benchmark --click
//       "Изведи" on the longest transcript of 1 to 9999 in the program's own window in
//       this process, against one SetWindowTextW of the same text (the floor) and
//       against the logic's handlers over controls without an append, which read the
//       output box's whole text and store it back for every piece of every line.
//   window_benchmark --startup PROGRAM REFERENCE
//       Both programs started in turn with CreateProcessW, each timed until input idle,
//       until its window is visible and until the window's first complete paint on the
//       screen; their peak memory just before they are closed with WM_CLOSE.
//   window_benchmark --breakdown
//       Where the window's start-up goes: this program started afresh a few times, each
//       time timing the steps of the program's start the first time the process takes
//       them (--breakdown-step-times is that child).
#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "control_text.h"
#include "gdi_handles.h"
#include "jpeg_picture.h"
#include "layout.h"
#include "main_window.h"
#include "main_window_controls.h"
#include "transcript_oracle.h"
#include "win32_main_window.h"
#include "window_font.h"

namespace zomerita::bench {
namespace {

// --- Time ----------------------------------------------------------------------------

// Milliseconds since it was made, from the performance counter.
class Stopwatch {
public:
    Stopwatch() noexcept { QueryPerformanceCounter(&start_); }

    double Milliseconds() const noexcept
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 / static_cast<double>(Frequency());
    }

private:
    static LONGLONG Frequency() noexcept
    {
        static const LONGLONG frequency = [] {
            LARGE_INTEGER value;
            QueryPerformanceFrequency(&value);
            return value.QuadPart;
        }();
        return frequency;
    }

    LARGE_INTEGER start_{};
};

template <class Action>
double MillisecondsOf(Action&& action)
{
    const Stopwatch stopwatch;
    action();
    return stopwatch.Milliseconds();
}

double Median(std::vector<double> samples)
{
    if (samples.empty())
        throw std::logic_error("the median of no samples");
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

template <class Sample, class Field>
double MedianOf(const std::vector<Sample>& samples, Field field)
{
    std::vector<double> values;
    for (const Sample& sample : samples)
        values.push_back(static_cast<double>(field(sample)));
    return Median(std::move(values));
}

// --- Text for the table --------------------------------------------------------------

template <class... Values>
std::string Format(const char* format, Values... values)
{
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Milliseconds(double milliseconds)
{
    if (milliseconds >= 10000)
        return Format("%.1f s", milliseconds / 1000);
    return Format(milliseconds < 10 ? "%.3f ms" : milliseconds < 100 ? "%.2f ms" : "%.1f ms", milliseconds);
}

// Decimal megabytes, as the size of the program is given in decimal kilobytes.
std::string Megabytes(double bytes)
{
    return Format("%.1f MB", bytes / 1e6);
}

std::string Utf8(std::wstring_view text)
{
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), size, nullptr, nullptr);
    return result;
}

// | measure | value | reference | ratio | goal | met? |, the goal being the largest
// ratio of value to reference that meets it.
void PrintRow(std::string_view measure, std::string_view value, std::string_view reference, double ratio,
              std::optional<double> largestRatio = std::nullopt)
{
    const std::string goal = largestRatio ? Format("≤ %g×", *largestRatio) : "—";
    const char* const met = !largestRatio ? "—" : ratio <= *largestRatio ? "yes" : "**no**";
    std::printf("| %.*s | %.*s | %.*s | %.2f× | %s | %s |\n", static_cast<int>(measure.size()), measure.data(),
                static_cast<int>(value.size()), value.data(), static_cast<int>(reference.size()), reference.data(), ratio,
                goal.c_str(), met);
}

// --- Handles and controls ------------------------------------------------------------

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
// Owns a kernel object's handle and closes it once; null is "none".
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// For the functions that say "none" with INVALID_HANDLE_VALUE instead of null.
UniqueHandle OwnValidHandle(HANDLE handle) noexcept
{
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

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

// --- "Изведи" ------------------------------------------------------------------------

constexpr const wchar_t* LongestStart = L"6171";  // the longest transcript of 1 to 9999
constexpr double LongestStartValue = 6171;
constexpr int LongestLineCount = 261;
constexpr int ClickRuns = 30;
// Under Wine one run takes tens of seconds (the box lays out its whole text again at
// every store): a few runs give its median, and warming up would change nothing.
constexpr int RewritingRuns = 3;

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

    std::wstring OutputText() const { return win::ReadText(outputBox_); }
    void SetOutputText(std::wstring_view text) override { StoreOutput(std::wstring(text)); }
    void AppendOutput(std::wstring_view line) override
    {
        for (const std::wstring_view piece : PiecesOf(line))
            StoreOutput(OutputText().append(piece));
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
    std::wstring text;                 // what the box held afterwards
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

int RunClick()
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
             "(b) " + Milliseconds(stored) + ": one SetWindowTextW of the same text", clicked / stored, 2.0);
    PrintRow("(a) with the output box's repaint", Milliseconds(clickedAndPainted),
             "(b) " + Milliseconds(storedAndPainted) + " with the repaint", clickedAndPainted / storedAndPainted);
    PrintRow("(c) naive: whole text read and stored back per piece", Milliseconds(rewritten),
             "(a) " + Milliseconds(clicked), rewritten / clicked);
    std::printf("- (a), (b), (c): medians of %d, %d and %d runs, each starting from an empty box, after one run "
                "not kept for (a) and (b); (c) stores the whole text %d times per click. Each left the same %d lines "
                "in the box, equal to a transcript reckoned independently in integers.\n",
                ClickRuns, ClickRuns, RewritingRuns, rewritingControls.OutputStores() / RewritingRuns, LongestLineCount);
    return 0;
}

// --- Start-up ------------------------------------------------------------------------

constexpr int StartupRuns = 10;
// The screen must stay unchanged this long before its image is taken as final. Shorter
// than the caret's blink (500 ms), so that a blinking caret is never taken for painting.
constexpr double QuietMilliseconds = 300;
constexpr double LongestStartupMilliseconds = 20000;
constexpr DWORD LongestCloseMilliseconds = 10000;
// Given to each started program as its one argument, which both programs ignore, so
// that its process can be told apart on the Linux side from every other (other Wine
// users' copies of the program included): Wine shows the command line there.
constexpr const wchar_t* RunMarkerOption = L"--measure-run=";

// A program started with CreateProcessW; still running when this ends (after a failed
// measurement), it is terminated, so that nothing is left behind.
class StartedProgram {
public:
    StartedProgram(const std::wstring& path, const std::wstring& argument)
    {
        std::wstring commandLine = L"\"" + path + L"\" " + argument;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &started))
            throw std::runtime_error("cannot start " + Utf8(path));
        process_.reset(started.hProcess);
        CloseHandle(started.hThread);
        id_ = started.dwProcessId;
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram()
    {
        if (Running()) {
            TerminateProcess(process(), 1);
            WaitForSingleObject(process(), LongestCloseMilliseconds);
        }
    }

    HANDLE process() const noexcept { return process_.get(); }
    DWORD id() const noexcept { return id_; }
    bool Running() const noexcept { return WaitForSingleObject(process(), 0) == WAIT_TIMEOUT; }

    // Closes the window as its close box does, and waits for the program to end.
    DWORD CloseAndWait(HWND window) const
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process(), LongestCloseMilliseconds) != WAIT_OBJECT_0)
            throw std::runtime_error("a program did not end after WM_CLOSE");
        DWORD exitCode = 0;
        GetExitCodeProcess(process(), &exitCode);
        return exitCode;
    }

private:
    UniqueHandle process_;
    DWORD id_ = 0;
};

struct MainWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK TakeIfMainWindow(HWND window, LPARAM context) noexcept
{
    auto& search = *reinterpret_cast<MainWindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[8];
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (owner != search.processId || GetWindow(window, GW_OWNER) || std::wstring_view(className) == L"IME")
        return TRUE;  // go on
    search.found = window;
    return FALSE;
}

// The process's top-level window without an owner, shown or not: its main window,
// which exists from the start of its CreateWindowEx. The input method window that
// the system may make for the process does not count.
HWND MainWindowOf(DWORD processId) noexcept
{
    MainWindowSearch search{processId, nullptr};
    EnumWindows(TakeIfMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class ScreenDc {
public:
    ScreenDc() noexcept : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    HDC get() const noexcept { return dc_; }

private:
    HDC dc_;
};

// The pixels of a rectangle of the screen, read back with BitBlt: what the user sees,
// whichever process painted it and whenever the system put it on the screen.
class ScreenImage {
public:
    // Reads the rectangle again; true if anything differs from the previous reading.
    bool Update(const RECT& bounds)
    {
        const int width = bounds.right - bounds.left;
        const int height = bounds.bottom - bounds.top;
        if (width != width_ || height != height_)
            Resize(width, height);
        {
            const win::SelectGuard selected(memory_.get(), bitmap_.get());
            BitBlt(memory_.get(), 0, 0, width, height, screen_.get(), bounds.left, bounds.top, SRCCOPY);
        }
        GdiFlush();  // the bits are complete before they are read
        const auto* const first = static_cast<const std::uint32_t*>(bits_);
        const bool changed = !EqualRect(&bounds, &bounds_) || !std::equal(previous_.begin(), previous_.end(), first);
        previous_.assign(first, first + previous_.size());
        bounds_ = bounds;
        return changed;
    }

private:
    void Resize(int width, int height)
    {
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = width;
        format.bmiHeader.biHeight = -height;  // top-down
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        bitmap_.reset(CreateDIBSection(screen_.get(), &format, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (!bitmap_)
            throw std::runtime_error("no bitmap for reading the screen");
        width_ = width;
        height_ = height;
        previous_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    }

    ScreenDc screen_;
    win::MemoryDc memory_{screen_.get()};
    win::UniqueBitmap bitmap_;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    RECT bounds_{};
    std::vector<std::uint32_t> previous_;
};

// --- The Linux side of a Wine process, through Wine's Z: drive ----------------------

std::string ContentsOf(const std::wstring& path)
{
    const UniqueHandle file = OwnValidHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                         nullptr, OPEN_EXISTING, 0, nullptr));
    std::string contents;
    if (!file)
        return contents;
    // Files under /proc say they are empty: read until the end instead of by their size.
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        contents.append(buffer, read);
    return contents;
}

struct FindCloser {
    void operator()(HANDLE find) const noexcept { FindClose(find); }
};

// /proc/PID of the Linux process that has `argument` on its command line; none where
// there is no Z: drive onto the Linux root, as on Windows.
std::optional<std::wstring> LinuxProcessWithArgument(const std::wstring& argument)
{
    WIN32_FIND_DATAW found;
    const HANDLE first = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (first == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::unique_ptr<void, FindCloser> find(first);
    // The arguments follow the program's path, each ending with a null.
    const std::string wanted = '\0' + Utf8(argument) + '\0';
    do {
        const std::wstring_view name = found.cFileName;
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
            continue;
        const std::wstring directory = L"Z:\\proc\\" + std::wstring(name);
        if (ContentsOf(directory + L"\\cmdline").find(wanted) != std::string::npos)
            return directory;
    } while (FindNextFileW(find.get(), &found));
    return std::nullopt;
}

// VmHWM, the Linux process's peak resident memory, in bytes.
std::optional<double> LinuxPeakResidentBytes(const std::wstring& processDirectory)
{
    const std::string status = ContentsOf(processDirectory + L"\\status");
    const std::size_t field = status.find("VmHWM:");
    if (field == std::string::npos)
        return std::nullopt;
    return std::strtod(status.c_str() + field + 6, nullptr) * 1024.0;  // given in kB
}

// --- One start ------------------------------------------------------------------------

// A program's start as seen from outside, in milliseconds from just before CreateProcessW.
struct Startup {
    double created = 0;    // its main window existed
    double visible = 0;    // its main window was visible
    double painted = 0;    // the window's pixels on the screen were final
    double inputIdle = 0;  // WaitForInputIdle returned
    double readInterval = 0;  // between two readings of the screen, on average
    double peakWorkingSet = 0;
    std::optional<double> linuxPeakResident;
    DWORD modules = 0;
};

double PeakWorkingSetOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
        throw std::runtime_error("GetProcessMemoryInfo failed");
    return static_cast<double>(counters.PeakWorkingSetSize);
}

DWORD ModuleCountOf(HANDLE process) noexcept
{
    DWORD bytes = 0;
    HMODULE first;
    return EnumProcessModules(process, &first, sizeof first, &bytes) ? bytes / sizeof(HMODULE) : 0;
}

// Watches a starting program until WaitForInputIdle has returned and its window's
// pixels on the screen have stayed unchanged for QuietMilliseconds. The first complete
// paint is the reading of the screen in which the final image first appeared, so it
// is known to within one reading. Returns the program's main window.
HWND WatchUntilSettled(const StartedProgram& program, const Stopwatch& sinceStart, Startup& startup)
{
    HWND window = nullptr;
    bool visible = false;
    bool inputIdle = false;
    ScreenImage image;
    int readings = 0;
    for (;; Sleep(1)) {  // about once a millisecond, plus the time to read the screen
        if (!program.Running())
            throw std::runtime_error("a program ended during its start-up");
        if (sinceStart.Milliseconds() > LongestStartupMilliseconds)
            throw std::runtime_error("a program's window did not settle in time");
        if (!inputIdle && (inputIdle = WaitForInputIdle(program.process(), 0) == 0))
            startup.inputIdle = sinceStart.Milliseconds();
        if (!window && (window = MainWindowOf(program.id())))
            startup.created = sinceStart.Milliseconds();
        if (window && !visible && (visible = IsWindowVisible(window)))
            startup.visible = sinceStart.Milliseconds();
        if (!visible)
            continue;
        RECT bounds;
        GetWindowRect(window, &bounds);
        const bool changed = image.Update(bounds);
        const double read = sinceStart.Milliseconds();
        ++readings;
        if (changed) {
            startup.painted = read;
        } else if (inputIdle && read - startup.painted >= QuietMilliseconds) {
            startup.readInterval = (read - startup.visible) / readings;
            return window;
        }
    }
}

// One start of a program: watched until its window has settled, its peak memory taken,
// then closed as the user closes it.
Startup MeasureStartup(const std::wstring& path, int run)
{
    const std::wstring marker =
        RunMarkerOption + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(run);
    Startup startup;
    const Stopwatch sinceStart;
    const StartedProgram program(path, marker);
    const HWND window = WatchUntilSettled(program, sinceStart, startup);

    startup.peakWorkingSet = PeakWorkingSetOf(program.process());
    startup.modules = ModuleCountOf(program.process());
    if (const auto linuxProcess = LinuxProcessWithArgument(marker))
        startup.linuxPeakResident = LinuxPeakResidentBytes(*linuxProcess);
    if (const DWORD exitCode = program.CloseAndWait(window))
        throw std::runtime_error(Format("%s ended with exit code %lu", Utf8(path).c_str(), exitCode));
    return startup;
}

std::string FileName(const std::wstring& path)
{
    return Utf8(path.substr(path.find_last_of(L"\\/") + 1));
}

void PrintStartupRows(const std::vector<Startup>& programRuns, const std::vector<Startup>& referenceRuns,
                      const std::string& reference)
{
    const auto row = [&](const char* measure, auto field, auto show, std::optional<double> goal = std::nullopt) {
        const double value = MedianOf(programRuns, field);
        const double referenceValue = MedianOf(referenceRuns, field);
        PrintRow(measure, show(value), reference + ": " + show(referenceValue), value / referenceValue, goal);
    };
    row("Start-up to the first complete paint", [](const Startup& s) { return s.painted; }, Milliseconds, 1.2);
    row("Start-up to input idle and a visible window",
        [](const Startup& s) { return std::max(s.inputIdle, s.visible); }, Milliseconds);
    row("Start-up to a visible window", [](const Startup& s) { return s.visible; }, Milliseconds);
    row("Start-up to the main window's creation (its handle exists)", [](const Startup& s) { return s.created; },
        Milliseconds);
    row("Peak working set (PeakWorkingSetSize, before WM_CLOSE)",
        [](const Startup& s) { return s.peakWorkingSet; }, Megabytes);
    const auto hasLinuxPeak = [](const Startup& s) { return s.linuxPeakResident.has_value(); };
    if (std::all_of(programRuns.begin(), programRuns.end(), hasLinuxPeak) &&
        std::all_of(referenceRuns.begin(), referenceRuns.end(), hasLinuxPeak))
        row("Peak resident memory of the Wine process (Linux VmHWM)",
            [](const Startup& s) { return *s.linuxPeakResident; }, Megabytes);
}

int RunStartup(const std::wstring& program, const std::wstring& reference)
{
    // One start of each first, not kept: it reads the files from the disk.
    MeasureStartup(program, 0);
    MeasureStartup(reference, 0);
    std::vector<Startup> programRuns;
    std::vector<Startup> referenceRuns;
    for (int run = 1; run <= StartupRuns; ++run) {
        programRuns.push_back(MeasureStartup(program, run));
        referenceRuns.push_back(MeasureStartup(reference, run));
    }
    PrintStartupRows(programRuns, referenceRuns, FileName(reference));

    const auto readInterval = [](const Startup& s) { return s.readInterval; };
    const auto modules = [](const Startup& s) { return s.modules; };
    std::printf("- Start-up: medians of %d starts of each, taking turns, after one start of each not kept. The first "
                "complete paint is the first reading of the window's rectangle on the screen (BitBlt from the screen "
                "DC) that equals every reading of the next %.0f ms; the screen was read every %.1f ms (%s) and %.1f ms "
                "(%s).\n",
                StartupRuns, QuietMilliseconds, MedianOf(programRuns, readInterval), FileName(program).c_str(),
                MedianOf(referenceRuns, readInterval), FileName(reference).c_str());
    std::printf("- Modules loaded when the window had settled: %.0f (%s), %.0f (%s).\n", MedianOf(programRuns, modules),
                FileName(program).c_str(), MedianOf(referenceRuns, modules), FileName(reference).c_str());
    const auto sameAsLinux = [](const Startup& s) { return s.linuxPeakResident == s.peakWorkingSet; };
    if (std::all_of(programRuns.begin(), programRuns.end(), sameAsLinux) &&
        std::all_of(referenceRuns.begin(), referenceRuns.end(), sameAsLinux))
        std::printf("- PeakWorkingSetSize equalled the Wine process's VmHWM in every start: Wine reports the Linux "
                    "process's peak resident memory, its own libraries included.\n");
    return 0;
}

// --- Where the start-up goes ---------------------------------------------------------

constexpr int BreakdownProcesses = 5;
constexpr const wchar_t* PlainClassName = L"ZomeritaBenchmarkPlainWindow";

void PrintStep(const char* step, double milliseconds)
{
    std::printf("%s\t%.3f\n", step, milliseconds);
}

void RegisterPlainClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = PlainClassName;
    RegisterClassExW(&windowClass);
}

HWND CreatePlainWindow(HINSTANCE instance) noexcept
{
    return CreateWindowExW(0, PlainClassName, L"", win::Win32MainWindow::Style, 0, 0, 480, 430, nullptr, nullptr,
                           instance, nullptr);
}

// A window with nothing in it, shown, painted and destroyed, as bare_window's. The
// first of a process pays for what any program pays once (the display driver, the
// system's classes and fonts), so that the later steps show what is the program's own;
// a second one shows what a top-level window costs by itself.
void ShowBareWindow(HINSTANCE instance)
{
    const HWND window = CreatePlainWindow(instance);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    DestroyWindow(window);
}

// The program's icon in both sizes, as its window class takes them.
void LoadIcons(HINSTANCE instance) noexcept
{
    for (const auto& [width, height] : {std::pair{SM_CXICON, SM_CYICON}, std::pair{SM_CXSMICON, SM_CYSMICON}})
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZOMERITA), IMAGE_ICON, GetSystemMetrics(width),
                   GetSystemMetrics(height), LR_SHARED);
}

// One control of each system class the window uses, in a hidden window.
void CreateFirstControls(HINSTANCE instance) noexcept
{
    const HWND parent = CreatePlainWindow(instance);
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", child | ES_MULTILINE | WS_VSCROLL, 0, 0, 100, 100, parent,
                    nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"", child, 0, 0, 100, 20, parent, nullptr, instance, nullptr);
    CreateWindowExW(0, L"BUTTON", L"", child | BS_OWNERDRAW, 0, 0, 100, 20, parent, nullptr, instance, nullptr);
    DestroyWindow(parent);  // and its children with it
}

void UseWindowFont()
{
    const win::UniqueFont font = win::CreateWindowFont(win::DefaultDpi);
    const ScreenDc screen;
    const win::SelectGuard selected(screen.get(), font.get());
    SIZE extent;
    GetTextExtentPoint32W(screen.get(), L"Изведи", 6, &extent);  // the font is realised at its first use
}

// The child: the steps of the program's start, each timed the first time this process
// takes it. What the window's construction does on the way (icons, controls, COM, the
// photograph, the font) comes first, one step each, so that the constructor's own step
// is what is left.
int RunBreakdownStepTimes()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterPlainClass(instance);
    PrintStep("a first, bare window: create, show, paint", MillisecondsOf([&] { ShowBareWindow(instance); }));
    PrintStep("a second, bare window: create, show, paint", MillisecondsOf([&] { ShowBareWindow(instance); }));
    PrintStep("InitCommonControlsEx", MillisecondsOf([] {
                  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
                  InitCommonControlsEx(&controls);
              }));
    PrintStep("icon: LoadImageW, large and small", MillisecondsOf([&] { LoadIcons(instance); }));
    PrintStep("a first EDIT, STATIC and BUTTON control", MillisecondsOf([&] { CreateFirstControls(instance); }));
    PrintStep("COM: first CoInitializeEx and CoUninitialize", MillisecondsOf([] {
                  if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
                      CoUninitialize();
              }));
    PrintStep("photograph: LoadJpegResource (OleLoadPicture), first", MillisecondsOf([&] {
                  win::LoadJpegResource(instance, IDR_PHOTOGRAPH);
              }));
    PrintStep("photograph: LoadJpegResource again", MillisecondsOf([&] {
                  win::LoadJpegResource(instance, IDR_PHOTOGRAPH);
              }));
    PrintStep("window font: CreateFontW and first use", MillisecondsOf(UseWindowFont));
    std::optional<win::Win32MainWindow> window;
    PrintStep("Win32MainWindow constructor, the above now warm", MillisecondsOf([&] { window.emplace(instance); }));
    // Show in its three parts: the first maps the window (X under Wine), as a bare window's does.
    PrintStep("Show, 1: ShowWindow", MillisecondsOf([&] { ShowWindow(window->handle(), SW_SHOWNORMAL); }));
    PrintStep("Show, 2: UpdateWindow (the paint)", MillisecondsOf([&] { UpdateWindow(window->handle()); }));
    PrintStep("Show, 3: focus and first line (the rest of Show)",
              MillisecondsOf([&] { window->Show(SW_SHOWNORMAL); }));
    return 0;
}

// Runs this program again with `arguments` and returns what it wrote to its standard output.
std::string OutputOfThisProgram(const std::wstring& arguments)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
        throw std::runtime_error("CreatePipe failed");
    const UniqueHandle reader(readEnd);
    UniqueHandle writer(writeEnd);
    SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);  // the child gets only the write end

    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer.get();
    startup.hStdError = writer.get();
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started))
        throw std::runtime_error("cannot start this program again");
    const UniqueHandle process(started.hProcess);
    CloseHandle(started.hThread);
    writer.reset();  // else the pipe never ends

    std::string output;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(reader.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        output.append(buffer, read);
    WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.get(), &exitCode);
    if (exitCode != 0)
        throw std::runtime_error("the breakdown process failed: " + output);
    return output;
}

int RunBreakdown()
{
    std::vector<std::string> steps;  // in the order they were taken
    std::map<std::string, std::vector<double>> times;
    for (int process = 0; process < BreakdownProcesses; ++process) {
        const std::string output = OutputOfThisProgram(L"--breakdown-step-times");
        std::size_t lineStart = 0;
        for (std::size_t lineEnd; (lineEnd = output.find('\n', lineStart)) != std::string::npos;
             lineStart = lineEnd + 1) {
            const std::string line = output.substr(lineStart, lineEnd - lineStart);
            const std::size_t tab = line.find('\t');
            if (tab == std::string::npos)
                continue;
            const std::string step = line.substr(0, tab);
            if (!times.contains(step))
                steps.push_back(step);
            times[step].push_back(std::strtod(line.c_str() + tab + 1, nullptr));
        }
    }
    std::printf("| step of the program's start, each the first time in a fresh process | median of %d processes |\n",
                BreakdownProcesses);
    std::printf("|---|---|\n");
    for (const std::string& step : steps)
        std::printf("| %s | %s |\n", step.c_str(), Milliseconds(Median(times[step])).c_str());
    return 0;
}

// --- Command line --------------------------------------------------------------------

// This console program has a narrow main, so its arguments come in the ANSI code page;
// the paths scripts/measure gives are plain ASCII.
std::wstring Wide(const char* text)
{
    const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, result.data(), size);
    result.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return result;
}

int Usage()
{
    std::fputs("usage: window_benchmark --click\n"
               "       window_benchmark --startup PROGRAM REFERENCE\n"
               "       window_benchmark --breakdown\n",
               stderr);
    return 2;
}

int Run(int argumentCount, char** arguments)
{
    const std::string_view mode = argumentCount > 1 ? arguments[1] : "";
    if (mode == "--click" && argumentCount == 2)
        return RunClick();
    if (mode == "--startup" && argumentCount == 4)
        return RunStartup(Wide(arguments[2]), Wide(arguments[3]));
    if (mode == "--breakdown" && argumentCount == 2)
        return RunBreakdown();
    if (mode == "--breakdown-step-times" && argumentCount == 2)
        return RunBreakdownStepTimes();
    return Usage();
}

}  // namespace
}  // namespace zomerita::bench

int main(int argumentCount, char** arguments)
{
    // The table goes out as UTF-8 bytes, without the C runtime's LF to CR LF translation.
    _setmode(_fileno(stdout), _O_BINARY);
    try {
        const int result = zomerita::bench::Run(argumentCount, arguments);
        std::fflush(stdout);
        return result;
    } catch (const std::exception& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "window_benchmark: %s\n", error.what());
        return 1;
    }
}
