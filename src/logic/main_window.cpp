#include "main_window.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

#include "number_reader.h"
#include "number_text.h"
#include "sequence_error.h"

namespace zomerita {
namespace {

constexpr wchar_t EvenStep[] = L" деля на 2 ";
constexpr wchar_t OddStep[] = L" умножавам по 3 и +1";
constexpr wchar_t Separator[] = L" = ";
constexpr wchar_t LineEnd[] = L"\r\n";

// Copies a fixed text without its terminating null. Its size is known here, so the
// copy compiles to a few moves instead of a library call.
template <std::size_t Size>
wchar_t* Put(wchar_t* out, const wchar_t (&text)[Size])
{
    return std::copy(text, text + Size - 1, out);
}

// Only a whole value of at least 1 reaches 1; any other would loop for ever.
// An infinity passes and ends at the first parity test as an overflow.
bool IsNatural(double value)
{
    return value >= 1.0 && std::floor(value) == value;
}

// The parity test: the integer part rounded toward minus infinity must fit a 32-bit
// signed integer, whose remainder on division by 2 decides.
bool IsEven(double value)
{
    const double integerPart = std::floor(value);
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (!(integerPart >= lowest && integerPart <= highest))  // NaN fails too
        throw SequenceError(SequenceError::Kind::Overflow);
    return static_cast<std::int32_t>(integerPart) % 2 == 0;
}

}  // namespace

void MainWindow::OnWindowLoad()
{
    ResetInput();
    controls_.SetInputLimit(InputLimit);
}

void MainWindow::OnCommandClick(std::int16_t index)
{
    switch (index) {
    case ShowCommand:
        // Any character at all, a blank included, counts as input.
        if (controls_.InputText().empty())
            return;
        controls_.SetOutputText(L"");
        WriteSequence();
        break;
    case ClearCommand:
        ResetInput();
        controls_.SetOutputText(L"");
        break;
    default:
        break;
    }
}

void MainWindow::ResetInput()
{
    controls_.SetInputText(L"");
}

void MainWindow::WriteSequence()
{
    double value = ReadLeadingNumber(controls_.InputText());
    if (!IsNatural(value))
        throw SequenceError(SequenceError::Kind::NotNatural);

    // Each line is composed in place and appended whole: an error comes only from the
    // parity test, before a line's first piece, so the box never holds part of a line.
    wchar_t line[2 * MaxNumberTextLength + std::size(OddStep) + std::size(Separator) + std::size(LineEnd)];
    wchar_t* end = WriteNumberText(line, value);
    while (value != 1.0) {
        const bool even = IsEven(value);
        end = even ? Put(end, EvenStep) : Put(end, OddStep);
        end = Put(end, Separator);
        value = even ? value / 2.0 : value * 3.0 + 1.0;
        wchar_t* const newValue = end;
        end = WriteNumberText(end, value);
        wchar_t* const newValueEnd = end;
        end = Put(end, LineEnd);
        controls_.AppendOutput(std::wstring_view(line, static_cast<std::size_t>(end - line)));
        // The new value opens the next line: its text is already there.
        end = std::copy(newValue, newValueEnd, line);
    }
}

}  // namespace zomerita
