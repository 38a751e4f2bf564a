// The real window, driven the way a user drives it: keys and mouse clicks through the
// system's input queue, and colours read back from the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dpi.h"
#include "error_report.h"
#include "layout.h"
#include "version.h"
#include "window_icon.h"
#include "transcript_oracle.h"
#include "open_window.h"
#include "started_program.h"
#include "thread_hook.h"
#include "user_input.h"
#include "window_error.h"

namespace zomerita::win {
namespace {

using namespace test_support;

std::wstring Statement()
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

// --- What the window looks like ------------------------------------------------------

TEST_F(OpenWindow, ClientAreaAndEveryControlSitWhereDesignedAtTheDpi)
{
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, Scaled(462));
    EXPECT_EQ(client.bottom, Scaled(390));

    const struct {
        ControlId id;
        int left, top, width, height;  // pixels at 96 DPI
    } expected[] = {
        {HeadingLabelId, 64, 0, 305, 25}, {PictureBoxId, 8, 32, 191, 154},   {PromptLabelId, 232, 56, 145, 25},
        {InputBoxId, 376, 56, 81, 27},    {ShowButtonId, 232, 120, 121, 25}, {ClearButtonId, 352, 160, 105, 25},
        {OutputBoxId, 8, 192, 449, 193},
    };
    for (const auto& control : expected) {
        const RECT bounds = BoundsOf(control.id);
        SCOPED_TRACE(::testing::Message() << "control " << control.id << " at " << ExpectedDpi() << " DPI");
        EXPECT_EQ(bounds.left, Scaled(control.left));
        EXPECT_EQ(bounds.top, Scaled(control.top));
        EXPECT_EQ(bounds.right - bounds.left, Scaled(control.width));
        EXPECT_EQ(bounds.bottom - bounds.top, Scaled(control.height));
    }
}

TEST_F(OpenWindow, FrameIsFixedWithCloseBoxOnlyAndCentredOnTheWorkArea)
{
    const LONG style = GetWindowLongW(Main(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    RECT frame, work;
    GetWindowRect(Main(), &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    if (std::getenv("ZOMERITA_TASK_BAR")) {
        ASSERT_LT(work.bottom - work.top, GetSystemMetrics(SM_CYSCREEN)) << "no task bar takes its share";
    }
    // Centred along each side where it fits; where it does not (large scaling on a small
    // screen), its title bar and left edge stay on the work area.
    const auto placed = [](LONG from, LONG to, LONG workFrom, LONG workTo) {
        if (to - from <= workTo - workFrom)
            EXPECT_NEAR(from + to, workFrom + workTo, 1);
        else
            EXPECT_EQ(from, workFrom);
    };
    placed(frame.left, frame.right, work.left, work.right);
    placed(frame.top, frame.bottom, work.top, work.bottom);
    // The same after a change of DPI, whatever place the system suggests.
    RECT suggested = frame;
    OffsetRect(&suggested, work.left - 30 - frame.left, work.top - 40 - frame.top);
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(ExpectedDpi(), ExpectedDpi()), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(Main(), &frame);
    EXPECT_EQ(frame.left, work.left);
    EXPECT_EQ(frame.top, work.top);
    // But in the middle of a drag, where it straddles two monitors, exactly there.
    SendMessageW(Main(), WM_ENTERSIZEMOVE, 0, 0);
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(ExpectedDpi(), ExpectedDpi()), reinterpret_cast<LPARAM>(&suggested));
    SendMessageW(Main(), WM_EXITSIZEMOVE, 0, 0);
    GetWindowRect(Main(), &frame);
    EXPECT_TRUE(EqualRect(&frame, &suggested)) << frame.left << ", " << frame.top;
    // And after the drag, kept on the work area again.
    OffsetRect(&suggested, -20, -20);
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(ExpectedDpi(), ExpectedDpi()), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(Main(), &frame);
    EXPECT_EQ(frame.left, work.left);
    EXPECT_EQ(frame.top, work.top);

    // Never maximised, whatever the start-up information asks: the size of a normal
    // start (the designed one, where the screen is large enough).
    RECT normal;
    GetClientRect(Main(), &normal);
    window_->Show(SW_SHOWMAXIMIZED);
    Pump();
    EXPECT_FALSE(IsZoomed(Main()));
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_TRUE(EqualRect(&client, &normal)) << client.right << " x " << client.bottom;
    // Nor stretched by another program, maximising it or dragging an edge.
    ShowWindow(Main(), SW_MAXIMIZE);
    Pump();
    GetClientRect(Main(), &client);
    EXPECT_TRUE(EqualRect(&client, &normal)) << "maximised: " << client.right << " x " << client.bottom;
    ShowWindow(Main(), SW_RESTORE);
    Pump();
    GetWindowRect(Main(), &frame);
    SetWindowPos(Main(), nullptr, 0, 0, frame.right - frame.left + 200, frame.bottom - frame.top + 100,
                 SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(Main(), &client);
    EXPECT_TRUE(EqualRect(&client, &normal)) << "stretched: " << client.right << " x " << client.bottom;

    std::wstring caption(GetWindowTextLengthW(Main()) + 1, L'\0');
    caption.resize(GetWindowTextW(Main(), caption.data(), static_cast<int>(caption.size())));
    EXPECT_EQ(caption, L"" ZOMERITA_PUBLISHER_ADDRESS L" Зомерита");
    EXPECT_NE(SendMessageW(Main(), WM_GETICON, ICON_BIG, 0) ? 1 : GetClassLongPtrW(Main(), GCLP_HICON), 0);
}

// The first and last column that hold black in the middle rows of a picture `width`
// pixels wide, leaving `margin` columns at either side; {width, -1} where none does.
std::pair<int, int> InkColumns(const std::vector<COLORREF>& pixels, int width, int margin)
{
    const int height = static_cast<int>(pixels.size()) / width;
    std::pair<int, int> columns{width, -1};
    for (int y = height / 5; y < height * 4 / 5; ++y)
        for (int x = margin; x < width - margin; ++x)
            if (pixels[static_cast<std::size_t>(y * width + x)] == RGB(0, 0, 0))
                columns = {std::min(columns.first, x), std::max(columns.second, x)};
    return columns;
}

TEST_F(OpenWindow, ColoursOnScreenAreTheDesignedOnes)
{
    EXPECT_EQ(ColourAt(Scaled(2), Scaled(2)), RGB(192, 192, 255)) << "window background";
    EXPECT_EQ(ColourAt(Scaled(64 + 3), Scaled(3)), RGB(255, 192, 128)) << "heading";
    EXPECT_EQ(ColourAt(Scaled(232 + 3), Scaled(56 + 3)), RGB(255, 192, 128)) << "prompt";
    EXPECT_EQ(ColourAt(Scaled(232) + 5, Scaled(120) + 5), RGB(128, 255, 128)) << "Изведи";
    EXPECT_EQ(ColourAt(Scaled(352) + 5, Scaled(160) + 5), RGB(255, 128, 128)) << "Чисти";
    // The statement in the read-only output box lies on the window colour, as in an
    // editable box, not on the grey of a read-only one (its scroll bar left aside).
    const std::vector<COLORREF> output = PixelsOf(Control(OutputBoxId));
    const int width = BoundsOf(OutputBoxId).right - BoundsOf(OutputBoxId).left;
    std::size_t grey = 0;
    for (std::size_t i = 0; i < output.size(); ++i)
        grey += static_cast<int>(i % static_cast<std::size_t>(width)) < width * 3 / 4 &&
            output[i] == GetSysColor(COLOR_BTNFACE);
    EXPECT_LT(grey, output.size() / 100);
    Click(ClearButtonId);
    EXPECT_EQ(ColourAt(Scaled(8 + 224), Scaled(192 + 96)), GetSysColor(COLOR_WINDOW)) << "output box";
    EXPECT_EQ(ColourAt(Scaled(376 + 40), Scaled(56 + 13)), GetSysColor(COLOR_WINDOW)) << "input box";

    // A button is raised, and sunken while it is held down: its top-left edge light, then
    // dark, and its caption one pixel lower and to the right.
    const RECT show = BoundsOf(ShowButtonId);
    const int showWidth = show.right - show.left;
    const std::pair<int, int> raisedCaption = InkColumns(PixelsOf(Control(ShowButtonId)), showWidth, Scaled(4));
    EXPECT_EQ(ColourAt(show.left, show.top), GetSysColor(COLOR_3DLIGHT)) << "raised";
    SendMessageW(Control(ShowButtonId), BM_SETSTATE, TRUE, 0);
    Pump();
    EXPECT_EQ(ColourAt(show.left, show.top), GetSysColor(COLOR_3DSHADOW)) << "held down";
    EXPECT_EQ(InkColumns(PixelsOf(Control(ShowButtonId)), showWidth, Scaled(4)),
              std::pair(raisedCaption.first + 1, raisedCaption.second + 1));
    SendMessageW(Control(ShowButtonId), BM_SETSTATE, FALSE, 0);
}

TEST_F(OpenWindow, ThePictureBoxShowsThePhotograph)
{
    // Sky at the top, water at the bottom.
    const RECT picture = BoundsOf(PictureBoxId);
    const COLORREF sky = ColourAt(picture.left + Scaled(10), picture.top + Scaled(6));
    const COLORREF water = ColourAt(picture.left + Scaled(95), picture.bottom - Scaled(8));
    EXPECT_GT(GetBValue(sky), GetRValue(sky) + 40);
    EXPECT_GT(GetBValue(water), GetRValue(water) + 40);
}

// The size, in pixels, of the icon the window shows for ICON_BIG or ICON_SMALL.
SIZE WindowIconSize(HWND window, WPARAM which)
{
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {0, 0};
    BITMAP colour{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    // A monochrome icon's mask holds both halves, one above the other.
    return {colour.bmWidth, info.hbmColor ? colour.bmHeight : colour.bmHeight / 2};
}

// What Windows asks an icon to be at a DPI: the metric for that DPI where there is one.
SIZE MetricIconSize(bool small, int dpi)
{
    using ForDpi = int(WINAPI*)(int, UINT);
    const auto forDpi = reinterpret_cast<ForDpi>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    const int x = small ? SM_CXSMICON : SM_CXICON;
    const int y = small ? SM_CYSMICON : SM_CYICON;
    if (forDpi)
        return {forDpi(x, static_cast<UINT>(dpi)), forDpi(y, static_cast<UINT>(dpi))};
    return {GetSystemMetrics(x), GetSystemMetrics(y)};
}

::testing::AssertionResult SameSize(SIZE got, SIZE wanted)
{
    if (got.cx == wanted.cx && got.cy == wanted.cy)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got.cx << "x" << got.cy << ", wanted " << wanted.cx << "x"
                                         << wanted.cy;
}

TEST_F(OpenWindow, TheIconsAreOfTheSizesTheDpiAsksForAndFollowADpiChange)
{
    const int dpi = ExpectedDpi();
    EXPECT_TRUE(SameSize(WindowIconSize(Main(), ICON_BIG), MetricIconSize(false, dpi))) << "big icon at " << dpi;
    EXPECT_TRUE(SameSize(WindowIconSize(Main(), ICON_SMALL), MetricIconSize(true, dpi))) << "small icon at " << dpi;
    if (dpi == 144) {
        EXPECT_TRUE(SameSize(WindowIconSize(Main(), ICON_BIG), {48, 48})) << "the 48-pixel image at 144 DPI";
    }

    // Moved to a monitor of another DPI, the window loads the icons for that one, and
    // nothing of the old scale stays on the screen: every control shows what a fresh
    // paint shows (the output box is left out, for its blinking caret).
    const int other = dpi == 144 ? 96 : 144;
    RECT frame;
    GetWindowRect(Main(), &frame);
    // Asked first for its size at the new DPI (Windows 10 1703 and later), it answers
    // with a frame round the designed client area, whatever size the suggestion has.
    // Wine's caption keeps the system's DPI, so the frame it then takes is corrected
    // until the client area is the designed one.
    SIZE answered{};
    EXPECT_TRUE(
        SendMessageW(Main(), WM_GETDPISCALEDSIZE, static_cast<WPARAM>(other), reinterpret_cast<LPARAM>(&answered)));
    const Size designedClient = ClientSize(other);
    EXPECT_GT(answered.cx, designedClient.width);
    EXPECT_GT(answered.cy, designedClient.height);
    RECT suggested{frame.left, frame.top, frame.left + (frame.right - frame.left) * other / dpi,
                   frame.top + (frame.bottom - frame.top) * other / dpi};
    const auto iconOf = [this](WPARAM kind) {
        return reinterpret_cast<HICON>(SendMessageW(Main(), WM_GETICON, kind, 0));
    };
    const HICON oldIcons[] = {iconOf(ICON_BIG), iconOf(ICON_SMALL)};
    const auto oldFont = reinterpret_cast<HGDIOBJ>(SendMessageW(Control(InputBoxId), WM_GETFONT, 0, 0));
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
    Pump();
    // What the new DPI replaced is gone.
    EXPECT_EQ(GetObjectType(oldFont), 0u) << "the font of the old DPI";
    for (const HICON old : oldIcons) {
        ICONINFO info{};
        EXPECT_FALSE(GetIconInfo(old, &info)) << "an icon of the old DPI";
    }
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, designedClient.width) << "at " << other;
    EXPECT_EQ(client.bottom, designedClient.height) << "at " << other;
    EXPECT_TRUE(SameSize(WindowIconSize(Main(), ICON_BIG), MetricIconSize(false, other))) << "big icon at " << other;
    EXPECT_TRUE(SameSize(WindowIconSize(Main(), ICON_SMALL), MetricIconSize(true, other))) << "small icon at " << other;
    const ControlId painted[] = {HeadingLabelId, PromptLabelId, InputBoxId, ShowButtonId, ClearButtonId, PictureBoxId};
    // The screen, once it has stopped changing, against a fresh paint once the screen
    // shows it (each within a bound): the system puts paints on the screen in its own time.
    std::vector<std::vector<COLORREF>> afterTheChange;
    for (const ControlId id : painted)
        afterTheChange.push_back(SteadyPixelsOf(Control(id)));
    RedrawWindow(Main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (std::size_t i = 0; i < std::size(painted); ++i)
        EXPECT_TRUE(PixelsOnceTheyAre(Control(painted[i]), afterTheChange[i]) == afterTheChange[i])
            << "control " << painted[i] << " at " << other;

    // Back and forth, with transcripts between: every change replaces what the last made.
    const int gdiObjects = LiveGdiObjects();
    for (int change = 0; change < 6; ++change) {
        const int changed = change % 2 ? other : dpi;
        GetWindowRect(Main(), &suggested);
        SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(changed, changed), reinterpret_cast<LPARAM>(&suggested));
        SetWindowTextW(Control(InputBoxId), L"27");
        SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(ShowButtonId, BN_CLICKED), 0);
        Pump();
    }
    EXPECT_EQ(LiveGdiObjects(), gdiObjects);
}

TEST_F(OpenWindow, EveryControlShowsTimesNewRoman12PointCyrillic)
{
    for (const ControlLayout& layout : Controls) {
        SCOPED_TRACE(::testing::Message() << "control " << layout.id);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(Control(layout.id), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW requested{};
        GetObjectW(font, sizeof requested, &requested);
        EXPECT_STREQ(requested.lfFaceName, L"Times New Roman");
        EXPECT_EQ(requested.lfHeight, -MulDiv(12, ExpectedDpi(), 72));
        EXPECT_EQ(requested.lfWeight, FW_NORMAL);
        EXPECT_FALSE(requested.lfItalic || requested.lfUnderline || requested.lfStrikeOut);

        SIZE extent{};
        {
            const WindowDc dc(Control(layout.id));
            const SelectGuard selected(dc.get(), font);
            EXPECT_EQ(GetTextCharset(dc.get()), RUSSIAN_CHARSET);
            GetTextExtentPoint32W(dc.get(), L"Естествено число:", 17, &extent);
        }

        // The face is judged by its metrics: a sans serif stand-in would be wider.
        LOGFONTW serif = requested;
        wcscpy(serif.lfFaceName, L"Liberation Sans");
        const UniqueFont sans(CreateFontIndirectW(&serif));
        const WindowDc screen;
        const SelectGuard selected(screen.get(), sans.get());
        SIZE sansExtent{};
        GetTextExtentPoint32W(screen.get(), L"Естествено число:", 17, &sansExtent);
        EXPECT_LT(extent.cx, sansExtent.cx);
    }
}

// A text drawn black on white, centred, in a font, as pixels row by row.
std::vector<COLORREF> Drawn(const wchar_t* text, HFONT font, int width, int height)
{
    const WindowDc screen;
    const MemoryDc memory(screen.get());
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    const SelectGuard bitmapSelected(memory.get(), bitmap.get());
    const SelectGuard fontSelected(memory.get(), font);
    RECT all{0, 0, width, height};
    FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(memory.get(), TRANSPARENT);
    SetTextColor(memory.get(), RGB(0, 0, 0));
    DrawTextW(memory.get(), text, -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(GetPixel(memory.get(), x, y));
    return pixels;
}

TEST_F(OpenWindow, StatementIsShownFromTheTopWithTheFocusInTheOutputBox)
{
    EXPECT_EQ(TextOf(OutputBoxId), Statement());
    EXPECT_EQ(GetFocus(), Control(OutputBoxId));
    DWORD start = 1, end = 1;
    SendMessageW(Control(OutputBoxId), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    EXPECT_EQ(SendMessageW(Control(OutputBoxId), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(TextOf(InputBoxId), L"");
    EXPECT_EQ(SendMessageW(Control(InputBoxId), EM_GETLIMITTEXT, 0, 0), 4);
    EXPECT_GE(static_cast<DWORD>(SendMessageW(Control(OutputBoxId), EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu)
        << "no transcript is ever cut";
    EXPECT_EQ(TextOf(HeadingLabelId), L"Зомерита");
    EXPECT_EQ(TextOf(PromptLabelId), L"Естествено число:");
    EXPECT_EQ(TextOf(ShowButtonId), L"Изведи");
    EXPECT_EQ(TextOf(ClearButtonId), L"Чисти");

    // The buttons paint their captions themselves: the dark text on each face spans as
    // many pixels as its own caption does, drawn in the button's font.
    for (const auto& [id, caption] : {std::pair{ShowButtonId, L"Изведи"}, std::pair{ClearButtonId, L"Чисти"}}) {
        const HWND button = Control(id);
        const RECT bounds = BoundsOf(id);
        const int width = bounds.right - bounds.left;
        const int height = bounds.bottom - bounds.top;
        const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
        EXPECT_EQ(InkColumns(PixelsOf(button), width, Scaled(4)),
                  InkColumns(Drawn(caption, font, width, height), width, 0))
            << "painted caption of control " << id;
    }
}

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
BOOL CALLBACK CountMessageBox(HWND window, LPARAM count)
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
int MessageBoxes()
{
    int count = 0;
    EnumWindows(CountMessageBox, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Another program clicks the button while the box is up: the click is posted, then a new
// text limit for the input box behind it; once the limit shows, the click was handled.
int BoxesAfterAPostedClick(HWND button)
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

std::future<MessageBoxSeen> CloseNextMessageBox(HWND outputBox = nullptr, HWND clickedWhileShown = nullptr)
{
    return std::async(std::launch::async, [outputBox, clickedWhileShown] {
        MessageBoxSeen seen;
        for (int attempt = 0; attempt < 250; ++attempt) {
            if (const HWND box = ShownMessageBox()) {
                seen.text = MessageBoxText(box);
                seen.icon = MessageBoxIcon(box);
                seen.owner = GetWindow(box, GW_OWNER);
                seen.ownerVisible = IsWindowVisible(seen.owner);
                if (outputBox)
                    seen.outputWhileShown = ReadText(outputBox);
                if (clickedWhileShown)
                    seen.boxesAfterAClick = BoxesAfterAPostedClick(clickedWhileShown);
                // Every box that is up, the topmost (the latest) first, each once it shows.
                for (int wait = 0; wait < 500 && MessageBoxes() > 0; ++wait) {
                    if (const HWND shown = ShownMessageBox()) {
                        CloseWithEnter(shown);
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

// --- The owners of GDI objects, whose count the soak test watches for leaks ----------

TEST(UniqueGdiObject, CountsEachObjectOnceAndDeletesItOnceWhateverMovesIt)
{
    const int before = LiveGdiObjects();
    HBRUSH replaced = nullptr;
    HBRUSH kept = nullptr;
    {
        UniqueBrush first(CreateSolidBrush(RGB(1, 2, 3)));
        replaced = first.get();
        UniqueBrush second;
        second = std::move(first);
        EXPECT_EQ(LiveGdiObjects(), before + 1);

        second = UniqueBrush(CreateSolidBrush(RGB(4, 5, 6)));
        kept = second.get();
        EXPECT_EQ(GetObjectType(replaced), 0u) << "the replaced brush is deleted";
        EXPECT_EQ(LiveGdiObjects(), before + 1);

        UniqueBrush third(std::move(second));
        third = std::move(third);
        EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH)) << "a move to itself keeps it";
        EXPECT_EQ(LiveGdiObjects(), before + 1);
    }
    EXPECT_EQ(GetObjectType(kept), 0u);
    EXPECT_EQ(LiveGdiObjects(), before);

    // A pen selected for a paint goes back out of the DC before it is deleted: Windows
    // cannot delete an object that is still selected. The memory DC goes in its turn.
    HDC memory = nullptr;
    {
        const MemoryDc dc(nullptr);
        memory = dc.get();
        const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_PEN);
        HPEN used = nullptr;
        {
            const UniquePen pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
            used = pen.get();
            const SelectGuard selected(dc.get(), pen.get());
            EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), used);
        }
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), original) << "the DC has its own pen back";
        EXPECT_EQ(GetObjectType(used), 0u) << "and the pen is gone";
    }
    EXPECT_EQ(GetObjectType(memory), 0u) << "the memory DC is deleted";
}

// --- The shipped program, started as a user starts it ---------------------------------

std::wstring ProgramPath()
{
    return PathFromEnvironment("ZOMERITA_EXE", ZOMERITA_BUILT_PROGRAM);
}

// A started program, ended if it is still running when the test is over.
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
    EXPECT_EQ(client.right, 462);
    EXPECT_EQ(client.bottom, 390);

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
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring broken = std::wstring(folder) + L"zomerita-without-texts.exe";
    ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), broken.c_str(), FALSE));
    const HANDLE update = BeginUpdateResourceW(broken.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    // The string table's block of the caption and the control texts (ids 192 to 207),
    // with sixteen empty texts instead: each a length of 0.
    WORD emptyTexts[16] = {};
    ASSERT_TRUE(UpdateResourceW(update, RT_STRING, MAKEINTRESOURCEW(IDS_CAPTION / 16 + 1),
                                MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), emptyTexts, sizeof emptyTexts));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
    auto box = CloseNextMessageBox();
    const StartedProgram failed(broken, SW_SHOWMAXIMIZED);
    EXPECT_EQ(box.get().text,
              L"Програмата не може да стартира.\r\n\r\nПрозорецът на програмата не можа да бъде създаден.");
    const std::optional<DWORD> exitCode = failed.ExitCode(StartedProgram::LongestCloseMilliseconds);
    ASSERT_TRUE(exitCode) << "still running";
    EXPECT_NE(*exitCode, 0u);
    DeleteFileW(broken.c_str());
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
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring broken = std::wstring(folder) + L"zomerita-without-photograph.exe";
    ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), broken.c_str(), FALSE));
    const HANDLE update = BeginUpdateResourceW(broken.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    char notAPicture[] = "not a picture";
    ASSERT_TRUE(UpdateResourceW(update, RT_RCDATA, MAKEINTRESOURCEW(IDR_PHOTOGRAPH),
                                MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), notAPicture, sizeof notAPicture));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
    auto box = CloseNextMessageBox();
    const StartedProgram program(broken);
    const MessageBoxSeen seen = box.get();
    // (Its icon is another process's handle: a window error's icon is checked in the overflow test.)
    EXPECT_EQ(seen.text, L"Снимката не можа да бъде показана. Програмата работи и без нея.");
    EXPECT_TRUE(seen.ownerVisible) << "told once the window shows, and owned by it";
    const HWND window = VisibleWindowOf(program.id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(seen.owner, window);
    EXPECT_EQ(program.CloseAndWait(window), 0u);
    DeleteFileW(broken.c_str());
}

}  // namespace
}  // namespace zomerita::win
