#include "error_report.h"

#include <new>

#include "sequence_error.h"
#include "window_error.h"

namespace zomerita::win {
namespace {

constexpr const wchar_t* ProgramName = L"Зомерита";

struct Message {
    const wchar_t* text;
    UINT icon;
};

Message MessageFor(const std::exception_ptr& error) noexcept
{
    try {
        std::rethrow_exception(error);
    } catch (const SequenceError& refused) {
        return {refused.text(), MB_ICONWARNING};
    } catch (const WindowError&) {
        return {L"Прозорецът не успя да покаже текста. Опитайте отново.", MB_ICONERROR};
    } catch (const std::bad_alloc&) {
        return {L"Няма достатъчно памет за това действие.", MB_ICONERROR};
    } catch (...) {
        return {L"Възникна неочаквана грешка. Действието не е завършено.", MB_ICONERROR};
    }
}

}  // namespace

void ReportError(HWND owner, const std::exception_ptr& error) noexcept
{
    const Message message = MessageFor(error);
    MessageBoxW(owner, message.text, ProgramName, MB_OK | message.icon);
}

}  // namespace zomerita::win
