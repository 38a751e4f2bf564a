#include "win32_main_window.h"

#include <commctrl.h>

#include <exception>
#include <utility>

#include "control_text.h"
#include "error_report.h"
#include "jpeg_picture.h"
#include "owner_draw.h"
#include "placement.h"
#include "system_colours.h"
#include "win32_geometry.h"
#include "window_font.h"
#include "window_error.h"

namespace zomerita::win {
namespace {

UniqueBrush SolidBrush(COLORREF colour)
{
    UniqueBrush brush(CreateSolidBrush(colour));
    if (!brush)
        throw WindowError(IDS_ERROR_DRAWING, "a brush could not be created");
    return brush;
}

// A multi-line box under dialog navigation takes Escape as "close the dialog" and posts
// WM_CLOSE to its parent, which would end the program: Escape must press nothing.
LRESULT CALLBACK OutputBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE)
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, OutputBoxProc, id);
    return DefSubclassProc(box, message, wParam, lParam);
}

// A static control gets no word from the system when its focus changes: the picture
// repaints itself then, to show or hide its focus mark.
LRESULT CALLBACK PictureBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
        InvalidateRect(box, nullptr, FALSE);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, PictureBoxProc, id);
    return DefSubclassProc(box, message, wParam, lParam);
}

// The work area of the monitor the system names for the frame: the one that holds most
// of it, else the nearest.
Rect WorkAreaAround(const Rect& frame) noexcept
{
    const RECT bounds{frame.left, frame.top, frame.right, frame.bottom};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&bounds, MONITOR_DEFAULTTONEAREST), &monitor))
        return frame;  // nothing to keep it on: it stays where it is
    return FromRECT(monitor.rcWork);
}

// Shows a text box from its first line with nothing selected.
void ShowFromTop(HWND textBox) noexcept
{
    SendMessageW(textBox, EM_SETSEL, 0, 0);
    SendMessageW(textBox, WM_VSCROLL, SB_TOP, 0);
}

}  // namespace

Win32MainWindow::Win32MainWindow(HINSTANCE instance) : instance_(instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    WNDCLASSEXW registered{};
    if (!GetClassInfoExW(instance, ClassName, &registered) && !RegisterClassExW(&windowClass))
        throw WindowError(IDS_ERROR_WINDOW, "the window class could not be registered");

    const std::wstring caption = LoadText(IDS_CAPTION);
    if (!CreateWindowExW(ExtendedStyle, ClassName, caption.c_str(), Style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, nullptr, nullptr, instance, this)) {
        if (creationError_)
            std::rethrow_exception(creationError_);
        throw WindowError(IDS_ERROR_WINDOW, "the main window could not be created");
    }
    RunHandlerThenFlush(&MainWindow::OnWindowLoad);
}

