// The real window as it looks: places, sizes, colours, the photograph, the icons and the
// fonts, read back from the window and the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "dpi.h"
#include "layout.h"
#include "open_window.h"
#include "version.h"
#include "win32_geometry.h"
#include "window_icon.h"

namespace zomerita::win {
namespace {

using namespace test_support;

// --- What the window looks like ------------------------------------------------------

// The design itself, in twips, is the layout table's, checked in pixels by the decision
// tests; here, that the window applies what the decisions give at its DPI.
TEST_F(OpenWindow, ClientAreaAndEveryControlSitWhereDesignedAtTheDpi)
{
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, ClientSize(ExpectedDpi()).width);
    EXPECT_EQ(client.bottom, ClientSize(ExpectedDpi()).height);
    for (const ControlLayout& control : Controls) {
        const RECT bounds = BoundsOf(control.id);
        SCOPED_TRACE(::testing::Message() << "control " << control.id << " at " << ExpectedDpi() << " DPI");
        EXPECT_EQ(FromRECT(bounds), PixelRect(control, ExpectedDpi()));
    }
}

TEST_F(OpenWindow, FrameOffersTheCloseBoxAlone)
{
    const LONG style = GetWindowLongW(Main(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

TEST_F(OpenWindow, TitleBarShowsThePublishersCaptionWithTheIcon)
{
    std::wstring caption(GetWindowTextLengthW(Main()) + 1, L'\0');
    caption.resize(GetWindowTextW(Main(), caption.data(), static_cast<int>(caption.size())));
    EXPECT_EQ(caption, L"" ZOMERITA_PUBLISHER_ADDRESS L" Зомерита");
    EXPECT_NE(SendMessageW(Main(), WM_GETICON, ICON_BIG, 0) ? 1 : GetClassLongPtrW(Main(), GCLP_HICON), 0);
}

// The work area, and whether the run has the task bar it was asked to have.
RECT WorkArea()
{
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    if (std::getenv("ZOMERITA_TASK_BAR")) {
        EXPECT_LT(work.bottom - work.top, GetSystemMetrics(SM_CYSCREEN)) << "no task bar takes its share";
    }
    return work;
}

TEST_F(OpenWindow, FrameIsCentredOnTheWorkArea)
{
    RECT frame;
    GetWindowRect(Main(), &frame);
    const RECT work = WorkArea();
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
}

TEST_F(OpenWindow, FrameIsKeptOnTheWorkAreaAfterADpiChangeButNotDuringADrag)
{
    RECT frame;
    GetWindowRect(Main(), &frame);
    const RECT work = WorkArea();
    // Kept on the work area after a change of DPI, whatever place the system suggests.
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
}

TEST_F(OpenWindow, FrameKeepsItsSizeWhateverAsksForAnother)
{
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
    RECT frame;
    GetWindowRect(Main(), &frame);
    SetWindowPos(Main(), nullptr, 0, 0, frame.right - frame.left + 200, frame.bottom - frame.top + 100,
                 SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(Main(), &client);
    EXPECT_TRUE(EqualRect(&client, &normal)) << "stretched: " << client.right << " x " << client.bottom;
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

// A point a few pixels inside a control, in client coordinates, as the decisions place it.
POINT Inside(ControlId id, int pixels)
{
    const Rect bounds = PixelRect(*LayoutOf(id), ExpectedDpi());
    return {bounds.left + pixels, bounds.top + pixels};
}

TEST_F(OpenWindow, ColoursOnScreenAreTheDesignedOnes)
{
    const auto colourAt = [this](POINT point) { return ColourAt(point.x, point.y); };
    EXPECT_EQ(ColourAt(Scaled(2), Scaled(2)), WindowBackground) << "window background";
    EXPECT_EQ(colourAt(Inside(HeadingLabelId, 3)), LabelBackground) << "heading";
    EXPECT_EQ(colourAt(Inside(PromptLabelId, 3)), LabelBackground) << "prompt";
    EXPECT_EQ(colourAt(Inside(ShowButtonId, 5)), ShowButtonFace) << "Изведи";
    EXPECT_EQ(colourAt(Inside(ClearButtonId, 5)), ClearButtonFace) << "Чисти";
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
    EXPECT_EQ(colourAt(Inside(OutputBoxId, Scaled(96))), GetSysColor(COLOR_WINDOW)) << "output box";
    EXPECT_EQ(colourAt(Inside(InputBoxId, Scaled(13))), GetSysColor(COLOR_WINDOW)) << "input box";

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

TEST_F(OpenWindow, TheIconsAreOfTheSizesTheDpiAsksFor)
{
    const int dpi = ExpectedDpi();
    EXPECT_TRUE(SameSize(WindowIconSize(Main(), ICON_BIG), MetricIconSize(false, dpi))) << "big icon at " << dpi;
    EXPECT_TRUE(SameSize(WindowIconSize(Main(), ICON_SMALL), MetricIconSize(true, dpi))) << "small icon at " << dpi;
    if (dpi == 144) {
        EXPECT_TRUE(SameSize(WindowIconSize(Main(), ICON_BIG), {48, 48})) << "the 48-pixel image at 144 DPI";
    }
}

// Moved to a monitor of another DPI: the DPI it is not at now.
int OtherDpi()
{
    return ExpectedDpi() == 144 ? 96 : 144;
}

TEST_F(OpenWindow, ADpiChangeRescalesTheWindowWholly)
{
    const int dpi = ExpectedDpi();
    // Moved to a monitor of another DPI, the window loads the icons for that one, and
    // nothing of the old scale stays on the screen: every control shows what a fresh
    // paint shows (the output box is left out, for its blinking caret).
    const int other = OtherDpi();
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
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
    Pump();
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
}

TEST_F(OpenWindow, ADpiChangeFreesWhatItReplaces)
{
    const auto iconOf = [this](WPARAM kind) {
        return reinterpret_cast<HICON>(SendMessageW(Main(), WM_GETICON, kind, 0));
    };
    const HICON oldIcons[] = {iconOf(ICON_BIG), iconOf(ICON_SMALL)};
    const auto oldFont = reinterpret_cast<HGDIOBJ>(SendMessageW(Control(InputBoxId), WM_GETFONT, 0, 0));
    RECT suggested;
    GetWindowRect(Main(), &suggested);
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(OtherDpi(), OtherDpi()), reinterpret_cast<LPARAM>(&suggested));
    Pump();
    EXPECT_EQ(GetObjectType(oldFont), 0u) << "the font of the old DPI";
    for (const HICON old : oldIcons) {
        ICONINFO info{};
        EXPECT_FALSE(GetIconInfo(old, &info)) << "an icon of the old DPI";
    }

    // Back and forth, with transcripts between: every change replaces what the last made.
    const int gdiObjects = LiveGdiObjects();
    for (int change = 0; change < 6; ++change) {
        const int changed = change % 2 ? ExpectedDpi() : OtherDpi();
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

}  // namespace
}  // namespace zomerita::win
