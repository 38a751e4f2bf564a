// Thousands of random user actions on the real window, seeded and reproducible:
//   ZOMERITA_SOAK_ACTIONS (default 400), ZOMERITA_SOAK_SEED (default 20261208).
// After every action the window must have answered within a bound, and its boxes hold
// only what the rules allow; its own GDI objects and its controls must not grow.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "fake_window.h"
#include "gdi_handles.h"
#include "main_window.h"
#include "open_window.h"
#include "sequence_error.h"
#include "thread_hook.h"
#include "user_input.h"

namespace zomerita::win {
namespace {

using namespace test_support;

unsigned long Setting(const char* name, unsigned long fallback)
{
    const char* const value = std::getenv(name);
    return value ? std::strtoul(value, nullptr, 10) : fallback;
}

// Closes every message box of the program as soon as it shows, with the Enter key,
// and keeps what each one said.
class MessageBoxCloser {
public:
    MessageBoxCloser() : thread_([this] { Run(); }) {}
    MessageBoxCloser(const MessageBoxCloser&) = delete;
    MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;
    ~MessageBoxCloser()
    {
        stop_ = true;
        thread_.join();
    }

    std::vector<std::wstring> TakeReports()
    {
        const std::lock_guard lock(mutex_);
        return std::exchange(reports_, {});
    }

private:
    void Run()
    {
        while (!stop_) {
            const HWND box = ShownMessageBox();
            if (!box) {
                Sleep(5);
                continue;
            }
            const std::wstring text = MessageBoxText(box);
            {
                // Kept before the box closes, so it is there when the click's handler returns.
                const std::lock_guard lock(mutex_);
                reports_.push_back(text);
            }
            CloseWithEnter(box);
            for (int wait = 0; wait < 400 && IsWindow(box); ++wait)
                Sleep(5);
        }
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::wstring> reports_;
    std::thread thread_;
};

// What the boxes must hold, reckoned by the logic itself over plain strings at the
// moment the window receives each click: the window must show the same.
struct Expectation {
    HWND main = nullptr;
    HWND input = nullptr;
    std::wstring output;
    std::vector<std::wstring> reports;
    int clicks = 0;

