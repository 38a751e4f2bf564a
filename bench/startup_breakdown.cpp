// Where the window's start-up goes: the steps of the program's start, each timed the
// first time this process takes it, printed one a line as "step<TAB>milliseconds".
// What the window's construction does on the way (icons, controls, COM, the photograph,
// the font) comes first, one step each, so that the constructor's own step is what is
// left. Only a fresh process shows first times: scripts/measure starts this a few
// times and takes the median of each step.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <optional>

#include "gdi_handles.h"
#include "jpeg_picture.h"
#include "measuring.h"
#include "win32_main_window.h"
#include "window_font.h"
#include "window_icon.h"

namespace zomerita::bench {
namespace {

constexpr const wchar_t* BareClassName = L"ZomeritaBenchmarkBareWindow";

template <class Action>
void TimeStep(const char* step, Action&& action)
{
    std::printf("%s\t%.3f\n", step, MillisecondsOf(std::forward<Action>(action)));
}

void RegisterBareClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = BareClassName;
    RegisterClassExW(&windowClass);
}

// A top-level window with nothing in it, as bare_window.exe shows (not plain_window's,
// which has the controls).
HWND CreateBareWindow(HINSTANCE instance) noexcept
{
    return CreateWindowExW(0, BareClassName, L"", win::Win32MainWindow::Style, 0, 0, 480, 430, nullptr, nullptr,
                           instance, nullptr);
}

// A window with nothing in it, shown, painted and destroyed, as bare_window's. The
// first of a process pays for what any program pays once (the display driver, the
// system's classes and fonts), so that the later steps show what is the program's own;
// a second one shows what a top-level window costs by itself.
void ShowBareWindow(HINSTANCE instance)
{
    const HWND window = CreateBareWindow(instance);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    DestroyWindow(window);
}

// One control of each system class the window uses, in a hidden window.
void CreateFirstControls(HINSTANCE instance) noexcept
{
    const HWND parent = CreateBareWindow(instance);
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", child | ES_MULTILINE | WS_VSCROLL, 0, 0, 100, 100, parent, nullptr,
                    instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"", child, 0, 0, 100, 20, parent, nullptr, instance, nullptr);
    CreateWindowExW(0, L"BUTTON", L"", child | BS_OWNERDRAW, 0, 0, 100, 20, parent, nullptr, instance, nullptr);
    DestroyWindow(parent);  // and its children with it
}

void UseWindowFont()
{
    const win::UniqueFont font = win::CreateWindowFont(win::DefaultDpi);
    const win::WindowDc screen;
    const win::SelectGuard selected(screen.get(), font.get());
    SIZE extent;
    GetTextExtentPoint32W(screen.get(), L"Изведи", 6, &extent);  // the font is realised at its first use
}

int Run()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterBareClass(instance);
    TimeStep("a first, bare window: create, show, paint", [&] { ShowBareWindow(instance); });
    TimeStep("a second, bare window: create, show, paint", [&] { ShowBareWindow(instance); });
    TimeStep("InitCommonControlsEx", [] {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
    });
    {
        // The program's icon in both sizes for the DPI, as its window takes them; the
        // hidden window that takes them is made outside the step.
        const HWND hidden = CreateBareWindow(instance);
        win::WindowIcon icon(instance, MAKEINTRESOURCEW(IDI_ZOMERITA));
        TimeStep("icon: WindowIcon::Apply, large and small", [&] { icon.Apply(hidden, win::DefaultDpi); });
        DestroyWindow(hidden);  // before its icons go
    }
    TimeStep("a first EDIT, STATIC and BUTTON control", [&] { CreateFirstControls(instance); });
    TimeStep("COM: first CoInitializeEx and CoUninitialize", [] {
        if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
            CoUninitialize();
    });
    TimeStep("photograph: LoadJpegResource (OleLoadPicture), first",
             [&] { win::LoadJpegResource(instance, IDR_PHOTOGRAPH); });
    TimeStep("photograph: LoadJpegResource again", [&] { win::LoadJpegResource(instance, IDR_PHOTOGRAPH); });
    TimeStep("window font: CreateFontW and first use", UseWindowFont);
    std::optional<win::Win32MainWindow> window;
    TimeStep("Win32MainWindow constructor, the above now warm", [&] { window.emplace(instance); });
    // Show in its three parts: the first maps the window (X under Wine), as a bare window's does.
    TimeStep("Show, 1: ShowWindow", [&] { ShowWindow(window->handle(), SW_SHOWNORMAL); });
    TimeStep("Show, 2: UpdateWindow (the paint)", [&] { UpdateWindow(window->handle()); });
    TimeStep("Show, 3: focus and first line (the rest of Show)", [&] { window->Show(SW_SHOWNORMAL); });
    return 0;
}

}  // namespace
}  // namespace zomerita::bench

int main()
{
    return zomerita::bench::MeasuringMain("startup_breakdown", zomerita::bench::Run);
}
