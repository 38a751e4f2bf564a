#pragma once

#include <string>
#include <string_view>

#include "main_window_controls.h"

namespace zomerita::test_support {

// The window's controls as plain strings, so that the handlers run without a screen.
class FakeWindow : public MainWindowControls {
public:
    std::wstring input;
    std::wstring output;
    int inputLimit = 0;

    std::wstring InputText() const override { return input; }
    void SetInputText(std::wstring_view text) override { input = text; }
    void SetInputLimit(int characters) override { inputLimit = characters; }

    std::wstring OutputText() const override { return output; }
    void SetOutputText(std::wstring_view text) override { output = text; }
    void AppendOutput(std::wstring_view text) override { output += text; }
};

}  // namespace zomerita::test_support
