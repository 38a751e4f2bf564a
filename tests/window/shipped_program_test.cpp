// The shipped program, started as a user starts it, and driven from this other process
// as other programs and the system drive it.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "message_boxes.h"
#include "open_window.h"
#include "resource_ids.h"
#include "started_program.h"
#include "user_input.h"

namespace zomerita::win {
namespace {

using namespace test_support;

std::wstring ProgramPath()
{
    return PathFromEnvironment("ZOMERITA_EXE", ZOMERITA_BUILT_PROGRAM);
}

// A started program, ended if it is still running when the test is over.
// A copy of the shipped program in the temporary folder with one resource replaced,
// deleted when this ends (after the program started from it, declared later, has ended).
// Its path is empty if it could not be made.
class ProgramCopy {
public:
    ProgramCopy(const wchar_t* name, LPCWSTR type, WORD id, const void* data, DWORD bytes)
    {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        const std::wstring path = std::wstring(folder) + name;
        if (!CopyFileW(ProgramPath().c_str(), path.c_str(), FALSE))
            return;
        copied_ = path;
        const HANDLE update = BeginUpdateResourceW(path.c_str(), FALSE);
        if (!update)
            return;
        const bool replaced =
            UpdateResourceW(update, type, MAKEINTRESOURCEW(id), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                            const_cast<void*>(data), bytes);
        if (EndUpdateResourceW(update, !replaced) && replaced)
            path_ = path;
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;
    ~ProgramCopy()
    {
        if (!copied_.empty())
            DeleteFileW(copied_.c_str());
    }

    const std::wstring& path() const noexcept { return path_; }

private:
    std::wstring copied_;
    std::wstring path_;
};

// The program's window in a process, once it shows; nullptr if none does.
HWND VisibleWindowOf(DWORD processId)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        const HWND found = FindWindowW(Win32MainWindow::ClassName, nullptr);
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (found && owner == processId && IsWindowVisible(found))
            return found;
        Sleep(25);
    }
    return nullptr;
}

// The control that has the focus in another thread's windows.
HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Still running a moment after a key that must not end it.
bool StillRunning(const StartedProgram& program)
{
    return !program.ExitCode(300);
}

TEST(ShippedProgram, RunsItsWindowUntilClosedAndExitsNonZeroWhenItCannotStart)
{
    // As a shortcut set to run maximised starts it: it opens at its one size all the same.
    const StartedProgram program(ProgramPath(), SW_SHOWMAXIMIZED);
    WaitForInputIdle(program.process(), 10000);

    const HWND window = VisibleWindowOf(program.id());
    ASSERT_NE(window, nullptr) << "no visible window";
    EXPECT_FALSE(IsZoomed(window));
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, ClientSize(ExpectedDpi()).width);
    EXPECT_EQ(client.bottom, ClientSize(ExpectedDpi()).height);

    // Its own loop: Escape presses nothing, in the output box or the input box, and Tab
    // moves the focus from the one to the other.
    SetForegroundWindow(window);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(StillRunning(program)) << "Escape in the output box";
    PressKey(VK_TAB);
    Sleep(300);
    EXPECT_EQ(FocusOf(window), GetDlgItem(window, InputBoxId)) << "Tab from the output box";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(StillRunning(program)) << "Escape in the input box";
    EXPECT_EQ(program.CloseAndWait(window), 0u);

    // A copy without the window's texts cannot start: it says so, and exits with an error.
    // The string table's block of the caption and the control texts (ids 192 to 207),
    // with sixteen empty texts instead: each a length of 0.
    const WORD emptyTexts[16] = {};
    const ProgramCopy broken(L"zomerita-without-texts.exe", RT_STRING, IDS_CAPTION / 16 + 1, emptyTexts,
                             sizeof emptyTexts);
    ASSERT_FALSE(broken.path().empty()) << "the copy without texts could not be made";
    auto box = CloseNextMessageBox();
    const StartedProgram failed(broken.path(), SW_SHOWMAXIMIZED);
    EXPECT_EQ(box.get().text,
              L"Програмата не може да стартира.\r\n\r\nПрозорецът на програмата не можа да бъде създаден.");
    const std::optional<DWORD> exitCode = failed.ExitCode(StartedProgram::LongestCloseMilliseconds);
    ASSERT_TRUE(exitCode) << "still running";
    EXPECT_NE(*exitCode, 0u);
}

// The shipped program, started and shown; the test fails at once if no window shows.
struct ShownProgram {
    StartedProgram program;
    HWND window;
    explicit ShownProgram(const std::wstring& path) : program(path), window(VisibleWindowOf(program.id())) {}
};

TEST(ShippedProgram, EndsWithinTwoSecondsWhenAnotherProgramClosesItOrTheSessionEnds)
{
    // As classroom tools and Restart Manager close programs: a WM_CLOSE sent, not posted.
    const ShownProgram closed(ProgramPath());
    ASSERT_NE(closed.window, nullptr);
    SendMessageTimeoutW(closed.window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    EXPECT_EQ(closed.program.ExitCode(2000), std::optional<DWORD>(0)) << "after a sent WM_CLOSE";

    // Restart Manager's end of session, for an update that finds the program open.
    const ShownProgram ended(ProgramPath());
    ASSERT_NE(ended.window, nullptr);
    EXPECT_TRUE(SendMessageW(ended.window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP));
    SendMessageTimeoutW(ended.window, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 2000, nullptr);
    EXPECT_EQ(ended.program.ExitCode(2000), std::optional<DWORD>(0)) << "after the end of the session";
}

TEST(ShippedProgram, StaysWhereItIsAtItsSizeWhenAnotherProgramMaximisesIt)
{
    const ShownProgram shown(ProgramPath());
    ASSERT_NE(shown.window, nullptr);
    RECT before;
    GetWindowRect(shown.window, &before);
    const auto expectUnmoved = [&](const char* how) {
        RECT after;
        GetWindowRect(shown.window, &after);
        EXPECT_TRUE(EqualRect(&before, &after)) << how << ": moved to (" << after.left << "," << after.top << ")";
        EXPECT_FALSE(IsZoomed(shown.window)) << how << ": left maximised, and so not draggable";
    };
    ShowWindow(shown.window, SW_MAXIMIZE);
    expectUnmoved("ShowWindow(SW_MAXIMIZE)");
    SendMessageW(shown.window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    expectUnmoved("SC_MAXIMIZE");
    EXPECT_EQ(shown.program.CloseAndWait(shown.window), 0u);
}

TEST(ShippedProgram, ReportsAPhotographItCannotShowOnceItsWindowShows)
{
    // A copy whose photograph is not a JPEG: the window opens without it, then says so.
    const char notAPicture[] = "not a picture";
    const ProgramCopy broken(L"zomerita-without-photograph.exe", RT_RCDATA, IDR_PHOTOGRAPH, notAPicture,
                             sizeof notAPicture);
    ASSERT_FALSE(broken.path().empty()) << "the copy with another photograph could not be made";
    auto box = CloseNextMessageBox();
    const StartedProgram program(broken.path());
    const MessageBoxSeen seen = box.get();
    // (Its icon is another process's handle: a window error's icon is checked in the overflow test.)
    EXPECT_EQ(seen.text, L"Снимката не можа да бъде показана. Програмата работи и без нея.");
    EXPECT_TRUE(seen.ownerVisible) << "told once the window shows, and owned by it";
    const HWND window = VisibleWindowOf(program.id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(seen.owner, window);
    EXPECT_EQ(program.CloseAndWait(window), 0u);
}

}  // namespace
}  // namespace zomerita::win
