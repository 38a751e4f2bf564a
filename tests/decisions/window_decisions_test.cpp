// The window's decisions, each against what Windows documents for the values it is
// given, on any machine: no window, no Wine. The window tests check that the window
// applies them.
#include <gtest/gtest.h>

#include <string>

#include <algorithm>
#include <utility>
#include <vector>

#include "colours.h"
#include "focus_marks.h"
#include "frame.h"
#include "layout.h"
#include "message_style.h"
#include "placement.h"
#include "scaling.h"
#include "win32_values.h"

namespace zomerita::win {

void PrintTo(const Rect& rect, std::ostream* out)
{
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

void PrintTo(const Size& size, std::ostream* out)
{
    *out << size.width << " x " << size.height;
}

namespace {

using namespace win32;

// --- The layout table at a DPI -------------------------------------------------------

class LayoutAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(LayoutAtDpi, EveryControlSitsWhereDesignedInsideTheClientArea)
{
    const int dpi = GetParam();
    // Pixels at 96 DPI, from the design; at other DPIs each edge rounds to the nearest pixel.
    const struct {
        ControlId id;
        Rect at96;
    } designed[] = {
        {HeadingLabelId, {64, 0, 369, 25}}, {PictureBoxId, {8, 32, 199, 186}},    {PromptLabelId, {232, 56, 377, 81}},
        {InputBoxId, {376, 56, 457, 83}},   {ShowButtonId, {232, 120, 353, 145}}, {ClearButtonId, {352, 160, 457, 185}},
        {OutputBoxId, {8, 192, 457, 385}},
    };
    const auto scaled = [dpi](int at96) { return static_cast<int>(at96 * dpi / 96.0 + 0.5); };
    const Size client = ClientSize(dpi);
    EXPECT_EQ(client, (Size{scaled(462), scaled(390)}));
    for (const auto& control : designed) {
        SCOPED_TRACE(::testing::Message() << "control " << control.id << " at " << dpi << " DPI");
        ASSERT_NE(LayoutOf(control.id), nullptr);
        const Rect bounds = PixelRect(*LayoutOf(control.id), dpi);
        EXPECT_EQ(bounds.left, scaled(control.at96.left));
        EXPECT_EQ(bounds.top, scaled(control.at96.top));
        EXPECT_EQ(bounds.width(), scaled(control.at96.width()));
        EXPECT_EQ(bounds.height(), scaled(control.at96.height()));
        EXPECT_LE(bounds.right, client.width);
        EXPECT_LE(bounds.bottom, client.height);
    }
}

INSTANTIATE_TEST_SUITE_P(Dpis, LayoutAtDpi, ::testing::Values(96, 120, 144, 168, 192),
                         [](const ::testing::TestParamInfo<int>& test) { return std::to_string(test.param) + "Dpi"; });

TEST(Layout, TwipsRoundToTheNearestPixelAndTheDpiIsTheBestKnown)
{
    EXPECT_EQ(ToPixels(375, 120), 31);  // 31.25
    EXPECT_EQ(ToPixels(2865, 120), 239);  // 238.75
    EXPECT_EQ(ToPixels(375, 168), 44);  // 43.75
    EXPECT_EQ(ToPixels(405, 168), 47);  // 47.25
    // Halves away from zero, as MulDiv: 1.5 gives 2, -1.5 gives -2.
    EXPECT_EQ(ScaledBy(3, 1, 2), 2);
    EXPECT_EQ(ScaledBy(-3, 1, 2), -2);
    // The window's where the system knows it, else the system's, else 96.
    EXPECT_EQ(ChooseDpi(144, 96), 144);
    EXPECT_EQ(ChooseDpi(96, 120), 96);
    EXPECT_EQ(ChooseDpi(0, 120), 120);
    EXPECT_EQ(ChooseDpi(0, 0), 96);
}

TEST(Layout, EachControlHasTheClassAndStylesOfItsKind)
{
    const auto classOf = [](ControlId id) { return ClassOf(LayoutOf(id)->kind); };
    const auto has = [](std::uint32_t style, std::uint32_t flags) { return (style & flags) == flags; };
    // Tab stops in creation order: output box, input box, "Изведи", "Чисти", picture.
    std::vector<int> tabStops;
    for (const ControlLayout& control : Controls)
        if (ClassOf(control.kind).style & WsTabStop)
            tabStops.push_back(control.id);
    EXPECT_EQ(tabStops, (std::vector<int>{OutputBoxId, InputBoxId, ShowButtonId, ClearButtonId, PictureBoxId}));

    const ControlClass input = classOf(InputBoxId);
    EXPECT_STREQ(input.name, L"EDIT");
    EXPECT_TRUE(has(input.style, WsVisible | EsCenter));
    EXPECT_FALSE(input.style & (EsMultiline | EsReadOnly));

    const ControlClass output = classOf(OutputBoxId);
    EXPECT_STREQ(output.name, L"EDIT");
    EXPECT_TRUE(has(output.style, WsVisible | WsVScroll | EsMultiline | EsReadOnly));
    EXPECT_TRUE(has(output.extendedStyle, WsExClientEdge));

    for (const ControlId label : {HeadingLabelId, PromptLabelId}) {
        EXPECT_STREQ(classOf(label).name, L"STATIC");
        EXPECT_EQ(classOf(label).style & 0x1F, SsCenter) << "centred text, control " << label;
    }
    for (const ControlId button : {ShowButtonId, ClearButtonId}) {
        EXPECT_STREQ(classOf(button).name, L"BUTTON");
        EXPECT_EQ(classOf(button).style & 0xF, BsOwnerDraw) << "a face of its own colour, control " << button;
    }
    const ControlClass picture = classOf(PictureBoxId);
    EXPECT_EQ(picture.style & 0x1F, SsOwnerDraw);
    EXPECT_TRUE(has(picture.extendedStyle, WsExClientEdge)) << "the sunken border";
    EXPECT_FALSE(classOf(OutputNameId).style & WsVisible) << "the spoken name is never shown";
    EXPECT_EQ(LayoutOf(1), nullptr) << "no row for an id the table lacks (IDOK)";
}

// --- Colours -------------------------------------------------------------------------

struct HighContrastCase {
    unsigned flags;
    bool systemColours;
};

class ColoursForFlags : public ::testing::TestWithParam<HighContrastCase> {};

TEST_P(ColoursForFlags, AreTheSystemsOnlyWhereHighContrastIsOn)
{
    // Four distinct system colours, so that each is seen where it belongs.
    const SystemColours system{Rgb(1, 0, 0), Rgb(2, 0, 0), Rgb(3, 0, 0), Rgb(4, 0, 0)};
    const Colours chosen = ChooseColours(GetParam().flags, system);
    const Colours designed{.window = Rgb(192, 192, 255),
                           .labelFace = Rgb(255, 192, 128),
                           .labelText = Rgb(0, 0, 0),
                           .showFace = Rgb(128, 255, 128),
                           .clearFace = Rgb(255, 128, 128),
                           .buttonText = Rgb(0, 0, 0),
                           .focusMark = Rgb(0, 0, 0),
                           .focusHalo = Rgb(255, 255, 255),
                           .outputFace = system.window,
                           .outputText = system.windowText};
    if (!GetParam().systemColours) {
        EXPECT_TRUE(chosen == designed) << "flags " << GetParam().flags;
        return;
    }
    // Under high contrast, each text and mark with what it lies on is one of the
    // system's own pairs, so that it contrasts as the user chose.
    using OnFace = std::pair<Colour, Colour>;
    const OnFace buttonPair{system.buttonText, system.buttonFace};
    EXPECT_EQ(chosen.window, system.window);
    EXPECT_EQ(OnFace(chosen.labelText, chosen.labelFace), OnFace(system.windowText, system.window));
    EXPECT_EQ(OnFace(chosen.outputText, chosen.outputFace), OnFace(system.windowText, system.window));
    EXPECT_EQ(OnFace(chosen.buttonText, chosen.showFace), buttonPair);
    EXPECT_EQ(OnFace(chosen.buttonText, chosen.clearFace), buttonPair);
    EXPECT_EQ(OnFace(chosen.focusMark, chosen.focusHalo), buttonPair) << "the picture's mark and its halo";
}

// HCF_AVAILABLE (2) is set on nearly every Windows whether high contrast is on or not;
// only HCF_HIGHCONTRASTON (1) says that it is on. 4 is HCF_CONFIRMHOTKEY.
INSTANTIATE_TEST_SUITE_P(Flags, ColoursForFlags,
                         ::testing::Values(HighContrastCase{0, false}, HighContrastCase{HcfAvailable, false},
                                           HighContrastCase{HcfAvailable | 4, false},
                                           HighContrastCase{HcfHighContrastOn, true},
                                           HighContrastCase{HcfHighContrastOn | HcfAvailable, true}),
                         [](const ::testing::TestParamInfo<HighContrastCase>& test) {
                             return "Flags" + std::to_string(test.param.flags);
                         });

// --- Where the frame goes, and its size ----------------------------------------------

TEST(Frame, IsCentredOnTheWorkAreaOrKeptOnItAndOfTheDesignedSizeAtEveryDpi)
{
    // A monitor to the left of the primary one, below a task bar at its top.
    const Rect left{-1280, 40, 0, 1024};
    EXPECT_EQ(CentredOnWorkArea({400, 300}, left), (Rect{-840, 382, -440, 682}));
    const Rect elsewhere{100, 50, 1100, 850};
    EXPECT_EQ(CentredOnWorkArea({400, 300}, elsewhere), (Rect{400, 300, 800, 600}));
    // Larger than the work area: its title bar and left edge stay on it.
    EXPECT_EQ(CentredOnWorkArea({1200, 900}, elsewhere), (Rect{100, 50, 1300, 950}));
    EXPECT_EQ(KeptOnWorkArea({150, 60, 550, 360}, elsewhere), (Rect{150, 60, 550, 360})) << "on it, it stays";
    EXPECT_EQ(KeptOnWorkArea({70, 20, 470, 320}, elsewhere), (Rect{100, 50, 500, 350}));
    EXPECT_EQ(KeptOnWorkArea({-1300, 0, -900, 300}, left), (Rect{-1280, 40, -880, 340}));

    // Past the right and bottom edges too, after the scale is raised: back onto the work area.
    EXPECT_EQ(KeptOnWorkArea({900, 700, 1300, 1000}, elsewhere), (Rect{700, 550, 1100, 850}));
    EXPECT_EQ(KeptOnWorkArea({-300, 600, 100, 900}, left), (Rect{-400, 600, 0, 900})) << "right edge alone";
    EXPECT_EQ(KeptOnWorkArea({-900, 900, -500, 1200}, left), (Rect{-900, 724, -500, 1024})) << "bottom edge alone";
    // Larger and past the far edges: the near ones win.
    EXPECT_EQ(KeptOnWorkArea({500, 400, 1700, 1300}, elsewhere), (Rect{100, 50, 1300, 950}));

    // The caption and borders do not scale with the client area: the frame is the
    // designed client area at the DPI, with the frame's own insets at that DPI.
    EXPECT_EQ(DesignedFrame({3, 26, 3, 3}, 96), (Size{468, 419}));
    EXPECT_EQ(DesignedFrame({4, 38, 5, 6}, 144), (Size{693 + 9, 585 + 44}));
    EXPECT_EQ(DesignedFrame({0, 0, 0, 0}, 120), ClientSize(120));
    // After a change of DPI: where Windows suggests, at the designed size.
    EXPECT_EQ(FrameAfterDpiChange({10, 20, 715, 650}, {702, 629}), (Rect{10, 20, 712, 649}));
    EXPECT_EQ(FrameAfterDpiChange({-700, -5, 0, 620}, {468, 419}), (Rect{-700, -5, -232, 414}));

    // The client area read back: a frame that holds more or less than the designed client
    // area grows or shrinks by the difference, once; a right one, or a minimised one, stays.
    const Rect frame{10, 20, 712, 649};
    EXPECT_EQ(FrameCorrectedForClient(frame, {693, 594}, {693, 585}, false), (Rect{10, 20, 712, 640}));
    EXPECT_EQ(FrameCorrectedForClient(frame, {690, 588}, {693, 585}, false), (Rect{10, 20, 715, 646}));
    EXPECT_EQ(FrameCorrectedForClient(frame, {693, 585}, {693, 585}, false), frame);
    EXPECT_EQ(FrameCorrectedForClient(frame, {0, 0}, {693, 585}, true), frame);
}

TEST(IconSizes, AreTheSystemsScaledToTheDpiWhereWindowsHasNoMetricsForIt)
{
    EXPECT_EQ(ScaledIconSize({32, 32}, 96, 144), (Size{48, 48}));
    EXPECT_EQ(ScaledIconSize({16, 16}, 96, 120), (Size{20, 20}));
    EXPECT_EQ(ScaledIconSize({48, 48}, 144, 168), (Size{56, 56}));
    EXPECT_EQ(ScaledIconSize({32, 24}, 96, 96), (Size{32, 24}));
}

// --- Focus marks ---------------------------------------------------------------------

struct FocusCase {
    int dpi;
    Size chosen;  // the user's thickness at 96 DPI
    Size thickness;  // at the DPI
    int buttonInset;
};

class FocusMarksAt : public ::testing::TestWithParam<FocusCase> {};

TEST_P(FocusMarksAt, AreAsThickAsTheUsersChoiceAtTheDpi)
{
    const FocusCase& c = GetParam();
    const Rect button{232, 120, 353, 145};
    const FocusMark mark = ButtonFocusMark(button, c.chosen, c.dpi);
    EXPECT_EQ(mark.thickness, c.thickness);
    EXPECT_EQ(mark.bounds,
              (Rect{button.left + c.buttonInset, button.top + c.buttonInset, button.right - c.buttonInset,
                    button.bottom - c.buttonInset}));
    // Round the picture: the dark mark on its edge, the light halo just inside it.
    const Rect picture{10, 20, 200, 180};
    const PictureFocusMarks marks = PictureFocusMark(picture, c.chosen, c.dpi);
    EXPECT_EQ(marks.mark, (FocusMark{picture, c.thickness}));
    EXPECT_EQ(marks.halo,
              (FocusMark{{picture.left + c.thickness.width, picture.top + c.thickness.height,
                          picture.right - c.thickness.width, picture.bottom - c.thickness.height},
                         c.thickness}));
}

INSTANTIATE_TEST_SUITE_P(Dpis, FocusMarksAt,
                         ::testing::Values(FocusCase{96, {1, 1}, {1, 1}, 3}, FocusCase{144, {1, 1}, {2, 2}, 5},
                                           FocusCase{192, {2, 1}, {4, 2}, 6}, FocusCase{120, {0, 0}, {1, 1}, 4},
                                           FocusCase{168, {3, 2}, {5, 4}, 5}),
                         [](const ::testing::TestParamInfo<FocusCase>& test) {
                             const FocusCase& c = test.param;
                             return std::to_string(c.dpi) + "DpiChosen" + std::to_string(c.chosen.width) + "x" +
                                 std::to_string(c.chosen.height);
                         });

// --- Message boxes -------------------------------------------------------------------

TEST(MessageBoxes, WarnOfARefusedInputAndShowAnErrorForTheRest)
{
    EXPECT_EQ(MessageBoxStyle(ErrorKind::RefusedInput), MbOk | MbIconWarning);
    for (const ErrorKind kind :
         {ErrorKind::WindowFailure, ErrorKind::OutOfMemory, ErrorKind::Unexpected, ErrorKind::FailedStart})
        EXPECT_EQ(MessageBoxStyle(kind), MbOk | MbIconError) << "kind " << static_cast<int>(kind);
}

}  // namespace
}  // namespace zomerita::win
