#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "control_text.h"
#include "user_input.h"
#include "win32_main_window.h"

namespace zomerita::win {

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
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    HWND Main() const { return window_->handle(); }
    HWND Control(ControlId id) const { return window_->Control(id); }
    void Pump() const { test_support::PumpMessages(Main()); }

    std::wstring TextOf(ControlId id) const
    {
        return ReadText(Control(id));
    }

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
        const HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, point.x, point.y);
        ReleaseDC(nullptr, screen);
        return colour;
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

    std::unique_ptr<Win32MainWindow> window_;
};

}  // namespace zomerita::win
