// The real window, driven the way a user drives it: keys and mouse clicks through the
// system's input queue; its transcripts, its refusals and errors, and its end.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <exception>
#include <string>

#include "error_report.h"
#include "message_boxes.h"
#include "open_window.h"
#include "thread_hook.h"
#include "transcript_oracle.h"
#include "user_input.h"
#include "window_error.h"

namespace zomerita::win {
namespace {

using namespace test_support;

TEST_F(OpenWindow, TheOutputBoxCannotBeEditedByTyping)
{
    TypeInto(OutputBoxId, L"7");
    EXPECT_EQ(TextOf(OutputBoxId), Statement());
}

// --- Keyboard ------------------------------------------------------------------------

TEST_F(OpenWindow, TabVisitsOutputInputShowClearPictureInTurn)
{
    const ControlId order[] = {InputBoxId, ShowButtonId, ClearButtonId, PictureBoxId, OutputBoxId};
    for (const ControlId expected : order) {
        PressKey(VK_TAB);
        Pump();
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), expected);
    }

    // Into a filled input box by Tab, its whole number is selected, so typing replaces it.
    TypeInto(InputBoxId, L"27");
    Click(OutputBoxId);
    PressKey(VK_TAB);
    Pump();
    TypeText(L"9");
    Pump();
    EXPECT_EQ(TextOf(InputBoxId), L"9");
}

TEST_F(OpenWindow, EnterAndEscapePressNothingWhereverTheFocusIs)
{
    TypeInto(InputBoxId, L"11");
    // Tab from the input box: "Изведи", "Чисти", the picture, the output box, the input box.
    for (int control = 0; control < 5; ++control) {
        SCOPED_TRACE(::testing::Message() << "focus on control " << GetDlgCtrlID(GetFocus()));
        PressKey(VK_RETURN);
        Pump();
        PressKey(VK_ESCAPE);
        Pump();
        ASSERT_TRUE(IsWindow(Main()) && IsWindowVisible(Main()));
        EXPECT_EQ(TextOf(OutputBoxId), Statement());
        EXPECT_EQ(TextOf(InputBoxId), L"11");
        PressKey(VK_TAB);
        Pump();
    }
    ASSERT_EQ(GetFocus(), Control(InputBoxId));
    // Escape as a character alone, as another program or an input method may send it.
    SendMessageW(Control(OutputBoxId), WM_CHAR, VK_ESCAPE, 0);
    Pump();
    ASSERT_TRUE(IsWindow(Main())) << "Escape as WM_CHAR in the output box";
    PressKey(VK_TAB);  // onto "Изведи"
    Pump();
    PressKey(VK_SPACE);  // the space bar presses the focused button
    Pump();
    EXPECT_EQ(TextOf(OutputBoxId), ReckonTranscript(11).text);
}

TEST_F(OpenWindow, TheInputBoxTakesAtMostFourCharactersTypedOrPasted)
{
    TypeInto(InputBoxId, L"123456");
    EXPECT_EQ(TextOf(InputBoxId), L"1234");

    Click(ClearButtonId);
    PutOnClipboard(Main(), L"98765");
    ClickCentreOf(Control(InputBoxId));
    Pump();
    PressKey('V', true);
    Pump();
    EXPECT_EQ(TextOf(InputBoxId), L"9876");
}

// --- The two buttons -----------------------------------------------------------------

