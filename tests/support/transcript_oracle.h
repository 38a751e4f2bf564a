#pragma once

#include <cstdint>
#include <string>

namespace zomerita::test_support {

// An independent reckoning of a transcript in integer arithmetic, for whole starting
// values of at least 1.
struct OracleTranscript {
    std::wstring text;
    int steps = 0;
    std::int64_t peak = 0;
    bool overflows = false;  // a value above the 32-bit range met a parity test
};

inline OracleTranscript ReckonTranscript(double start)
{
    constexpr double int32Max = 2147483647.0;
    OracleTranscript result;
    if (!(start >= 1))  // no transcript, and no end for the loop below
        return result;
    if (start > int32Max) {
        result.overflows = true;
        return result;
    }
    std::int64_t n = static_cast<std::int64_t>(start);
    result.peak = n;
    while (n != 1) {
        if (n > 2147483647) {
            result.overflows = true;
            break;
        }
        const bool even = n % 2 == 0;
        const std::int64_t next = even ? n / 2 : 3 * n + 1;
        result.text += std::to_wstring(n) + (even ? L" деля на 2 " : L" умножавам по 3 и +1") + L" = " +
            std::to_wstring(next) + L"\r\n";
        ++result.steps;
        result.peak = next > result.peak ? next : result.peak;
        n = next;
    }
    return result;
}

}  // namespace zomerita::test_support
