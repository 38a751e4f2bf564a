#pragma once

#include <cstdint>

namespace zomerita::win {

// What went wrong, as far as the user's message box is concerned.
enum class ErrorKind {
    RefusedInput,  // the logic refused what the user typed: the user can put it right
    WindowFailure,  // the window could not do what it had to
    OutOfMemory,
    Unexpected,
    FailedStart,  // the program cannot start at all
};

// The message box's type and icon (MessageBox's uType) for a kind of error: a warning
// for what the user can put right, an error for the rest.
std::uint32_t MessageBoxStyle(ErrorKind kind) noexcept;

}  // namespace zomerita::win
