#pragma once

#include <string>

namespace zomerita {

// A transcript value as the box shows it: plain decimal digits, a minus sign in front
// of a negative value. Only whole values of at most 2^53 have such a text; any other
// value throws std::domain_error rather than show a wrong one.
std::wstring NumberText(double value);

}  // namespace zomerita
