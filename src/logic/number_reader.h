#pragma once

#include <string_view>

namespace zomerita {

// Reads the number at the front of a text: spaces and tabs, an optional sign, decimal
// digits with an optional fraction after a period (whatever the locale), and an
// optional exponent (E or e, an optional sign, digits). Reading stops at the first
// character that cannot continue the number; a text with no number in front gives 0.
// The result is the double nearest to the decimal value, for any length of text;
// values beyond the double range give an infinity, values below it a zero.
double ReadLeadingNumber(std::wstring_view text);

}  // namespace zomerita
