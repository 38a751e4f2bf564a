#pragma once

#include <exception>
#include <string>

namespace zomerita {

// An input that the transcript cannot be written for. Raised by the logic and never
// caught by it: the window reports it to the user at the event boundary.
class SequenceError : public std::exception {
public:
    enum class Kind {
        NotNatural,  // the loop would never reach 1
        Overflow,  // a value left the 32-bit signed range at a parity test
    };

    explicit SequenceError(Kind kind) noexcept : kind_(kind) {}

    Kind kind() const noexcept { return kind_; }
    // The Bulgarian text shown to the user.
    const wchar_t* text() const noexcept;
    const char* what() const noexcept override;

private:
    Kind kind_;
};

}  // namespace zomerita
