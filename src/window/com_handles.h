#pragma once

#include <objbase.h>

#include <memory>

namespace zomerita::win {

// Owns one reference to a COM object, released when the owner ends.
struct ComRelease {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};
template <class Interface>
using ComOwner = std::unique_ptr<Interface, ComRelease>;

// COM's apartment for this thread, for the life of the object; a nested initialisation is
// harmless and undone here. Declared before the objects it serves, so that they go first.
class ComApartment {
public:
    ComApartment() noexcept : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment()
    {
        if (initialised_)
            CoUninitialize();
    }

private:
    bool initialised_;
};

}  // namespace zomerita::win
