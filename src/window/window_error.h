#pragma once

#include <stdexcept>

namespace zomerita::win {

// A platform operation of the window failed (a control's text could not be read or
// written, a resource could not be loaded). Raised like the logic's own errors and
// reported at the same event boundary, with the message of the string table that
// tells the user what happened; `what` says it for a developer.
class WindowError : public std::runtime_error {
public:
    WindowError(unsigned message, const char* what) : std::runtime_error(what), message_(message) {}
    unsigned message() const noexcept { return message_; }

private:
    unsigned message_;
};

}  // namespace zomerita::win
