#include "error_report.h"

#include <new>
#include <string>

#include "control_text.h"
#include "resource_ids.h"
#include "sequence_error.h"
#include "window_error.h"

namespace zomerita::win {
namespace {

constexpr const wchar_t* ProgramName = L"Зомерита";
// Where even the program's own texts cannot be read.
constexpr const wchar_t* UnexpectedError = L"Възникна неочаквана грешка. Действието не е завършено.";

struct Message {
    std::wstring text;
    UINT icon;
};

std::wstring ProgramText(UINT id)
{
    const std::wstring_view text = ResourceText(GetModuleHandleW(nullptr), id);
    return text.empty() ? UnexpectedError : std::wstring(text);
}

Message MessageFor(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const SequenceError& refused) {
        return {refused.text(), MB_ICONWARNING};
    } catch (const WindowError& failed) {
        return {ProgramText(failed.message()), MB_ICONERROR};
    } catch (const std::bad_alloc&) {
        return {L"Няма достатъчно памет за това действие.", MB_ICONERROR};
    } catch (...) {
        return {UnexpectedError, MB_ICONERROR};
    }
}

void Show(HWND owner, const std::wstring& text, UINT icon) noexcept
{
    MessageBoxW(owner, text.c_str(), ProgramName, MB_OK | icon);
}

}  // namespace

void ReportError(HWND owner, const std::exception_ptr& error) noexcept
{
    try {
        const Message message = MessageFor(error);
        Show(owner, message.text, message.icon);
    } catch (...) {  // no memory even for the message
        MessageBoxW(owner, UnexpectedError, ProgramName, MB_OK | MB_ICONERROR);
    }
}

void ReportStartupError(const std::exception_ptr& error) noexcept
{
    try {
        const Message message = MessageFor(error);
        Show(nullptr, ProgramText(IDS_STARTUP_FAILED) + L"\r\n\r\n" + message.text, MB_ICONERROR);
    } catch (...) {
        MessageBoxW(nullptr, UnexpectedError, ProgramName, MB_OK | MB_ICONERROR);
    }
}

}  // namespace zomerita::win
