#include "main_window.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "number_reader.h"
#include "number_text.h"
#include "sequence_error.h"

namespace zomerita {
namespace {

constexpr const wchar_t* EvenStep = L" деля на 2 ";
constexpr const wchar_t* OddStep = L" умножавам по 3 и +1";
constexpr const wchar_t* Separator = L" = ";
constexpr const wchar_t* LineEnd = L"\r\n";

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

    while (value != 1.0) {
        // The test comes before the line: a value is written only once it has passed,
        // so every value on screen is whole and below 3 * 2^31, and an overflow leaves
        // only finished lines behind.
        const bool even = IsEven(value);
        const double next = even ? value / 2.0 : value * 3.0 + 1.0;
        controls_.AppendOutput(NumberText(value) + (even ? EvenStep : OddStep) + Separator + NumberText(next) +
                               LineEnd);
        value = next;
    }
}

}  // namespace zomerita
