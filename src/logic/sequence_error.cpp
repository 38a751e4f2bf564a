#include "sequence_error.h"

namespace zomerita {

const wchar_t* SequenceError::text() const noexcept
{
    switch (kind_) {
    case Kind::NotNatural:
        return L"Въведете естествено число – цяло число, по-голямо от 0.";
    case Kind::Overflow:
        return L"Препълване: числото е твърде голямо.";
    }
    return L"";
}

const char* SequenceError::what() const noexcept
{
    switch (kind_) {
    case Kind::NotNatural:
        return "the starting value is not a natural number";
    case Kind::Overflow:
        return "a value left the 32-bit signed range";
    }
    return "sequence error";
}

}  // namespace zomerita
