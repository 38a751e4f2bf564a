// Windows only: the program's message boxes, seen and closed from another thread as a
// user closes them, for the window tests and the whole-program tests.
#pragma once

#include <windows.h>

#include <cwchar>
#include <future>
#include <string>

#include "control_text.h"
#include "layout.h"
#include "user_input.h"

namespace zomerita::win {

// Closes the next message box of the program with the Enter key, as a user does, and
// tells what it said and whose it was.
struct MessageBoxSeen {
    std::wstring text;
    HICON icon = nullptr;
    HWND owner = nullptr;
    bool ownerVisible = false;
    std::wstring outputWhileShown;  // what the output box held while the box was up
    int boxesAfterAClick = 0;  // how many were up after another program's click, if asked
};

// Called by EnumWindows for each top-level window: counts the program's message boxes.
inline BOOL CALLBACK CountMessageBox(HWND window, LPARAM count)
{
    // Nothing here may throw into the system: a window may be gone before it is read.
    wchar_t name[16] = L"";
    wchar_t caption[16] = L"";
    if (GetClassNameW(window, name, 16) && wcscmp(name, L"#32770") == 0 && GetWindowTextW(window, caption, 16) &&
        wcscmp(caption, L"Зомерита") == 0)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The program's message boxes, shown or about to be: a box shows only once its own
// loop falls idle.
inline int MessageBoxes()
{
    int count = 0;
    EnumWindows(CountMessageBox, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Another program clicks the button while the box is up: the click is posted, then a new
// text limit for the input box behind it; once the limit shows, the click was handled.
inline int BoxesAfterAPostedClick(HWND button)
{
    const HWND window = GetParent(button);
    const HWND input = GetDlgItem(window, InputBoxId);
    const LRESULT limit = SendMessageW(input, EM_GETLIMITTEXT, 0, 0);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    PostMessageW(input, EM_SETLIMITTEXT, static_cast<WPARAM>(limit + 1), 0);
    for (int attempt = 0; attempt < 500 && SendMessageW(input, EM_GETLIMITTEXT, 0, 0) == limit; ++attempt)
        Sleep(10);
    SendMessageW(input, EM_SETLIMITTEXT, static_cast<WPARAM>(limit), 0);
    return MessageBoxes();
}

inline std::future<MessageBoxSeen> CloseNextMessageBox(HWND outputBox = nullptr, HWND clickedWhileShown = nullptr)
{
    return std::async(std::launch::async, [outputBox, clickedWhileShown] {
        MessageBoxSeen seen;
        for (int attempt = 0; attempt < 250; ++attempt) {
            if (const HWND box = test_support::ShownMessageBox()) {
                seen.text = test_support::MessageBoxText(box);
                seen.icon = test_support::MessageBoxIcon(box);
                seen.owner = GetWindow(box, GW_OWNER);
                seen.ownerVisible = IsWindowVisible(seen.owner);
                if (outputBox)
                    seen.outputWhileShown = ReadText(outputBox);
                if (clickedWhileShown)
                    seen.boxesAfterAClick = BoxesAfterAPostedClick(clickedWhileShown);
                // Every box that is up, the topmost (the latest) first, each once it shows.
                for (int wait = 0; wait < 500 && MessageBoxes() > 0; ++wait) {
                    if (const HWND shown = test_support::ShownMessageBox()) {
                        test_support::CloseWithEnter(shown);
                        while (IsWindowVisible(shown) && ++wait < 500)
                            Sleep(10);
                    }
                    Sleep(10);
                }
                return seen;
            }
            Sleep(20);
        }
        return seen;
    });
}

}  // namespace zomerita::win
