#pragma once

#include <cstddef>
#include <string>

namespace zomerita {

// The longest text a double can take: 309 digits of the largest value and a sign,
// or 24 characters of the shortest form.
inline constexpr std::size_t MaxNumberTextLength = 310;

// Writes a value as the transcript shows it and returns the end of what was written:
// a whole value as its exact decimal digits with a leading minus where negative; any
// other value as the shortest text that reads back to the same double, with a period.
// `out` must have room for MaxNumberTextLength characters.
wchar_t* WriteNumberText(wchar_t* out, double value);

std::wstring NumberText(double value);

}  // namespace zomerita