    void OnClick(int buttonId)
    {
        ++clicks;
        test_support::FakeWindow window;
        window.input = ReadText(input);
        window.output = output;
        MainWindow handlers(window);
        try {
            handlers.OnCommandClick(buttonId == ShowButtonId ? MainWindow::ShowCommand : MainWindow::ClearCommand);
        } catch (const SequenceError& error) {
            reports.push_back(error.text());
        }
        output = window.output;
    }
};

Expectation* watched = nullptr;

// Sees every click as the window is about to receive it, mouse or space bar alike.
LRESULT CALLBACK WatchClicks(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* const call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && watched && call->hwnd == watched->main && call->message == WM_COMMAND) {
        const int id = LOWORD(call->wParam);
        const int notification = HIWORD(call->wParam);
        const bool click = (id == ShowButtonId || id == ClearButtonId) &&
            (notification == BN_CLICKED || notification == BN_DOUBLECLICKED);
        // Nothing may be thrown through the system's hook chain: it becomes a failure here.
        try {
            if (click)
                watched->OnClick(id);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "reckoning the click failed: " << error.what();
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The clicks reckoned into `expected` while this lives; the hook goes before the pointer
// it reads, however the test ends.
class ClicksWatched {
public:
    explicit ClicksWatched(Expectation& expected) noexcept { watched = &expected; }
    ClicksWatched(const ClicksWatched&) = delete;
    ClicksWatched& operator=(const ClicksWatched&) = delete;
    ~ClicksWatched() { watched = nullptr; }

    bool Installed() const noexcept { return hook_.Installed(); }

private:
    ThreadHook hook_{WH_CALLWNDPROC, WatchClicks};
};

std::wstring RandomText(std::mt19937& random, std::size_t length)
{
    static const std::wstring alphabet = L"0123456789012345678901234567890123456789 .+-eEaxZяЖщ\t";
    std::wstring text;
    for (std::size_t i = 0; i < length; ++i)
        text += alphabet[random() % alphabet.size()];
    return text;
}

class Soak : public OpenWindow {};

TEST_F(Soak, RandomUserActionsNeverHangLeakOrShowWhatTheRulesDoNotAllow)
{
    const unsigned long actions = Setting("ZOMERITA_SOAK_ACTIONS", 400);
    const unsigned long seed = Setting("ZOMERITA_SOAK_SEED", 20261208);
    std::mt19937 random(seed);
    constexpr auto answerBound = std::chrono::seconds(3);

    Expectation expected;
    expected.main = Main();
    expected.input = Control(InputBoxId);
    expected.output = TextOf(OutputBoxId);
    const ClicksWatched clicks(expected);
    ASSERT_TRUE(clicks.Installed());
    MessageBoxCloser closer;

    const int gdiObjectsAtStart = LiveGdiObjects();
    const DWORD systemGdiAtStart = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD systemUserAtStart = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    bool inputSetByAnotherProgram = false;

    for (unsigned long action = 0; action < actions && !HasFailure(); ++action) {
        const unsigned kind = random() % 100;
        std::string described;
        if (kind < 30) {
            const std::wstring text = RandomText(random, 1 + random() % 3);
            described = "type " + std::to_string(text.size()) + " characters";
            TypeText(text);
        } else if (kind < 38) {
            const std::size_t length = random() % 4 == 0 ? random() % 2000 : random() % 8;
            described = "paste " + std::to_string(length) + " characters";
            PutOnClipboard(Main(), RandomText(random, length));
            PressKey('V', true);
        } else if (kind < 55) {
            described = "click Изведи";
            ClickCentreOf(Control(ShowButtonId));
        } else if (kind < 62) {
            described = "click Чисти";
            ClickCentreOf(Control(ClearButtonId));
        } else if (kind < 72) {
            described = "click the input box";
            ClickCentreOf(Control(InputBoxId));
        } else if (kind < 82) {
            described = "Tab";
            PressKey(VK_TAB);
        } else if (kind < 87) {
            described = "Enter";
            PressKey(VK_RETURN);
        } else if (kind < 91) {
            described = "Escape";
            PressKey(VK_ESCAPE);
        } else if (kind < 97) {
            described = "space";
            PressKey(VK_SPACE);
        } else {
            // Another program writes into the input box, past its limit.
            const std::size_t length = random() % 3 == 0 ? 100'000 : random() % 40;
            described = "another program sets " + std::to_string(length) + " characters";
            SetWindowTextW(Control(InputBoxId), RandomText(random, length).c_str());
            inputSetByAnotherProgram = true;
        }

        const auto started = std::chrono::steady_clock::now();
        PumpMessages(Main(), 25);
        const auto answered = std::chrono::steady_clock::now() - started;
        SCOPED_TRACE(::testing::Message() << "action " << action << " (" << described << "), seed " << seed);
        ASSERT_LT(answered, answerBound);

        ASSERT_EQ(TextOf(OutputBoxId), expected.output);
        ASSERT_EQ(closer.TakeReports(), std::exchange(expected.reports, {}));
        const std::size_t inputLength = TextOf(InputBoxId).size();
        if (inputLength <= 4)
            inputSetByAnotherProgram = false;
        ASSERT_TRUE(inputLength <= 4 || inputSetByAnotherProgram) << inputLength << " characters in the input box";
        ASSERT_TRUE(IsWindowVisible(Main()));
    }

    EXPECT_GT(expected.clicks, 0);
    EXPECT_EQ(LiveGdiObjects(), gdiObjectsAtStart);
    // Wine does not count them (it answers 0); Windows does.
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), systemGdiAtStart + 8);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), systemUserAtStart + 8);
    int children = 0;
    for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, static_cast<int>(Controls.size()));
    std::printf("soak: %lu actions, %d clicks, seed %lu\n", actions, expected.clicks, seed);
}

}  // namespace
}  // namespace zomerita::win
