// Start-up of a program against a reference program: both started in turn with
// CreateProcessW, each timed until its main window exists, until the window is visible,
// until input idle and until the window's first complete paint on the screen; then their
// peak working set and module count, just before they are closed with WM_CLOSE. Prints
// rows of the table that scripts/measure puts together.
//
//   startup_benchmark PROGRAM REFERENCE [GOAL]
//
// GOAL is the largest ratio of PROGRAM's start-up to its first complete paint to
// REFERENCE's; without it that row has no goal. It is run twice: the program against
// bench/plain_window.exe, its own window built with standard controls only, with the
// goal 1.05 (what owner drawing, the photograph and COM may add to the start-up: a
// twentieth); and plain_window.exe against bench/bare_window.exe, a window with nothing
// in it, without a goal (what the window's controls and manifest cost under Wine).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "measuring.h"
#include "screen_capture.h"
#include "started_program.h"

namespace zomerita::bench {
namespace {

using test_support::StartedProgram;

constexpr int StartupRuns = 10;
// The screen must stay unchanged this long before its image is taken as final. Shorter
// than the caret's blink (500 ms), so that a blinking caret is never taken for painting.
constexpr double QuietMilliseconds = 300;
constexpr double LongestStartupMilliseconds = 20000;

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

// The screen under a rectangle, read again and again, and whether it changed.
class ScreenImage {
public:
    // Reads the rectangle again; true if anything differs from the previous reading.
    bool Update(const RECT& bounds)
    {
        const std::span<const std::uint32_t> pixels = capture_.Read(bounds);
        const bool changed = !EqualRect(&bounds, &bounds_) || !std::ranges::equal(pixels, previous_);
        previous_.assign(pixels.begin(), pixels.end());
        bounds_ = bounds;
        return changed;
    }

private:
    test_support::ScreenCapture capture_;
    RECT bounds_{};
    std::vector<std::uint32_t> previous_;
};

// A program's start as seen from outside, in milliseconds from just before CreateProcessW.
struct Startup {
    double created = 0;  // its main window existed
    double visible = 0;  // its main window was visible
    double painted = 0;  // the window's pixels on the screen were final
    double inputIdle = 0;  // WaitForInputIdle returned
    double readInterval = 0;  // between two readings of the screen, on average
    double peakWorkingSet = 0;
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
Startup MeasureStartup(const std::wstring& path)
{
    Startup startup;
    const Stopwatch sinceStart;
    const StartedProgram program(path);
    const HWND window = WatchUntilSettled(program, sinceStart, startup);

    startup.peakWorkingSet = PeakWorkingSetOf(program.process());
    startup.modules = ModuleCountOf(program.process());
    if (const DWORD exitCode = program.CloseAndWait(window))
        throw std::runtime_error(Format("%s ended with exit code %lu", Utf8(path).c_str(), exitCode));
    return startup;
}

std::string FileName(const std::wstring& path)
{
    return Utf8(path.substr(path.find_last_of(L"\\/") + 1));
}

// Decimal megabytes, as the size of the program is given in decimal kilobytes.
std::string Megabytes(double bytes)
{
    return Format("%.1f MB", bytes / 1e6);
}

void PrintStartupRows(const std::vector<Startup>& programRuns, const std::vector<Startup>& referenceRuns,
                      const std::string& reference, std::optional<double> paintGoal)
{
    const auto row = [&](const char* measure, auto field, auto show, std::optional<double> goal = std::nullopt) {
        const double value = MedianOf(programRuns, field);
        const double referenceValue = MedianOf(referenceRuns, field);
        PrintRow(measure, show(value), reference + ": " + show(referenceValue), value / referenceValue, goal);
    };
    row(
        "Start-up to the first complete paint", [](const Startup& s) { return s.painted; }, Milliseconds, paintGoal);
    row(
        "Start-up to input idle and a visible window",
        [](const Startup& s) { return std::max(s.inputIdle, s.visible); }, Milliseconds);
    row(
        "Start-up to a visible window", [](const Startup& s) { return s.visible; }, Milliseconds);
    row(
        "Start-up to the main window's creation (its handle exists)", [](const Startup& s) { return s.created; },
        Milliseconds);
    row(
        "Peak working set (PeakWorkingSetSize, before WM_CLOSE)", [](const Startup& s) { return s.peakWorkingSet; },
        Megabytes);
}

int Run(const std::wstring& program, const std::wstring& reference, std::optional<double> paintGoal)
{
    // One start of each first, not kept: it reads the files from the disk.
    MeasureStartup(program);
    MeasureStartup(reference);
    std::vector<Startup> programRuns;
    std::vector<Startup> referenceRuns;
    for (int run = 0; run < StartupRuns; ++run) {
        programRuns.push_back(MeasureStartup(program));
        referenceRuns.push_back(MeasureStartup(reference));
    }
    PrintStartupRows(programRuns, referenceRuns, FileName(reference), paintGoal);

    const auto readInterval = [](const Startup& s) { return s.readInterval; };
    const auto modules = [](const Startup& s) { return s.modules; };
    std::printf(
        "- Start-up: medians of %d starts of each, taking turns, after one start of each not kept. The first "
        "complete paint is the first reading of the window's rectangle on the screen (BitBlt from the screen "
        "DC) that equals every reading of the next %.0f ms; the screen was read every %.1f ms (%s) and %.1f ms "
        "(%s).\n",
        StartupRuns, QuietMilliseconds, MedianOf(programRuns, readInterval), FileName(program).c_str(),
        MedianOf(referenceRuns, readInterval), FileName(reference).c_str());
    std::printf("- Modules loaded when the window had settled: %.0f (%s), %.0f (%s).\n", MedianOf(programRuns, modules),
                FileName(program).c_str(), MedianOf(referenceRuns, modules), FileName(reference).c_str());
    return 0;
}

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

// A goal as given: a ratio greater than 0, such as 1.05.
std::optional<double> Goal(const char* text) noexcept
{
    char* end = nullptr;
    const double goal = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(goal > 0))
        return std::nullopt;
    return goal;
}

}  // namespace
}  // namespace zomerita::bench

int main(int argumentCount, char** arguments)
{
    std::optional<double> goal;
    if (argumentCount == 4)
        goal = zomerita::bench::Goal(arguments[3]);
    if ((argumentCount != 3 && argumentCount != 4) || (argumentCount == 4 && !goal)) {
        std::fputs(
            "usage: startup_benchmark PROGRAM REFERENCE [GOAL]\n"
            "  GOAL: the largest ratio of PROGRAM's start-up to its first complete paint to REFERENCE's,\n"
            "  such as 1.05; without it, none\n",
            stderr);
        return 2;
    }
    return zomerita::bench::MeasuringMain("startup_benchmark", [&] {
        return zomerita::bench::Run(zomerita::bench::Wide(arguments[1]), zomerita::bench::Wide(arguments[2]), goal);
    });
}
