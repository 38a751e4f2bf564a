// The window as the student sees it, compared pixel for pixel with reference pictures
// kept in tests/window/pictures (or ZOMERITA_PICTURES): in the designed colours and under a
// dark scheme, with the focus on each button and on the picture, and with a button held
// down, at the DPI of the run. The output box's blinking caret is never in a picture.
// After a deliberate change of the window's look, ZOMERITA_REWRITE_PICTURES=1 writes the
// references anew (the README says how); a failure says where the pictures differ, and
// leaves the window's picture and a map of the differences beside the test. Exact, but
// for the scaled photograph (SamePixel).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "dark_scheme.h"
#include "open_window.h"
#include "png_file.h"

namespace zomerita::win {
namespace {

using test_support::Picture;

// How the window is arranged for one picture.
struct Look {
    const char* name;
    ControlId focus;
    bool dark = false;
    bool showHeldDown = false;
};

constexpr Look Looks[] = {
    {"focus-on-show", ShowButtonId},     {"focus-on-clear", ClearButtonId},
    {"focus-on-picture", PictureBoxId},  {"show-held-down", ShowButtonId, false, true},
    {"dark-scheme", ShowButtonId, true},
};

// The one place where a pixel may differ: the photograph, scaled with HALFTONE at other
// DPIs than 96, where Wine's 32-bit and 64-bit builds round the interpolation a unit
// apart. Inside it, away from its focus marks, each channel may be one unit off.
bool SamePixel(int x, int y, std::uint32_t expected, std::uint32_t shown)
{
    if (expected == shown)
        return true;
    const Rect photograph = PixelRect(*LayoutOf(PictureBoxId), ExpectedDpi());
    const int marks = Scaled(4);
    const bool inside = x >= photograph.left + marks && x < photograph.right - marks && y >= photograph.top + marks &&
        y < photograph.bottom - marks;
    for (int shift = 0; inside && shift < 24; shift += 8) {
        const int difference = static_cast<int>((expected >> shift) & 0xFF) - static_cast<int>((shown >> shift) & 0xFF);
        if (difference < -1 || difference > 1)
            return false;
    }
    return inside;
}

bool SamePicture(const Picture& expected, const Picture& shown)
{
    if (expected.width != shown.width || expected.height != shown.height)
        return false;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * expected.width + x;
            if (!SamePixel(x, y, expected.pixels[i], shown.pixels[i]))
                return false;
        }
    return true;
}

class Pictures : public OpenWindow {
protected:
    // The client area as the screen shows it.
    Picture ClientPicture() const
    {
        RECT client;
        GetClientRect(Main(), &client);
        MapWindowPoints(Main(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        test_support::ScreenCapture capture;
        const auto pixels = capture.Read(client);
        Picture picture{client.right - client.left, client.bottom - client.top, {pixels.begin(), pixels.end()}};
        for (std::uint32_t& pixel : picture.pixels)
            pixel &= 0x00FFFFFF;  // what the screen leaves in the unused byte is no colour
        return picture;
    }

    // What the screen shows once it shows the reference.
    Picture ClientPictureMatching(const std::optional<Picture>& reference) const
    {
        return ReadOnce([this] { return ClientPicture(); },
                        [&reference](const Picture& shown) { return !reference || SamePicture(*reference, shown); });
    }
};

// Where two pictures of one size differ: how many pixels, within which rectangle, and
// the first of them.
std::string Differences(const Picture& expected, const Picture& shown, Picture& map)
{
    map = expected;
    int count = 0;
    RECT bounds{expected.width, expected.height, 0, 0};
    std::string first;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * expected.width + x;
            map.pixels[i] = (expected.pixels[i] >> 2) & 0x3F3F3F;  // faded
            if (SamePixel(x, y, expected.pixels[i], shown.pixels[i]))
                continue;
            map.pixels[i] = 0xFF0000;
            if (count++ == 0) {
                char text[96];
                snprintf(text, sizeof text, "; the first at (%d,%d): #%06X expected, #%06X shown", x, y,
                         expected.pixels[i], shown.pixels[i]);
                first = text;
            }
            bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                      std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
        }
    return std::to_string(count) + " pixels differ, within (" + std::to_string(bounds.left) + "," +
        std::to_string(bounds.top) + ")-(" + std::to_string(bounds.right) + "," + std::to_string(bounds.bottom) + ")" +
        first;
}

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// What is wrong with the window's picture against the reference in a file; nothing if
// they are the same. Or, when asked, the reference written anew.
std::string Compared(const std::string& name, const Picture& shown, const std::optional<Picture>& reference)
{
    if (reference && SamePicture(*reference, shown))
        return {};
    test_support::WritePng(Wide(name) + L".shown.png", shown);
    if (!reference)
        return "no reference picture " + name + ".png: ZOMERITA_REWRITE_PICTURES=1 writes it";
    if (reference->width != shown.width || reference->height != shown.height)
        return "the client area is " + std::to_string(shown.width) + "x" + std::to_string(shown.height) +
            ", the reference " + std::to_string(reference->width) + "x" + std::to_string(reference->height);
    Picture map;
    const std::string where = Differences(*reference, shown, map);
    test_support::WritePng(Wide(name) + L".differences.png", map);
    return where + " (the window's picture: " + name + ".shown.png, the differences in red: " + name +
        ".differences.png, beside the test)";
}

TEST_F(Pictures, TheClientAreaIsTheReferencePicture)
{
    const std::wstring folder = PathFromEnvironment("ZOMERITA_PICTURES", ZOMERITA_REFERENCE_PICTURES);
    const bool rewrite = std::getenv("ZOMERITA_REWRITE_PICTURES") != nullptr;
    for (const Look& look : Looks) {
        const std::string name = std::to_string(ExpectedDpi()) + "-dpi-" + look.name;
        const std::wstring path = folder + L"\\" + Wide(name) + L".png";
        {
            // The system tells the window of its colours' change, as it tells every window.
            std::optional<DarkScheme> dark;
            if (look.dark)
                dark.emplace();
            SetFocus(Control(look.focus));
            SendMessageW(Control(ShowButtonId), BM_SETSTATE, look.showHeldDown, 0);
            Pump();
            if (rewrite) {
                EXPECT_TRUE(test_support::WritePng(path, ClientPicture())) << "could not write " << name;
            } else {
                const std::optional<Picture> reference = test_support::ReadPng(path);
                const std::string wrong = Compared(name, ClientPictureMatching(reference), reference);
                EXPECT_EQ(wrong, "") << name;
            }
            SendMessageW(Control(ShowButtonId), BM_SETSTATE, FALSE, 0);
        }
        Pump();
    }
}

}  // namespace
}  // namespace zomerita::win
