#pragma once

#include <windows.h>

namespace zomerita::test_support {

// A hook on this thread for the life of the object: it goes however the test ends, so a
// failed ASSERT, which returns at once, never leaves one behind that reads a dead object.
class ThreadHook {
public:
    ThreadHook(int type, HOOKPROC procedure) noexcept
        : hook_(SetWindowsHookExW(type, procedure, nullptr, GetCurrentThreadId()))
    {
    }
    ThreadHook(const ThreadHook&) = delete;
    ThreadHook& operator=(const ThreadHook&) = delete;
    ~ThreadHook()
    {
        if (hook_)
            UnhookWindowsHookEx(hook_);
    }

    bool Installed() const noexcept { return hook_ != nullptr; }

private:
    HHOOK hook_;
};

}  // namespace zomerita::test_support
