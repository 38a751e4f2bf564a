// Windows only: a program started in a process of its own, for the window tests and the
// start-up benchmark.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace zomerita::test_support {

// A program started with CreateProcessW, as a shortcut starts it, with the show command
// given if any. Still running when this ends (after a failed check or measurement), it
// is terminated, so that nothing is left behind.
class StartedProgram {
public:
    static constexpr DWORD LongestCloseMilliseconds = 10000;

    explicit StartedProgram(const std::wstring& path, std::optional<WORD> showCommand = std::nullopt)
    {
        std::wstring commandLine = L"\"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (showCommand) {
            startup.dwFlags = STARTF_USESHOWWINDOW;
            startup.wShowWindow = *showCommand;
        }
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &started))
            throw std::runtime_error("a program could not be started (error " + std::to_string(GetLastError()) + ")");
        process_.reset(started.hProcess);
        CloseHandle(started.hThread);
        id_ = started.dwProcessId;
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram()
    {
        if (Running()) {
            TerminateProcess(process(), 1);
            WaitForSingleObject(process(), LongestCloseMilliseconds);
        }
    }

    HANDLE process() const noexcept { return process_.get(); }
    DWORD id() const noexcept { return id_; }
    bool Running() const noexcept { return WaitForSingleObject(process(), 0) == WAIT_TIMEOUT; }

    // Its exit code once it has ended, waiting at most `milliseconds`; none if it runs on.
    std::optional<DWORD> ExitCode(DWORD milliseconds) const noexcept
    {
        DWORD code = 0;
        if (WaitForSingleObject(process(), milliseconds) != WAIT_OBJECT_0 || !GetExitCodeProcess(process(), &code))
            return std::nullopt;
        return code;
    }

    // Closes the window as its close box does, and waits for the program to end.
    DWORD CloseAndWait(HWND window) const
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        const std::optional<DWORD> code = ExitCode(LongestCloseMilliseconds);
        if (!code)
            throw std::runtime_error("a program did not end after WM_CLOSE");
        return *code;
    }

private:
    struct HandleCloser {
        void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
    };
    std::unique_ptr<void, HandleCloser> process_;
    DWORD id_ = 0;
};

}  // namespace zomerita::test_support
