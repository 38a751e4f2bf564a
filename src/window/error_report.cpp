#include "error_report.h"

#include <new>
#include <string>

#include "control_text.h"
#include "message_style.h"
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
    ErrorKind kind;
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
        return {refused.text(), ErrorKind::RefusedInput};
    } catch (const WindowError& failed) {
        return {ProgramText(failed.message()), ErrorKind::WindowFailure};
    } catch (const std::bad_alloc&) {
        return {L"Няма достатъчно памет за това действие.", ErrorKind::OutOfMemory};
    } catch (...) {
        return {UnexpectedError, ErrorKind::Unexpected};
    }
}

void Show(HWND owner, const wchar_t* text, ErrorKind kind) noexcept
{
    MessageBoxW(owner, text, ProgramName, MessageBoxStyle(kind));
}

}  // namespace

void ReportError(HWND owner, const std::exception_ptr& error) noexcept
{
    try {
        const Message message = MessageFor(error);
        Show(owner, message.text.c_str(), message.kind);
    } catch (...) {  // no memory even for the message
        Show(owner, UnexpectedError, ErrorKind::Unexpected);
    }
}

void ReportStartupError(const std::exception_ptr& error) noexcept
{
    try {
        const Message message = MessageFor(error);
        Show(nullptr, (ProgramText(IDS_STARTUP_FAILED) + L"\r\n\r\n" + message.text).c_str(), ErrorKind::FailedStart);
    } catch (...) {
        Show(nullptr, UnexpectedError, ErrorKind::FailedStart);
    }
}

}  // namespace zomerita::win