void Win32MainWindow::UseColours(const Colours& colours)
{
    UniqueBrush background = SolidBrush(colours.window);
    UniqueBrush labelFace = SolidBrush(colours.labelFace);
    UniqueBrush showFace = SolidBrush(colours.showFace);
    UniqueBrush clearFace = SolidBrush(colours.clearFace);
    UniqueBrush outputFace = SolidBrush(colours.outputFace);
    colours_ = colours;
    background_ = std::move(background);
    labelFace_ = std::move(labelFace);
    showFace_ = std::move(showFace);
    clearFace_ = std::move(clearFace);
    outputFace_ = std::move(outputFace);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

Win32MainWindow::~Win32MainWindow()
{
    // Controls go first; the font and brushes they use are released after them.
    if (window_)
        DestroyWindow(window_);
}

void Win32MainWindow::Show(int showCommand) noexcept
{
    // A shortcut set to "Maximised" shows it at its one size all the same (OnSize).
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    const HWND output = Control(OutputBoxId);
    SetFocus(output);
    ShowFromTop(output);
    shown_ = true;
    // What failed while the window was built is told now that the student sees it.
    if (deferredError_)
        ReportError(window_, std::exchange(deferredError_, nullptr));
}

// --- The texts of the controls, for the handlers -------------------------------------

std::wstring Win32MainWindow::InputText() const
{
    return ReadText(Control(InputBoxId));
}

void Win32MainWindow::SetInputText(std::wstring_view text)
{
    WriteText(Control(InputBoxId), text);
}

void Win32MainWindow::SetInputLimit(int characters)
{
    SendMessageW(Control(InputBoxId), EM_SETLIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void Win32MainWindow::SetOutputText(std::wstring_view text)
{
    pendingOutput_.clear();
    WriteText(Control(OutputBoxId), text);
}

void Win32MainWindow::AppendOutput(std::wstring_view text)
{
    pendingOutput_.append(text);
}

void Win32MainWindow::FlushOutput()
{
    if (pendingOutput_.empty())
        return;
    const std::wstring text = std::exchange(pendingOutput_, {});
    const HWND output = Control(OutputBoxId);
    const int length = GetWindowTextLengthW(output);
    SendMessageW(output, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageW(output, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    if (static_cast<std::size_t>(GetWindowTextLengthW(output)) != static_cast<std::size_t>(length) + text.size())
        throw WindowError(IDS_ERROR_TEXT, "the output box did not take the whole text");
    // As after storing the whole text back: shown from the first line.
    ShowFromTop(output);
}

template <class... Parameters, class... Arguments>
void Win32MainWindow::RunHandlerThenFlush(void (MainWindow::*handler)(Parameters...), Arguments... arguments) noexcept
{
    // One at a time, each to its end: a click that another program posts while a
    // handler's message box is up would otherwise run a handler inside it.
    if (handlerRunning_)
        return;
    handlerRunning_ = true;
    std::exception_ptr error;
    try {
        (handlers_.*handler)(arguments...);
    } catch (...) {
        error = std::current_exception();
    }
    // The lines written before an error stay, and are on screen before it is reported.
    try {
        FlushOutput();
    } catch (...) {
        if (!error)
            error = std::current_exception();
    }
    if (error)
        ReportError(window_, error);
    handlerRunning_ = false;
}

template <class Action>
void Win32MainWindow::ReportingErrors(Action&& action) noexcept
{
    try {
        action();
    } catch (...) {
        ReportError(window_, std::current_exception());
    }
}

// --- Messages ------------------------------------------------------------------------

LRESULT CALLBACK Win32MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* const self = static_cast<Win32MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        ScaleFrameWithDpi(window);
    }
    auto* const self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Win32MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_GETDPISCALEDSIZE:
        return OnGetDpiScaledSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_ACTIVATE:
        return OnActivate(wParam, lParam);
    case WM_SIZE:
        OnSize(wParam);
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_SYSCOMMAND:
        return OnSystemCommand(wParam, lParam);
    case WM_QUERYENDSESSION:
        return TRUE;  // nothing to save
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_ENTERSIZEMOVE:
        beingMoved_ = true;
        return 0;
    case WM_EXITSIZEMOVE:
        beingMoved_ = false;
        return 0;
    case WM_NEXTDLGCTL:
        OnNextDialogControl(wParam, lParam);
        return 0;
    case WM_SYSCOLORCHANGE:
        OnColoursChanged();
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST)
            OnColoursChanged();
        return DefWindowProcW(window_, message, wParam, lParam);
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

bool Win32MainWindow::OnCreate() noexcept
{
    try {
        UseColours(CurrentColours());
        CreateControls();
        ApplyDpi(DpiOf(window_));
        // Into the box at its final size and font, so that the text is laid out once.
        ShowStatement();
        CentreOnWorkArea();
    } catch (...) {
        creationError_ = std::current_exception();  // the constructor raises it
        return false;
    }
    // Without the photograph the window is still of use: it opens with the picture empty,
    // and says why once it shows.
    try {
        photograph_ = LoadJpegResource(instance_, IDR_PHOTOGRAPH);
    } catch (...) {
        deferredError_ = std::current_exception();
    }
    return true;
}

void Win32MainWindow::CreateControls()
{
    for (const ControlLayout& control : Controls) {
        const ControlClass kind = ClassOf(control.kind);
        const std::wstring text = control.textId ? LoadText(control.textId) : std::wstring();
        const HWND created =
            CreateWindowExW(kind.extendedStyle, kind.name, text.c_str(), kind.style, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance_, nullptr);
        if (!created)
            throw WindowError(IDS_ERROR_WINDOW, "a control could not be created");
    }

    const HWND output = Control(OutputBoxId);
    if (!SetWindowSubclass(output, OutputBoxProc, 0, 0) ||
        !SetWindowSubclass(Control(PictureBoxId), PictureBoxProc, 0, 0))
        throw WindowError(IDS_ERROR_WINDOW, "a control could not be subclassed");
    // No transcript is ever cut: the largest limit there is.
    SendMessageW(output, EM_SETLIMITTEXT, 0, 0);
}

void Win32MainWindow::ShowStatement()
{
    WriteText(Control(OutputBoxId), StatementText(instance_));
}

void Win32MainWindow::ApplyDpi(int dpi)
{
    // Made first: if it fails, the controls keep their places and font for the old DPI,
    // and the frame its size for that DPI (OnDpiChanged).
    UniqueFont font = CreateWindowFont(dpi);
    dpi_ = dpi;
    for (const ControlLayout& control : Controls) {
        const HWND handle = Control(control.id);
        const Rect bounds = PixelRect(control, dpi);
        MoveWindow(handle, bounds.left, bounds.top, bounds.width(), bounds.height(), TRUE);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    // The controls hold the new font now; the old one may go.
    font_ = std::move(font);
    icon_.Apply(window_, dpi);
}

void Win32MainWindow::CentreOnWorkArea() noexcept
{
    RECT current;
    GetWindowRect(window_, &current);
    MoveFrame(CentredOnWorkArea(DesignedFrameAt(dpi_), WorkAreaAround(FromRECT(current))));
}

Size Win32MainWindow::DesignedFrameAt(int dpi) const noexcept
{
    return DesignedFrame(FrameInsetsAt(Style, ExtendedStyle, dpi), dpi);
}

void Win32MainWindow::MoveFrame(const Rect& frame) noexcept
{
    const auto place = [this](const Rect& at) {
        frameSize_ = {at.width(), at.height()};
        SetWindowPos(window_, nullptr, at.left, at.top, at.width(), at.height(), SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(frame);
    // The insets the frame was computed from are the system's word, not its deed (the
    // padded border of older images, a caption that did not follow a DPI change): the
    // client area is read back and the frame corrected once.
    RECT client;
    GetClientRect(window_, &client);
    const Rect corrected =
        FrameCorrectedForClient(frame, {client.right, client.bottom}, ClientSize(dpi_), IsIconic(window_) != FALSE);
    if (corrected != frame)
        place(corrected);
}

void Win32MainWindow::OnCommand(int id, int notification) noexcept
{
    // Enter and Escape arrive as IDOK and IDCANCEL: no control has those, so nothing happens.
    if (notification != BN_CLICKED && notification != BN_DOUBLECLICKED)
        return;
    if (id == ShowButtonId)
        RunHandlerThenFlush(&MainWindow::OnCommandClick, MainWindow::ShowCommand);
    else if (id == ClearButtonId)
        RunHandlerThenFlush(&MainWindow::OnCommandClick, MainWindow::ClearCommand);
}

LRESULT Win32MainWindow::OnControlColour(HDC dc, HWND control) noexcept
{
    const int id = GetDlgCtrlID(control);
    if (id == HeadingLabelId || id == PromptLabelId) {
        SetBkColor(dc, colours_.labelFace);
        SetTextColor(dc, colours_.labelText);
        return reinterpret_cast<LRESULT>(labelFace_.get());
    }
    if (id == OutputBoxId) {
        // A read-only box asks here, and would be grey: show it as an editable one.
        SetBkColor(dc, colours_.outputFace);
        SetTextColor(dc, colours_.outputText);
        return reinterpret_cast<LRESULT>(outputFace_.get());
    }
    return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void Win32MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) noexcept
{
    switch (item.CtlID) {
    case ShowButtonId:
    case ClearButtonId:
        // The caption as the table gives it, read in place: a paint allocates nothing.
        PaintButton(item, (item.CtlID == ShowButtonId ? showFace_ : clearFace_).get(),
                    ResourceText(instance_, LayoutOf(static_cast<int>(item.CtlID))->textId), colours_, dpi_);
        break;
    case PictureBoxId:
        PaintPicture(item, photograph_.get(), GetFocus() == item.hwndItem, colours_, dpi_);
        break;
    default:
        break;
    }
}

bool Win32MainWindow::OnEraseBackground(HDC dc) noexcept
{
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, background_.get());
    return true;
}

void Win32MainWindow::OnDpiChanged(int dpi, const RECT& suggested) noexcept
{
    ReportingErrors([&] { ApplyDpi(dpi); });
    // At the DPI the window is laid out at now (the old one, if that failed).
    const Rect frame = FrameAfterDpiChange(FromRECT(suggested), DesignedFrameAt(dpi_));
    // In the middle of a drag the window still straddles two monitors: the suggested
    // place keeps it under the cursor, and is taken as given.
    MoveFrame(beingMoved_ ? frame : KeptOnWorkArea(frame, WorkAreaAround(frame)));
    // Moving the controls repaints only what they uncover: nothing of the old scale may stay.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT Win32MainWindow::OnActivate(WPARAM wParam, LPARAM lParam) noexcept
{
    // DefWindowProc gives the frame the focus on activation; the control that had it
    // takes it back after.
    const bool active = LOWORD(wParam) != WA_INACTIVE;
    if (!active)
        RememberFocus();
    const LRESULT result = DefWindowProcW(window_, WM_ACTIVATE, wParam, lParam);
    if (active && !IsIconic(window_))
        RestoreFocus();
    return result;
}

BOOL Win32MainWindow::OnGetDpiScaledSize(int dpi, SIZE& size) const noexcept
{
    // Asked before a change of DPI: the frame round the designed client area at the new one.
    const Size frame = DesignedFrameAt(dpi);
    size = {frame.width, frame.height};
    return TRUE;
}

void Win32MainWindow::OnGetMinMaxInfo(MINMAXINFO& limits) const noexcept
{
    // One size, whoever asks for another: a shortcut set to "Maximised", another
    // program's SW_MAXIMIZE or SC_MAXIMIZE, or a drag of an edge.
    limits.ptMaxSize = limits.ptMinTrackSize = limits.ptMaxTrackSize = {frameSize_.width, frameSize_.height};
}

LRESULT Win32MainWindow::OnSystemCommand(WPARAM command, LPARAM lParam) noexcept
{
    // Never maximised: the system menu offers no such command, but another program may send it.
    if ((command & 0xFFF0) == SC_MAXIMIZE)
        return 0;
    return DefWindowProcW(window_, WM_SYSCOMMAND, command, lParam);
}

void Win32MainWindow::OnEndSession(bool ending) noexcept
{
    // The session ends, or Restart Manager closes the program for an update: nothing to save.
    if (ending)
        DestroyWindow(window_);
}

void Win32MainWindow::OnDestroy() noexcept
{
    // Destroyed by its close box, another program's WM_CLOSE or the end of the session:
    // the program ends with it. A window that never showed (a failed start) posts
    // nothing, so that the report of the failure is not closed before it is seen.
    if (shown_)
        PostQuitMessage(0);
}

void Win32MainWindow::OnSize(WPARAM kind) noexcept
{
    // Minimised by another program, the window loses the focus before it hears of its
    // deactivation (under Wine every time): the control is remembered here.
    if (kind == SIZE_MINIMIZED)
        RememberFocus();
    // Maximised by another program's ShowWindow, or by a shortcut's show command: back
    // where it was, at its size, and still draggable.
    if (kind == SIZE_MAXIMIZED)
        ShowWindow(window_, SW_RESTORE);
}

void Win32MainWindow::RememberFocus() noexcept
{
    // Keep the control that had the focus across deactivation and minimising, as a
    // dialog does; the frame itself, or no window, is not kept: the last control that
    // had it stays.
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus))
        focusWhenInactive_ = focus;
}

void Win32MainWindow::RestoreFocus() noexcept
{
    SetFocus(focusWhenInactive_ && IsChild(window_, focusWhenInactive_) ? focusWhenInactive_ : Control(OutputBoxId));
}

void Win32MainWindow::OnNextDialogControl(WPARAM wParam, LPARAM lParam) noexcept
{
    // A multi-line box asks its parent to move the focus on Tab; DefWindowProc would ignore it.
    const HWND next =
        LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
    if (!next)
        return;
    SetFocus(next);
    // As the dialog manager does for a one-line box: its whole text selected, so that
    // typing replaces it. The output box keeps its own selection.
    if (next == Control(InputBoxId))
        SendMessageW(next, EM_SETSEL, 0, -1);
}

void Win32MainWindow::OnColoursChanged() noexcept
{
    // The common controls keep the system's colours too, and hear of a change only
    // from their parent.
    for (const ControlLayout& control : Controls)
        SendMessageW(Control(control.id), WM_SYSCOLORCHANGE, 0, 0);
    ReportingErrors([this] { UseColours(CurrentColours()); });
}

std::wstring Win32MainWindow::LoadText(UINT id) const
{
    const std::wstring_view text = ResourceText(instance_, id);
    if (text.empty())
        throw WindowError(IDS_ERROR_WINDOW, "a text is missing from the program's resources");
    return std::wstring(text);
}

}  // namespace zomerita::win
