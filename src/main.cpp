// The program: its one window, until the user closes it.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "error_report.h"
#include "system_functions.h"
#include "win32_main_window.h"

namespace {

// No DLL may come from the program's folder or the current directory, where a planted
// copy would run with the student's rights: only from System32.
void RestrictDllSearchToSystem32() noexcept
{
    constexpr DWORD searchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories =
        zomerita::win::SystemFunction<SetDefaultDllDirectoriesFunction>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (setDefaultDllDirectories)
        setDefaultDllDirectories(searchSystem32);
    SetDllDirectoryW(L"");  // where the above is missing: at least not the current directory
}

// Runs while the window exists: closing it ends the program. The window posts no
// WM_QUIT, so none is waiting when an error of a failed start is shown.
int RunMessageLoop(HWND window) noexcept
{
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0)  // WM_QUIT from elsewhere, or an error
            return got < 0 ? 1 : static_cast<int>(message.wParam);
        // Tab moves between the controls, and a focused button takes the space bar.
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    RestrictDllSearchToSystem32();
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        zomerita::win::Win32MainWindow window(instance);
        window.Show(showCommand);
        return RunMessageLoop(window.handle());
    } catch (...) {
        zomerita::win::ReportStartupError(std::current_exception());
        return 1;
    }
}
