#pragma once

#include <stdexcept>

namespace zomerita::win {

// A platform operation of the window failed (a control's text could not be read or
// written, a resource could not be loaded). Raised like the logic's own errors and
// reported at the same event boundary.
class WindowError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zomerita::win
