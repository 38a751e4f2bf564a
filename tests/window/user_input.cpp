#include "user_input.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

#include "control_text.h"

namespace zomerita::test_support {
namespace {

INPUT KeyInput(WORD virtualKey, wchar_t character, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void PressKey(WORD virtualKey, bool withControl)
{
    std::vector<INPUT> inputs;
    if (withControl)
        inputs.push_back(KeyInput(VK_CONTROL, 0, 0));
    inputs.push_back(KeyInput(virtualKey, 0, 0));
    inputs.push_back(KeyInput(virtualKey, 0, KEYEVENTF_KEYUP));
    if (withControl)
        inputs.push_back(KeyInput(VK_CONTROL, 0, KEYEVENTF_KEYUP));
    Send(std::move(inputs));
}

void TypeText(std::wstring_view text)
{
    std::vector<INPUT> inputs;
    for (const wchar_t character : text) {
        inputs.push_back(KeyInput(0, character, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(std::move(inputs));
}

void ClickAt(POINT screenPoint)
{
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(screenPoint.x, 65535, width - 1);
        input.mi.dy = MulDiv(screenPoint.y, 65535, height - 1);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(static_cast<UINT>(std::size(inputs)), inputs, sizeof(INPUT));
}

void ClickCentreOf(HWND control)
{
    RECT bounds;
    GetWindowRect(control, &bounds);
    ClickAt({(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
}

void PutOnClipboard(HWND owner, std::wstring_view text)
{
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        auto* const target = static_cast<wchar_t*>(GlobalLock(memory));
        std::copy(text.begin(), text.end(), target);
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

namespace {

// The message's static control: the one with a text (the icon's has none).
BOOL CALLBACK FindMessageControl(HWND child, LPARAM found)
{
    wchar_t className[16];
    GetClassNameW(child, className, 16);
    if (_wcsicmp(className, L"Static") == 0 && GetWindowTextLengthW(child) > 0)
        *reinterpret_cast<HWND*>(found) = child;
    return TRUE;
}

// How many times slower than a machine's own code this process runs: the runner says so
// in ZOMERITA_SLOWDOWN where Wine's 32-bit processes run under an emulator, whose input
// and paint messages arrive that much further apart.
DWORD Slowdown()
{
    static const DWORD factor = [] {
        wchar_t value[8] = {};
        const DWORD length = GetEnvironmentVariableW(L"ZOMERITA_SLOWDOWN", value, std::size(value));
        const long parsed = length > 0 && length < std::size(value) ? std::wcstol(value, nullptr, 10) : 1;
        return static_cast<DWORD>(std::clamp(parsed, 1L, 20L));
    }();
    return factor;
}

// The icon's static control: the one of the icon style.
BOOL CALLBACK FindIconControl(HWND child, LPARAM found)
{
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        *reinterpret_cast<HWND*>(found) = child;
    return TRUE;
}

}  // namespace

HWND ShownMessageBox()
{
    const HWND box = FindWindowW(L"#32770", L"Зомерита");
    return box && IsWindowVisible(box) ? box : nullptr;
}

void CloseWithEnter(HWND box)
{
    SetForegroundWindow(box);
    PressKey(VK_RETURN);
}

std::wstring MessageBoxText(HWND box)
{
    HWND message = nullptr;
    EnumChildWindows(box, FindMessageControl, reinterpret_cast<LPARAM>(&message));
    return message ? win::ReadText(message) : std::wstring();
}

HICON MessageBoxIcon(HWND box)
{
    HWND icon = nullptr;
    EnumChildWindows(box, FindIconControl, reinterpret_cast<LPARAM>(&icon));
    return icon ? reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)) : nullptr;
}

void PumpMessages(HWND dialog, DWORD quietMilliseconds)
{
    quietMilliseconds *= Slowdown();
    // Bounded, so that a window that never falls quiet fails its test instead of hanging.
    const DWORD longest = 5000 * Slowdown();
    const DWORD started = GetTickCount();
    DWORD lastMessage = started;
    while (GetTickCount() - lastMessage < quietMilliseconds && GetTickCount() - started < longest) {
        MSG message;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        // Timers tick for ever (the caret blinks); they are not news.
        constexpr UINT systemTimer = 0x0118;
        if (message.message != WM_TIMER && message.message != systemTimer)
            lastMessage = GetTickCount();
        if (message.message == WM_QUIT)
            continue;
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace zomerita::test_support
