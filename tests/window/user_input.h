#pragma once

#include <windows.h>

#include <string_view>

namespace zomerita::test_support {

// Real input, through the system's input queue, as a user gives it.
void PressKey(WORD virtualKey, bool withControl = false);
void TypeText(std::wstring_view text);
void ClickAt(POINT screenPoint);
void ClickCentreOf(HWND control);

// Delivers everything queued for this thread's windows, through the same dialog
// navigation as the program's own loop, until nothing has arrived for a while.
void PumpMessages(HWND dialog, DWORD quietMilliseconds = 60);

}  // namespace zomerita::test_support
