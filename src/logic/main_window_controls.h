#pragma once

#include <string>
#include <string_view>

namespace zomerita {

// What the handlers may touch of the window: the texts of the input box and of the
// output box, and the input box's length limit. The Win32 window implements it over
// its real controls; tests implement it over plain strings. Any operation may throw.
class MainWindowControls {
public:
    virtual ~MainWindowControls() = default;

    virtual std::wstring InputText() const = 0;
    virtual void SetInputText(std::wstring_view text) = 0;
    virtual void SetInputLimit(int characters) = 0;

    virtual void SetOutputText(std::wstring_view text) = 0;
    // Adds text at the end of the output box: the box must show what reading its whole
    // text, adding this and storing it back would show.
    virtual void AppendOutput(std::wstring_view text) = 0;

protected:
    MainWindowControls() = default;
    MainWindowControls(const MainWindowControls&) = default;
    MainWindowControls& operator=(const MainWindowControls&) = default;
};

}  // namespace zomerita
