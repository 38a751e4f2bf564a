#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zomerita::test_support {

// Real input, through the system's input queue, as a user gives it.
void PressKey(WORD virtualKey, bool withControl = false);
void TypeText(std::wstring_view text);
void ClickAt(POINT screenPoint);
void ClickCentreOf(HWND control);

// Puts a text on the clipboard, for Ctrl+V.
void PutOnClipboard(HWND owner, std::wstring_view text);

// The program's message box while one is showing; nullptr otherwise.
HWND ShownMessageBox();

// The message of a message box: the text of its static control that is not the icon.
std::wstring MessageBoxText(HWND box);
// The icon it shows; none if it has none.
HICON MessageBoxIcon(HWND box);

// Closes a message box with the Enter key, as a user does.
void CloseWithEnter(HWND box);

// Delivers everything queued for this thread's windows, through the same dialog
// navigation as the program's own loop, until nothing has arrived for a while.
void PumpMessages(HWND dialog, DWORD quietMilliseconds = 60);

}  // namespace zomerita::test_support
