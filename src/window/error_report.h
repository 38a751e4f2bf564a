#pragma once

#include <windows.h>

#include <exception>

namespace zomerita::win {

// Shows an error to the user in a modal message box owned by `owner`, captioned with
// the program's name: the logic's own text for its errors, the window's own message
// for a window error, a short Bulgarian message for anything else. Never throws.
void ReportError(HWND owner, const std::exception_ptr& error) noexcept;

// The same for an error that kept the program from starting, which it says first.
void ReportStartupError(const std::exception_ptr& error) noexcept;

}  // namespace zomerita::win
