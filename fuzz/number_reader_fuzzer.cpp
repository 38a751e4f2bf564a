// Differential fuzzer: zomerita::ReadLeadingNumber against the slow exact reference in
// reference_reader.h. Any input on which the two results differ in a single bit
// (so -0.0 against 0.0 counts, and so would a NaN) is reported and aborts.
//
// How the input bytes become the text (biased so that most bytes make number text and
// short inputs reach long numbers):
// - the ASCII bytes of "0123456789.eE+- \t" and of "xpinfa,\n\r" stand for themselves,
//   so seed files are readable;
// - any other byte below 0xE0 is one character of "0123456789.eE+- \t", by its value
//   modulo 17;
// - 0xE0..0xEF are sixteen other characters: look-alikes of digits, signs and blanks
//   outside ASCII, NUL, U+FFFF, and a value above 16 bits whose low half is '0';
// - 0xF0..0xF7 repeat the previous character 8, 16, ..., 1024 times (0xF0 gives 8);
// - 0xF8..0xFF take the next two bytes, low byte first, as one raw UTF-16 unit.
// Repeats stop growing the text at 12288 characters, so what follows a long run still
// counts; the text is cut at 16384 characters.

#include "number_reader.h"
#include "reference_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::wstring_view kAlphabet = L"0123456789.eE+- \t";
constexpr std::string_view kSelf = "0123456789.eE+- \txpinfa,\n\r";
constexpr wchar_t kOthers[16] = {
    L'\0',  // NUL
    0x00A0,  // no-break space
    0x2009,  // thin space
    0x3000,  // ideographic space
    0x0660,  // Arabic-Indic digit zero
    0x0661,  // Arabic-Indic digit one
    0xFF10,  // fullwidth digit zero
    0xFF11,  // fullwidth digit one
    0x00B2,  // superscript two
    0x2212,  // minus sign
    0xFF0B,  // fullwidth plus sign
    0xFF0E,  // fullwidth full stop
    0x00B7,  // middle dot
    0x0435,  // Cyrillic small e
    static_cast<wchar_t>(0xFFFF),
    static_cast<wchar_t>(0x10030),  // low 16 bits are '0' (wchar_t is 32-bit here)
};
constexpr std::size_t kMaxRepeatedLength = 12288;
constexpr std::size_t kMaxTextLength = 16384;

std::wstring TextFromBytes(const std::uint8_t* data, std::size_t size)
{
    std::wstring text;
    for (std::size_t i = 0; i < size && text.size() < kMaxTextLength; ++i) {
        const std::uint8_t byte = data[i];
        if (byte < 0x80 && kSelf.find(static_cast<char>(byte)) != std::string_view::npos) {
            text.push_back(static_cast<wchar_t>(byte));
        } else if (byte < 0xE0) {
            text.push_back(kAlphabet[byte % kAlphabet.size()]);
        } else if (byte < 0xF0) {
            text.push_back(kOthers[byte - 0xE0]);
        } else if (byte < 0xF8) {
            if (!text.empty() && text.size() < kMaxRepeatedLength) {
                const std::size_t count = std::size_t{8} << (byte - 0xF0);
                text.append(std::min(count, kMaxRepeatedLength - text.size()), text.back());
            }
        } else if (i + 2 < size) {  // a raw unit needs both of its bytes
            text.push_back(static_cast<wchar_t>(data[i + 1] | (data[i + 2] << 8)));
            i += 2;
        }
    }
    return text;
}

void PrintText(std::wstring_view text)
{
    std::fprintf(stderr, "text (%zu characters): \"", text.size());
    const std::size_t shown = std::min<std::size_t>(text.size(), 600);
    for (std::size_t i = 0; i < shown; ++i) {
        const auto c = static_cast<std::uint32_t>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
            std::fputc(static_cast<int>(c), stderr);
        else
            std::fprintf(stderr, "\\u{%X}", c);
    }
    std::fprintf(stderr, "\"%s\n", shown < text.size() ? " ..." : "");
}

std::uint64_t Bits(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring text = TextFromBytes(data, size);
    const double actual = zomerita::ReadLeadingNumber(text);
    const double expected = zomerita_fuzz::ReferenceReadLeadingNumber(text);
    if (Bits(actual) != Bits(expected)) {
        std::fprintf(stderr, "\n== number reader difference ==\n");
        PrintText(text);
        std::fprintf(stderr, "ReadLeadingNumber: %.17g (%a, bits %016llX)\n", actual, actual,
                     static_cast<unsigned long long>(Bits(actual)));
        std::fprintf(stderr, "reference:         %.17g (%a, bits %016llX)\n", expected, expected,
                     static_cast<unsigned long long>(Bits(expected)));
        std::abort();
    }
    return 0;
}
