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

// Runs until the window, once shown, ends and posts the quit, however it ends: its close
// box, another program's WM_CLOSE (sent ones are handled inside GetMessage) or the end
// of the session.
int RunMessageLoop(HWND window) noexcept
{
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        // Tab moves between the controls, and a focused button takes the space bar.
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
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
