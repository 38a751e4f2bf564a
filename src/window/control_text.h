#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zomerita::win {

// The whole text of a window or control, whatever its length. Throws WindowError.
std::wstring ReadText(HWND control);

// Replaces the whole text of a window or control. Throws WindowError.
void WriteText(HWND control, std::wstring_view text);

// A text of the module's string table, read in place: nothing is copied, so painting
// can use it. Empty where the text is missing.
std::wstring_view ResourceText(HINSTANCE module, UINT id) noexcept;

// The statement the output box opens with: the string table's lines, each ended with
// CR LF. Throws WindowError where a line is missing.
std::wstring StatementText(HINSTANCE module);

}  // namespace zomerita::win
