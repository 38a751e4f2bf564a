#include "control_text.h"

#include "resource_ids.h"
#include "window_error.h"

namespace zomerita::win {

std::wstring ReadText(HWND control)
{
    SetLastError(ERROR_SUCCESS);
    const int length = GetWindowTextLengthW(control);
    if (length == 0 && GetLastError() != ERROR_SUCCESS)
        throw WindowError(IDS_ERROR_TEXT, "a control's text could not be read");
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

std::wstring_view ResourceText(HINSTANCE module, UINT id) noexcept
{
    // With no buffer, LoadString gives the address of the text inside the module.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring_view(text, static_cast<std::size_t>(length)) : std::wstring_view();
}

std::wstring StatementText(HINSTANCE module)
{
    std::wstring statement;
    for (UINT line = 0; line < STATEMENT_LINE_COUNT; ++line) {
        const std::wstring_view text = ResourceText(module, IDS_STATEMENT_FIRST + line);
        if (text.empty())
            throw WindowError(IDS_ERROR_WINDOW, "a line of the statement is missing from the program's resources");
        statement.append(text).append(L"\r\n");
    }
    return statement;
}

void WriteText(HWND control, std::wstring_view text)
{
    if (!SetWindowTextW(control, std::wstring(text).c_str()))
        throw WindowError(IDS_ERROR_TEXT, "a control's text could not be written");
}

}  // namespace zomerita::win
