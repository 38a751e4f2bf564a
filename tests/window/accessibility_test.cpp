// What a student who does not see the window as designed gets: names for a screen
// reader, text that stays readable under any colour scheme, and visible focus marks.
// Colours are read back from the screen and judged by their contrast ratio.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "system_colours.h"
#include "gdi_handles.h"
#include "layout.h"
#include "dark_scheme.h"
#include "open_window.h"
#include "user_input.h"
#include "win32_values.h"

namespace zomerita::win {
namespace {

// The contrast ratio of two colours as accessibility guidelines define it: 1 to 21.
double Luminance(COLORREF colour)
{
    const auto linear = [](BYTE channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) + 0.0722 * linear(GetBValue(colour));
}

double Contrast(COLORREF first, COLORREF second)
{
    const double lighter = std::max(Luminance(first), Luminance(second));
    const double darker = std::min(Luminance(first), Luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

// How well a control's text stands out from its face: the face is the colour at the
// control's centre-left edge, the text the pixel that differs most from it.
double TextContrastOf(HWND control)
{
    const std::vector<COLORREF> pixels = PixelsOf(control);
    RECT bounds;
    GetWindowRect(control, &bounds);
    const int width = bounds.right - bounds.left;
    const COLORREF face = pixels[static_cast<std::size_t>((bounds.bottom - bounds.top) / 2 * width + 4)];
    double best = 1;
    for (const COLORREF pixel : pixels)
        best = std::max(best, Contrast(pixel, face));
    return best;
}

// The windows that receive WM_SYSCOLORCHANGE, one entry each time, when `window` is
// told of a change of the system's colours or of high contrast.
std::vector<HWND> toldOfAColourChange;

LRESULT CALLBACK RecordColourChange(int code, WPARAM wParam, LPARAM lParam)
{
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent.message == WM_SYSCOLORCHANGE)
        toldOfAColourChange.push_back(sent.hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<HWND> ControlsToldOfAColourChange(HWND window, UINT message, WPARAM wParam = 0)
{
    toldOfAColourChange.clear();
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordColourChange, nullptr, GetCurrentThreadId());
    SendMessageW(window, message, wParam, 0);
    UnhookWindowsHookEx(hook);
    return toldOfAColourChange;
}

class Accessible : public OpenWindow {
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    static void TearDownTestSuite() { CoUninitialize(); }

    // The name a screen reader gives a control, through the system's accessibility proxy.
    std::wstring SpokenNameOf(ControlId id) const
    {
        IAccessible* accessible = nullptr;
        // The IID from the header, not from an import library: with x86-64's, linking
        // oleacc before uuid makes &IID_IAccessible a code thunk's address.
        if (FAILED(AccessibleObjectFromWindow(Control(id), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&accessible))))
            return L"(no accessible object)";
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        std::wstring result = L"(no name)";
        if (accessible->get_accName(self, &name) == S_OK && name)
            result.assign(name, SysStringLen(name));
        SysFreeString(name);
        accessible->Release();
        return result;
    }
};

TEST_F(Accessible, EveryFocusStopHasASpokenName)
{
    EXPECT_EQ(SpokenNameOf(OutputBoxId), L"Редицата стъпка по стъпка");
    EXPECT_EQ(SpokenNameOf(InputBoxId), L"Естествено число:");
    EXPECT_EQ(SpokenNameOf(ShowButtonId), L"Изведи");
    EXPECT_EQ(SpokenNameOf(ClearButtonId), L"Чисти");
    EXPECT_EQ(SpokenNameOf(PictureBoxId), L"Снимка: червен висящ мост над залив");
}

TEST_F(Accessible, TextOnTheFacesStaysReadableUnderADarkScheme)
{
    const DarkScheme dark;
    Pump();
    for (const ControlId id : {HeadingLabelId, PromptLabelId, ShowButtonId, ClearButtonId}) {
        const double contrast = TextContrastOf(Control(id));
        std::printf("dark scheme: control %d, text contrast %.2f:1\n", id, contrast);
        EXPECT_GE(contrast, 4.5) << "control " << id;
    }
}

TEST_F(Accessible, HighContrastPaintsWithTheSystemColoursAndSwitchesBackExactly)
{
    const DarkScheme dark;
    const int gdiObjects = LiveGdiObjects();
    window_->UseColours(ChooseColours(win32::HcfHighContrastOn, CurrentSystemColours()));
    Pump();
    EXPECT_EQ(ColourAt(2, 2), GetSysColor(COLOR_WINDOW)) << "window background";
    EXPECT_EQ(ColourAt(BoundsOf(HeadingLabelId).left + 3, 3), GetSysColor(COLOR_WINDOW)) << "heading";
    EXPECT_EQ(ColourAt(BoundsOf(ShowButtonId).left + 5, BoundsOf(ShowButtonId).top + 5), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColourAt(BoundsOf(ClearButtonId).left + 5, BoundsOf(ClearButtonId).top + 5), GetSysColor(COLOR_BTNFACE));
    for (const ControlId id : {HeadingLabelId, PromptLabelId, ShowButtonId, ClearButtonId}) {
        const double contrast = TextContrastOf(Control(id));
        std::printf("high contrast, dark scheme: control %d, text contrast %.2f:1\n", id, contrast);
        EXPECT_GE(contrast, 4.5) << "control " << id;
    }

    window_->UseColours(ChooseColours(0, CurrentSystemColours()));
    Pump();
    EXPECT_EQ(ColourAt(2, 2), WindowBackground);
    EXPECT_EQ(ColourAt(BoundsOf(HeadingLabelId).left + 3, 3), LabelBackground);
    EXPECT_EQ(ColourAt(BoundsOf(PromptLabelId).left + 3, BoundsOf(PromptLabelId).top + 3), LabelBackground);
    EXPECT_EQ(ColourAt(BoundsOf(ShowButtonId).left + 5, BoundsOf(ShowButtonId).top + 5), ShowButtonFace);
    EXPECT_EQ(ColourAt(BoundsOf(ClearButtonId).left + 5, BoundsOf(ClearButtonId).top + 5), ClearButtonFace);
    EXPECT_EQ(LiveGdiObjects(), gdiObjects) << "the brushes of each scheme replace the last ones";

    // The controls keep the system's colours too: every one hears of a change, of the
    // colours or of high contrast.
    for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{WM_SYSCOLORCHANGE, 0},
                                          std::pair<UINT, WPARAM>{WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST}}) {
        const std::vector<HWND> told = ControlsToldOfAColourChange(Main(), message, wParam);
        for (const ControlLayout& control : Controls)
            EXPECT_EQ(std::count(told.begin(), told.end(), Control(control.id)), 1)
                << "control " << control.id << ", message " << message;
    }
}

TEST_F(Accessible, FocusMarksStandOutFromWhatIsUnderThem)
{
    // From the output box, Tab visits the input box, then the two buttons and the picture.
    test_support::PressKey(VK_TAB);
    Pump();
    UINT systemThickness = 1;  // the user's choice, in pixels at 96 DPI
    UINT systemWidth = 1;
    SystemParametersInfoW(SPI_GETFOCUSBORDERHEIGHT, 0, &systemThickness, 0);
    SystemParametersInfoW(SPI_GETFOCUSBORDERWIDTH, 0, &systemWidth, 0);
    for (const ControlId id : {ShowButtonId, ClearButtonId, PictureBoxId}) {
        const std::vector<COLORREF> before = PixelsOf(Control(id));
        test_support::PressKey(VK_TAB);
        Pump();
        ASSERT_EQ(GetFocus(), Control(id));
        const std::vector<COLORREF> after = PixelsOf(Control(id));
        double strongest = 1;
        for (std::size_t i = 0; i < after.size(); ++i)
            strongest = std::max(strongest, Contrast(before[i], after[i]));
        std::printf("focus mark on control %d: %.2f:1 against what was under it\n", id, strongest);
        EXPECT_GE(strongest, 3.0) << "control " << id;

        // As thick as the DPI makes the system's width: the most rows of the mark's top
        // edge that changed in any one column of the middle third (the dots of a dotted
        // mark lie in whole columns; the picture's mark has a halo as thick inside it).
        RECT bounds;
        GetWindowRect(Control(id), &bounds);
        const int width = bounds.right - bounds.left;
        int thickness = 0;
        int firstRow = width;
        for (int x = width / 3; x < 2 * width / 3; ++x) {
            int rows = 0;
            for (int y = 0; y < (bounds.bottom - bounds.top) / 4; ++y) {
                if (before[static_cast<std::size_t>(y * width + x)] != after[static_cast<std::size_t>(y * width + x)]) {
                    ++rows;
                    firstRow = std::min(firstRow, y);
                }
            }
            thickness = std::max(thickness, rows);
        }
        EXPECT_EQ(thickness, Scaled(static_cast<int>(std::max(systemThickness, 1u))) * (id == PictureBoxId ? 2 : 1))
            << "control " << id << " at " << ExpectedDpi() << " DPI";
        // And its left edge, column by column in the rows of the middle third.
        const int height = bounds.bottom - bounds.top;
        int sideThickness = 0;
        for (int y = height / 3; y < 2 * height / 3; ++y) {
            int columns = 0;
            for (int x = 0; x < width / 4; ++x)
                columns +=
                    before[static_cast<std::size_t>(y * width + x)] != after[static_cast<std::size_t>(y * width + x)];
            sideThickness = std::max(sideThickness, columns);
        }
        EXPECT_EQ(sideThickness, Scaled(static_cast<int>(std::max(systemWidth, 1u))) * (id == PictureBoxId ? 2 : 1))
            << "control " << id << " at " << ExpectedDpi() << " DPI";
        // A button's mark lies 3 pixels inside its edge at 96 DPI, and scales too: at the
        // top, and at the bottom.
        if (id != PictureBoxId) {
            EXPECT_EQ(firstRow, Scaled(3)) << "control " << id << " at " << ExpectedDpi() << " DPI";
            int lastRow = -1;
            for (int y = (bounds.bottom - bounds.top) * 3 / 4; y < bounds.bottom - bounds.top; ++y)
                for (int x = width / 3; x < 2 * width / 3; ++x)
                    if (before[static_cast<std::size_t>(y * width + x)] !=
                        after[static_cast<std::size_t>(y * width + x)])
                        lastRow = y;
            EXPECT_EQ(lastRow, bounds.bottom - bounds.top - 1 - Scaled(3)) << "control " << id;
        }
    }
    // And it goes when the focus leaves.
    const std::vector<COLORREF> focused = PixelsOf(Control(PictureBoxId));
    test_support::PressKey(VK_TAB);
    Pump();
    EXPECT_NE(PixelsOf(Control(PictureBoxId)), focused);
}

}  // namespace
}  // namespace zomerita::win
