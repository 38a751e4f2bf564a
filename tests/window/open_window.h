#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "control_text.h"
#include "gdi_handles.h"
#include "screen_capture.h"
#include "user_input.h"
#include "win32_main_window.h"

namespace zomerita::win {

// The DPI the test run was set up with (the wrapper that changes it says so).
inline int ExpectedDpi()
{
    const char* const dpi = std::getenv("ZOMERITA_EXPECTED_DPI");
    return dpi ? std::atoi(dpi) : 96;
}

// A path from the environment, else the one the build gave, as Windows names it: Wine
// sees the Unix root as drive Z:.
inline std::wstring PathFromEnvironment(const char* variable, const char* built)
{
    const char* const given = std::getenv(variable);
    const char* const path = given ? given : built;
    std::wstring windowsPath(path, path + std::strlen(path));
    if (!windowsPath.empty() && windowsPath.front() == L'/')
        windowsPath = L"Z:" + windowsPath;
    std::replace(windowsPath.begin(), windowsPath.end(), L'/', L'\\');
    return windowsPath;
}

inline int Scaled(int pixelsAt96, int dpi = ExpectedDpi())
{
    return static_cast<int>(std::lround(pixelsAt96 * dpi / 96.0));
}

// The pixels of a window as the screen shows them, row by row.
inline std::vector<COLORREF> PixelsOf(HWND window)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    test_support::ScreenCapture capture;
    std::vector<COLORREF> pixels;
    for (const std::uint32_t pixel : capture.Read(bounds))  // 0x00RRGGBB
        pixels.push_back(RGB(GetRValue(pixel >> 16), GetRValue(pixel >> 8), GetRValue(pixel)));
    return pixels;
}

// What `read` gives once `wanted` holds of it, or after at most 3 s of pumping this
// thread's messages between readings: the system puts paints on the screen in its own time.
template <class Read, class Wanted>
auto ReadOnce(Read read, Wanted wanted) -> decltype(read())
{
    auto now = read();
    for (const DWORD start = GetTickCount(); !wanted(now) && GetTickCount() - start < 3000;) {
        test_support::PumpMessages(nullptr);
        now = read();
    }
    return now;
}

// A window's pixels once two readings, a pump of this thread's messages apart, agree.
inline std::vector<COLORREF> SteadyPixelsOf(HWND window)
{
    std::optional<std::vector<COLORREF>> last;
    return ReadOnce([window] { return PixelsOf(window); },
                    [&last](const std::vector<COLORREF>& now) {
                        const bool steady = last == now;
                        last = now;
                        return steady;
                    });
}

// A window's pixels once they are the expected ones.
inline std::vector<COLORREF> PixelsOnceTheyAre(HWND window, const std::vector<COLORREF>& expected)
{
    return ReadOnce([window] { return PixelsOf(window); },
                    [&expected](const std::vector<COLORREF>& now) { return now == expected; });
}

// The statement the output box shows as the window opens.
inline std::wstring Statement()
{
    return L"Нека разгледаме редица от естествени числа формирана по следните правила:\r\n"
           L"първото число се определя/въвежда от потребителя;\r\n"
           L"всяко следващото число се получава като:\r\n"
           L"ако предходното число е четно, то следващото е неговата половинка;\r\n"
           L"ако предходното число е нечетно, то следващото е сумата от 1 и утроената стойност на предходното "
           L"число.\r\n"
           L"Алгоритъмът за генериране на нови елемент в тази триъгълна редица продължава до достигане на числото "
           L"1. Този алгоритъм ще генерира числова последователност - триъгълна редица, т.к. след всяка нечетно "
           L"число следващото е четно и е по-голямо, а след всяко четно число следващото е по-малко.\r\n"
           L"Да се състави проект, реализиращ вътрешнопредметни връзки в Информатика.\r\n"
           L"Тема на проекта: Зомерита.\r\n"
           L"Проектът да съдържа текстови полета за въвеждане на началното естествено число и за извеждане на "
           L"междинните резултати.\r\n"
           L"Пример: 11 Изход: 34 17 52 26 13 40 20 10 5 16 8 4 2 1.\r\n";
}

// The program's window, opened as the program opens it, in this process.
class OpenWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = std::make_unique<Win32MainWindow>(GetModuleHandleW(nullptr));
        window_->Show(SW_SHOWNORMAL);
        SetForegroundWindow(Main());
        Pump();
    }

    void TearDown() override
    {
        window_.reset();
        test_support::PumpMessages(nullptr);
    }

    HWND Main() const { return window_->handle(); }
    HWND Control(ControlId id) const { return window_->Control(id); }
    void Pump() const { test_support::PumpMessages(Main()); }

    std::wstring TextOf(ControlId id) const { return ReadText(Control(id)); }

    // The control's window rectangle in the main window's client coordinates.
    RECT BoundsOf(ControlId id) const
    {
        RECT bounds;
        GetWindowRect(Control(id), &bounds);
        MapWindowPoints(HWND_DESKTOP, Main(), reinterpret_cast<POINT*>(&bounds), 2);
        return bounds;
    }

    // The colour on screen at a point of the main window's client area.
    COLORREF ColourAt(int x, int y) const
    {
        POINT point{x, y};
        ClientToScreen(Main(), &point);
        const WindowDc screen;
        return GetPixel(screen.get(), point.x, point.y);
    }

    void TypeInto(ControlId id, std::wstring_view text)
    {
        test_support::ClickCentreOf(Control(id));
        Pump();
        test_support::TypeText(text);
        Pump();
    }

    void Click(ControlId id)
    {
        test_support::ClickCentreOf(Control(id));
        Pump();
    }

    // The user switches to another window, and back.
    void SwitchAwayAndBack()
    {
        const HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                           nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(other);
        Pump();
        SetForegroundWindow(Main());
        Pump();
        DestroyWindow(other);
        Pump();
    }

    std::unique_ptr<Win32MainWindow> window_;
};

}  // namespace zomerita::win
