#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zomerita::win {

// The whole text of a window or control, whatever its length. Throws WindowError.
std::wstring ReadText(HWND control);

// Replaces the whole text of a window or control. Throws WindowError.
void WriteText(HWND control, std::wstring_view text);

}  // namespace zomerita::win
