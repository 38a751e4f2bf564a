// What the window's measuring tools share: timing, medians, the rows of the Markdown
// table that scripts/measure puts together, and a main that prints them as UTF-8.
// Each tool prints rows (lines starting with "|") and notes for under the table.
#pragma once

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zomerita::bench {

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

inline double Median(std::vector<double> samples)
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

template <class... Values>
std::string Format(const char* format, Values... values)
{
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// Four significant figures or so, as the table shows every time.
inline std::string Milliseconds(double milliseconds)
{
    if (milliseconds >= 10000)
        return Format("%.1f s", milliseconds / 1000);
    return Format(milliseconds < 10 ? "%.3f ms" : milliseconds < 100 ? "%.2f ms" : "%.1f ms", milliseconds);
}

inline std::string Utf8(std::wstring_view text)
{
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), size, nullptr, nullptr);
    return result;
}

// | measure | value | reference | ratio | goal | met? |, the goal being the largest
// ratio of value to reference that meets it.
inline void PrintRow(std::string_view measure, std::string_view value, std::string_view reference, double ratio,
                     std::optional<double> largestRatio = std::nullopt)
{
    const std::string goal = largestRatio ? Format("≤ %g×", *largestRatio) : "—";
    const char* const met = !largestRatio ? "—" : ratio <= *largestRatio ? "yes" : "**no**";
    std::printf("| %.*s | %.*s | %.*s | %.2f× | %s | %s |\n", static_cast<int>(measure.size()), measure.data(),
                static_cast<int>(value.size()), value.data(), static_cast<int>(reference.size()), reference.data(),
                ratio, goal.c_str(), met);
}

// A tool's main: runs it, and reports what it threw on stderr with the tool's name.
template <class Run>
int MeasuringMain(const char* tool, Run&& run)
{
    // The output goes out as UTF-8 bytes, without the C runtime's LF to CR LF translation.
    _setmode(_fileno(stdout), _O_BINARY);
    try {
        const int result = run();
        std::fflush(stdout);
        return result;
    } catch (const std::exception& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s\n", tool, error.what());
        return 1;
    }
}

}  // namespace zomerita::bench
