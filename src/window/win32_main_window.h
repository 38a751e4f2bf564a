#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

#include "colours.h"
#include "dpi.h"
#include "frame.h"
#include "gdi_handles.h"
#include "layout.h"
#include "main_window.h"
#include "main_window_controls.h"
#include "resource_ids.h"
#include "window_icon.h"

namespace zomerita::win {

// The program's one window on Win32: it creates the controls from the layout table,
// paints and colours them, scales them with the DPI, and binds the window's events to
// the handlers of MainWindow, over which it implements the controls' texts.
class Win32MainWindow final : public MainWindowControls {
public:
    static constexpr const wchar_t* ClassName = L"ZomeritaMainWindow";
    // WS_CLIPCHILDREN: the background is not painted under the controls only to be painted over.
    static constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    static constexpr DWORD ExtendedStyle = WS_EX_CONTROLPARENT;

    // Creates the window and its controls, centred on the work area, and runs the load
    // handler; the window stays hidden until Show. Throws WindowError.
    explicit Win32MainWindow(HINSTANCE instance);
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;
    ~Win32MainWindow() override;

    // Shows the window with the focus in the output box, at its first line, and reports
    // what failed while it was built but left it of use. From now on, the program ends
    // when the window does.
    void Show(int showCommand) noexcept;
    HWND handle() const noexcept { return window_; }
    HWND Control(ControlId id) const noexcept { return GetDlgItem(window_, id); }

    // Paints with these colours from now on. The window chooses them itself at start and
    // whenever the system's colours or high contrast change. Throws WindowError.
    void UseColours(const Colours& colours);

    std::wstring InputText() const override;
    void SetInputText(std::wstring_view text) override;
    void SetInputLimit(int characters) override;
    void SetOutputText(std::wstring_view text) override;
    void AppendOutput(std::wstring_view text) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    bool OnCreate() noexcept;
    void OnCommand(int id, int notification) noexcept;
    LRESULT OnControlColour(HDC dc, HWND control) noexcept;
    void OnDrawItem(const DRAWITEMSTRUCT& item) noexcept;
    void OnDpiChanged(int dpi, const RECT& suggested) noexcept;
    LRESULT OnActivate(WPARAM wParam, LPARAM lParam) noexcept;
    BOOL OnGetDpiScaledSize(int dpi, SIZE& size) const noexcept;
    void OnGetMinMaxInfo(MINMAXINFO& limits) const noexcept;
    void OnSize(WPARAM kind) noexcept;
    LRESULT OnSystemCommand(WPARAM command, LPARAM lParam) noexcept;
    void OnEndSession(bool ending) noexcept;
    void OnDestroy() noexcept;
    void RememberFocus() noexcept;
    void RestoreFocus() noexcept;
    void OnNextDialogControl(WPARAM wParam, LPARAM lParam) noexcept;
    void OnColoursChanged() noexcept;
    bool OnEraseBackground(HDC dc) noexcept;

    void CreateControls();
    void ShowStatement();
    void ApplyDpi(int dpi);
    void CentreOnWorkArea() noexcept;
    Size DesignedFrameAt(int dpi) const noexcept;
    void MoveFrame(const Rect& frame) noexcept;
    std::wstring LoadText(UINT id) const;

    // The only way to the handlers: runs one, then puts what it wrote into the output
    // box, even when it failed; whatever either throws is reported to the user here and
    // goes no further.
    template <class... Parameters, class... Arguments>
    void RunHandlerThenFlush(void (MainWindow::*handler)(Parameters...), Arguments... arguments) noexcept;
    // The same for the window's own work, which writes no output.
    template <class Action>
    void ReportingErrors(Action&& action) noexcept;
    void FlushOutput();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND focusWhenInactive_ = nullptr;
    bool beingMoved_ = false;  // between WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE
    bool shown_ = false;
    bool handlerRunning_ = false;
    std::exception_ptr creationError_;  // what stopped the window from being built
    std::exception_ptr deferredError_;  // what it was built without, told once it shows
    int dpi_ = DefaultDpi;
    Size frameSize_ = DesignedFrameAt(DefaultDpi);  // the one size it may take
    UniqueFont font_;
    Colours colours_{};
    UniqueBrush background_;
    UniqueBrush labelFace_;
    UniqueBrush showFace_;
    UniqueBrush clearFace_;
    UniqueBrush outputFace_;
    UniqueBitmap photograph_;
    WindowIcon icon_{instance_, MAKEINTRESOURCEW(IDI_ZOMERITA)};
    // Lines appended during one handler, put into the output box in one go before
    // anything reads the box or the window is painted again.
    std::wstring pendingOutput_;
    MainWindow handlers_{*this};  // only through RunHandlerThenFlush
};

}  // namespace zomerita::win
