// With ZOMERITA_WINDOWS_BEFORE_1607 set, the window runs as on Windows 7, 8.1 and 10
// before version 1607: the functions those lack are reported absent, so that the window
// takes its fallbacks (the system's DPI from the screen, the frame from
// AdjustWindowRectEx, the icons' sizes from the system's metrics). The run fails if the
// window never asked for one of them, as a run that tested nothing would.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "system_functions.h"

namespace zomerita::win {
namespace {

// Each function of Windows 10 version 1607 and later the window looks up, with the
// number of times it was asked for.
std::map<std::string, int> absentFunctionsAsked{
    {"GetDpiForWindow", 0},
    {"AdjustWindowRectExForDpi", 0},
    {"EnableNonClientDpiScaling", 0},
    {"GetSystemMetricsForDpi", 0},
};

FARPROC WINAPI LookupAsBefore1607(HMODULE module, LPCSTR name)
{
    if (const auto absent = absentFunctionsAsked.find(name); absent != absentFunctionsAsked.end()) {
        ++absent->second;
        return nullptr;
    }
    return GetProcAddress(module, name);
}

class WindowsBefore1607 : public ::testing::Environment {
public:
    void SetUp() override { systemFunctionLookup = LookupAsBefore1607; }
    void TearDown() override
    {
        for (const auto& [name, asked] : absentFunctionsAsked)
            EXPECT_GT(asked, 0) << name << " was never asked for: the run did not test its fallback";
    }
};

[[maybe_unused]] const ::testing::Environment* const olderWindows =
    std::getenv("ZOMERITA_WINDOWS_BEFORE_1607") ? ::testing::AddGlobalTestEnvironment(new WindowsBefore1607) : nullptr;

}  // namespace
}  // namespace zomerita::win