TEST_F(OpenWindow, ShowWritesTheTranscriptOnceAndClearEmptiesBothBoxes)
{
    // After a transcript, "Чисти" leaves both boxes as at the start, but for the statement.
    TypeInto(InputBoxId, L"11");
    Click(ShowButtonId);
    const std::wstring transcript = TextOf(OutputBoxId);
    EXPECT_EQ(transcript, ReckonTranscript(11).text);
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), L'\n'), 14);
    Click(ShowButtonId);
    EXPECT_EQ(TextOf(OutputBoxId), transcript);

    Click(ClearButtonId);
    EXPECT_EQ(TextOf(InputBoxId), L"");
    EXPECT_EQ(TextOf(OutputBoxId), L"");
    EXPECT_EQ(SendMessageW(Control(InputBoxId), EM_GETLIMITTEXT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(Control(OutputBoxId), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(GetFocus(), Control(ClearButtonId)) << "the focus stays on the button pressed";
    Click(ShowButtonId);
    EXPECT_EQ(TextOf(OutputBoxId), L"");
}

TEST_F(OpenWindow, ALongTranscriptIsWholeAndShownFromItsFirstLine)
{
    TypeInto(InputBoxId, L"6171");
    Click(ShowButtonId);
    EXPECT_EQ(TextOf(OutputBoxId), ReckonTranscript(6171).text);
    EXPECT_EQ(SendMessageW(Control(OutputBoxId), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(OpenWindow, ARefusedInputIsReportedAndTheProgramGoesOn)
{
    TypeInto(InputBoxId, L"0");
    auto box = CloseNextMessageBox(nullptr, Control(ShowButtonId));
    Click(ShowButtonId);
    const MessageBoxSeen seen = box.get();
    Pump();
    EXPECT_EQ(seen.text, L"Въведете естествено число – цяло число, по-голямо от 0.");
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));
    EXPECT_EQ(seen.owner, Main());
    EXPECT_EQ(seen.boxesAfterAClick, 1) << "a click while the box is up runs no second handler";
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_EQ(TextOf(OutputBoxId), L"");
    EXPECT_EQ(TextOf(InputBoxId), L"0");

    // Back from another program, the focus is on the control that had it last, even
    // where the frame itself held it when the user left.
    SwitchAwayAndBack();
    EXPECT_EQ(GetFocus(), Control(ShowButtonId));
    SetFocus(Main());
    SwitchAwayAndBack();
    EXPECT_EQ(GetFocus(), Control(ShowButtonId));
    // And after another program minimises and restores it.
    SetFocus(Control(ClearButtonId));
    ShowWindow(Main(), SW_MINIMIZE);
    Pump();
    ShowWindow(Main(), SW_RESTORE);
    Pump();
    EXPECT_EQ(GetFocus(), Control(ClearButtonId));

    // Still working: the next request is served.
    Click(ClearButtonId);
    TypeInto(InputBoxId, L"2");
    Click(ShowButtonId);
    EXPECT_EQ(TextOf(OutputBoxId), L"2 деля на 2  = 1\r\n");
}

TEST_F(OpenWindow, AnOverflowKeepsTheLinesWrittenBeforeIt)
{
    // Another program may set a text longer than a user can type.
    SetWindowTextW(Control(InputBoxId), L"2147483002");
    auto box = CloseNextMessageBox(Control(OutputBoxId));
    Click(ShowButtonId);
    const MessageBoxSeen seen = box.get();
    Pump();
    EXPECT_EQ(seen.text, L"Препълване: числото е твърде голямо.");
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));
    const std::wstring written =
        L"2147483002 деля на 2  = 1073741501\r\n"
        L"1073741501 умножавам по 3 и +1 = 3221224504\r\n";
    EXPECT_EQ(seen.outputWhileShown, written) << "on screen before the error is reported";
    EXPECT_EQ(TextOf(OutputBoxId), written);
    EXPECT_EQ(TextOf(InputBoxId), L"2147483002");

    // A box that takes only part of a transcript (as when memory runs out) says so.
    Click(ClearButtonId);
    SendMessageW(Control(OutputBoxId), EM_SETLIMITTEXT, 20, 0);
    TypeInto(InputBoxId, L"11");
    auto cut = CloseNextMessageBox();
    Click(ShowButtonId);
    const MessageBoxSeen failed = cut.get();
    EXPECT_EQ(failed.text, L"Прозорецът не успя да покаже текста. Опитайте отново.");
    EXPECT_EQ(failed.icon, LoadIconW(nullptr, IDI_ERROR));
}

// A CBT hook that refuses every EDIT control this thread tries to create.
LRESULT CALLBACK RefuseEditControls(int code, WPARAM window, LPARAM details)
{
    wchar_t name[8] = L"";
    if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(window), name, 8) &&
        _wcsicmp(name, L"EDIT") == 0)
        return 1;
    return CallNextHookEx(nullptr, code, window, details);
}

TEST_F(OpenWindow, OnlyAWindowThatShowedEndsTheProgram)
{
    // A message box ends at once when it finds WM_QUIT waiting, before it is seen. On
    // Windows a window whose creation fails is destroyed like any other (Wine skips its
    // WM_DESTROY), so it may leave none.
    MSG quit;
    std::exception_ptr failure;
    {
        const ThreadHook refused(WH_CBT, RefuseEditControls);
        try {
            const Win32MainWindow unfinished(GetModuleHandleW(nullptr));
        } catch (const WindowError&) {
            failure = std::current_exception();
        }
    }
    ASSERT_TRUE(failure) << "a window without its boxes raises a window error";
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "after a failed start";
    // Its report says that the program cannot start, and why.
    auto box = CloseNextMessageBox();
    ReportStartupError(failure);
    const MessageBoxSeen seen = box.get();
    EXPECT_EQ(seen.text, L"Програмата не може да стартира.\r\n\r\nПрозорецът на програмата не можа да бъде създаден.");
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_ERROR));

    // A window that showed ends the program with it, however it is destroyed.
    window_.reset();
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "after the shown window ended";
}

}  // namespace
}  // namespace zomerita::win
