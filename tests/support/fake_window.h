#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "main_window_controls.h"

namespace zomerita::test_support {

// The window's controls as plain strings, so that the handlers run without a screen.
class FakeWindow : public MainWindowControls {
public:
    // No start below 2^31 takes more steps than 986 (670617279), so a longer transcript
    // is a runaway loop: it fails at once instead of running until the test times out.
    static constexpr int MaxTranscriptLines = 1000;

    std::wstring input;
    std::wstring output;
    int inputLimit = 0;

    std::wstring InputText() const override { return input; }
    void SetInputText(std::wstring_view text) override { input = text; }
    void SetInputLimit(int characters) override { inputLimit = characters; }

    void SetOutputText(std::wstring_view text) override
    {
        output = text;
        appendedLines_ = 0;
    }
    void AppendOutput(std::wstring_view text) override
    {
        if (++appendedLines_ > MaxTranscriptLines)
            throw std::length_error("more lines than any transcript has: a runaway loop");
        output += text;
    }

private:
    int appendedLines_ = 0;
};

}  // namespace zomerita::test_support
