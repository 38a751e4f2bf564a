// Writes the transcripts of every starting value from 1 to 9999 into a fake window:
// once appending each line, once reading the whole text back and storing it again for
// every line, as a transcript written without an append operation must. (The window's
// naive writing in click_benchmark goes further and stores once per piece of a line.)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "fake_window.h"
#include "main_window.h"

namespace zomerita {
namespace {

class RewritingWindow : public test_support::FakeWindow {
public:
    void AppendOutput(std::wstring_view text) override { output = output + std::wstring(text); }
};

template <class Window>
void TranscriptsOf1To9999(benchmark::State& state)
{
    std::vector<std::wstring> inputs;
    for (int start = 1; start <= 9999; ++start)
        inputs.push_back(std::to_wstring(start));

    Window window;
    MainWindow handlers(window);
    const auto sweep = [&] {
        std::int64_t lines = 0;
        for (const std::wstring& input : inputs) {
            window.input = input;
            handlers.OnCommandClick(MainWindow::ShowCommand);
            benchmark::DoNotOptimize(window.output.data());
            lines += std::count(window.output.begin(), window.output.end(), L'\n');
        }
        return lines;
    };
    const std::int64_t linesPerSweep = sweep();

    for (auto _ : state) {
        for (const std::wstring& input : inputs) {
            window.input = input;
            handlers.OnCommandClick(MainWindow::ShowCommand);
            benchmark::DoNotOptimize(window.output.data());
        }
    }
    state.counters["lines"] = static_cast<double>(linesPerSweep);
    state.counters["time_per_line"] =
        benchmark::Counter(static_cast<double>(linesPerSweep),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK_TEMPLATE(TranscriptsOf1To9999, test_support::FakeWindow)->Name("Append")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(TranscriptsOf1To9999, RewritingWindow)->Name("ReadAppendStoreBack")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zomerita

BENCHMARK_MAIN();
