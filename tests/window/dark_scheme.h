#pragma once

#include <windows.h>

#include <iterator>

namespace zomerita::win {

// A dark scheme of the system's colours for the life of the object, as another
// program (or the user) sets it; the colours come back when it ends.
class DarkScheme {
public:
    DarkScheme()
    {
        for (std::size_t i = 0; i < std::size(elements_); ++i)
            saved_[i] = GetSysColor(elements_[i]);
        const COLORREF dark[] = {RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255)};
        SetSysColors(static_cast<int>(std::size(elements_)), elements_, dark);
    }
    DarkScheme(const DarkScheme&) = delete;
    DarkScheme& operator=(const DarkScheme&) = delete;
    ~DarkScheme() { SetSysColors(static_cast<int>(std::size(elements_)), elements_, saved_); }

private:
    const int elements_[4] = {COLOR_WINDOW, COLOR_BTNFACE, COLOR_WINDOWTEXT, COLOR_BTNTEXT};
    COLORREF saved_[4] = {};
};

}  // namespace zomerita::win
