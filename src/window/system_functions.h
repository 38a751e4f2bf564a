#pragma once

#include <windows.h>

namespace zomerita::win {

// How a function is looked up in a loaded module: GetProcAddress. Tests put another in
// its place, before the first lookup, to run the window as older Windows would, which
// lack the newer functions.
using FunctionLookup = FARPROC(WINAPI*)(HMODULE module, LPCSTR name);
inline FunctionLookup systemFunctionLookup = GetProcAddress;

// A function of a system DLL that this process has already loaded (user32, kernel32 or
// comctl32, which the program imports from), looked up at run time because older
// Windows lack it; null where it is missing. Importing it directly would stop the
// program from starting there.
template <class Function>
Function SystemFunction(const wchar_t* module, const char* name) noexcept
{
    const HMODULE handle = GetModuleHandleW(module);
    const FARPROC address = handle ? systemFunctionLookup(handle, name) : nullptr;
    // Through void (*)(), the type that converts to any function pointer type quietly.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

}  // namespace zomerita::win
