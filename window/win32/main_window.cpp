// The Win32 window: its controls made and placed, its background and surface painted, and its
// messages wired to the window's core.
#include "window/win32/main_window.h"

#include <imm.h>

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include "weir/run_error.h"
#include "window/twips.h"
#include "window/win32/dialog_font.h"
#include "window/win32/frame.h"
#include "window/win32/wide.h"

namespace tarvik::win32 {

namespace {

// Sent to itself once the window shows, to name the controls for screen readers then.
constexpr UINT kNameControlsMessage = WM_APP;
// Control identifiers start above IDOK and IDCANCEL, which the dialog keys send.
constexpr int kFirstControlId = 100;

weir::RunError ControlFailure(const std::string& what) {
    return {weir::ErrorKind::ControlFailure, what};
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(const ControlLayout& layout) {
    // WS_CLIPSIBLINGS: two labels reach into the field beside them, and must not paint
    // over it.
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    const DWORD tabStop = TakesFocus(layout) ? WS_TABSTOP : 0;
    switch (layout.kind) {
        case ControlKind::Label:
            return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::TextField:
            return {L"EDIT", kChild | tabStop | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            break;
    }
    // A plain push button: neither is the default button, so Enter presses nothing.
    return {L"BUTTON", kChild | tabStop | BS_PUSHBUTTON, 0};
}

}  // namespace

Window::Window(ErrorReporter report, ExitAction exit, const NewerApi& newer)
    : newer_(newer), core_(*this, std::move(report), std::move(exit)) {
    // The window procedure keeps the handle from WM_NCCREATE on.
    CreateFramedWindow(WindowProcedure, this);
    try {
        Build();
    } catch (...) {
        Destroy();
        throw;
    }
}

Window::~Window() {
    Destroy();
}

void Window::Destroy() {
    if (window_ != nullptr) {
        destroying_ = true;
        DestroyWindow(window_);
    }
}

void Window::Build() {
    dpi_ = DpiOf(newer_, window_);
    CreateControls();
    ChooseFont();
    LayOut();
    // Naming the controls starts COM and the accessibility service, which takes a while; it
    // waits until the window shows, unless a screen reader runs and may ask at once.
    if (ScreenReaderNames::ScreenReaderRuns()) {
        NameControls();
    }
}

void Window::CreateControls() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        const ControlLayout& layout = kControls[index];
        const ControlClass controlClass = ClassOf(layout);
        // A new child goes below its elder siblings: the z-order, and with it the way of the
        // Tab key, starts as the order of creation, which is the tab order as created.
        controls_[index] =
            CreateWindowExW(controlClass.exStyle, controlClass.name, Widen(layout.caption).c_str(),
                            controlClass.style, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)),
                            instance, nullptr);
        if (controls_[index] == nullptr) {
            throw ControlFailure(std::string("the control ") + layout.name +
                                 " could not be created");
        }
    }
}

void Window::ChooseFont() {
    DialogFont chosen = ChooseDialogFont(window_, dpi_, newer_);
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(chosen.font.get()), TRUE);
    }
    // The controls have let go of the old font only now.
    font_ = std::move(chosen.font);
    halfPoints_ = chosen.halfPoints;
}

void Window::LayOut() {
    const int scale = static_cast<int>(dpi_);
    FitClientArea(window_, newer_, dpi_);
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        const ControlLayout& layout = kControls[index];
        SetWindowPos(controls_[index], nullptr, TwipsToPixels(layout.left, scale),
                     TwipsToPixels(layout.top, scale), TwipsToPixels(layout.width, scale),
                     TwipsToPixels(layout.height, scale), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Window::NameControls() {
    names_.Give([this](std::string_view name) { return Control(name); });
}

void Window::Show(int showCommand) {
    core_.Load();
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    PostMessageW(window_, kNameControlsMessage, 0, 0);
}

bool Window::TakeDialogKey(MSG& message) const {
    return IsDialogMessageW(window_, &message) != FALSE;
}

HWND Window::Control(std::string_view name) const {
    const ControlLayout* layout = FindControl(name);
    return layout == nullptr ? nullptr
                             : controls_[static_cast<std::size_t>(layout - kControls.data())];
}

const ControlLayout* Window::LayoutOf(HWND control) const {
    const auto* found = std::find(controls_.begin(), controls_.end(), control);
    return found == controls_.end()
               ? nullptr
               : &kControls[static_cast<std::size_t>(found - controls_.begin())];
}

HWND Window::FieldWindow(weir::Field field) const {
    const HWND control = Control(FieldName(field));
    if (IsWindow(control) == FALSE || GetParent(control) != window_) {
        throw FieldGone(field);
    }
    return control;
}

LRESULT CALLBACK Window::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // No exception may cross into Windows: whatever escapes a message goes the way of an
    // unforeseen error, reported before the program ends.
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        self->core_.Guarded([&error] { std::rethrow_exception(error); });
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return result;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return OnControlColour(message, reinterpret_cast<HDC>(wParam),
                                   reinterpret_cast<HWND>(lParam));
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            OnColoursChanged();
            break;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == kMessageObjectId) {
                return accessibleMessage_.Answer(window_, wParam);
            }
            break;
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            PaintSurface(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_GETDPISCALEDSIZE:
            return OnGetDpiScaledSize(static_cast<UINT>(wParam), *reinterpret_cast<SIZE*>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case kNameControlsMessage:
            NameControls();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Window::OnCommand(WPARAM wParam, LPARAM lParam) {
    // IDOK and IDCANCEL, which Enter and Esc send through the dialog keys, come from no
    // control and do nothing.
    auto* const control = reinterpret_cast<HWND>(lParam);
    const UINT code = HIWORD(wParam);
    if (code == BN_CLICKED && control == Control("Command1")) {
        core_.Calculate();
    } else if (code == BN_CLICKED && control == Control("Command2")) {
        core_.Clear();
    } else if (code == EN_SETFOCUS) {
        CloseInputMethod(control);
    }
}

void Window::CloseInputMethod(HWND field) const {
    // Numbers are typed half-width; the user can still open the input method by hand.
    const ControlLayout* layout = LayoutOf(field);
    if (layout == nullptr || !IsInputField(layout->name)) {
        return;
    }
    const HIMC context = ImmGetContext(field);
    if (context != nullptr) {
        ImmSetOpenStatus(context, FALSE);
        ImmReleaseContext(field, context);
    }
}

LRESULT Window::OnControlColour(UINT message, HDC dc, HWND control) {
    const ControlLayout* layout = LayoutOf(control);
    const std::optional<ColourPair> pair =
        layout == nullptr ? std::nullopt : colours_.Control(*layout);
    if (!pair) {
        return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    // Both colours, so that the system's text never stands on our background or the reverse.
    SetTextColor(dc, pair->text);
    SetBkColor(dc, pair->background);
    return reinterpret_cast<LRESULT>(brushes_.For(pair->background));
}

void Window::OnColoursChanged() {
    // High contrast switched on or off, or the system's colours changed under it.
    colours_ = ColourScheme::Current();
    brushes_ = SchemeBrushes(colours_);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Window::PaintBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, brushes_.For(colours_.Window().background));
}

void Window::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window_, &paint);
    PaintSurface(dc);
    EndPaint(window_, &paint);
}

void Window::PaintSurface(HDC dc) const {
    const int saved = SaveDC(dc);
    RECT client{};
    GetClientRect(window_, &client);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    SelectObject(dc, font_.get());
    // As designed the text stands on the grey itself; under high contrast on a box of its own.
    SetBkMode(dc, colours_.HighContrast() ? OPAQUE : TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const int scale = static_cast<int>(dpi_);
    for (const DrawnText& drawn : core_.Surface().Drawn()) {
        const std::wstring text = Widen(drawn.text);
        const ColourPair pair = colours_.Message(drawn.colour);
        SetTextColor(dc, pair.text);
        SetBkColor(dc, pair.background);
        TextOutW(dc, TwipsToPixels(drawn.left, scale), TwipsToPixels(drawn.top, scale),
                 text.c_str(), static_cast<int>(text.size()));
    }
    RestoreDC(dc, saved);
}

void Window::OnActivate(WPARAM wParam) {
    // As a dialog does: the focus goes back to the control that had it.
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus) != FALSE) {
            focused_ = focus;
        }
    } else if (focused_ != nullptr && IsWindow(focused_) != FALSE) {
        SetFocus(focused_);
    }
}

void Window::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    ChooseFont();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame at the new dpi differs from what Windows reckoned, the client area
    // keeps its size in twips: the top-left corner stays where Windows put it.
    LayOut();
    InvalidateRect(window_, nullptr, TRUE);
}

LRESULT Window::OnGetDpiScaledSize(UINT dpi, SIZE& size) const {
    // The client area in twips is rounded to whole pixels at each dpi; Windows' own scaling
    // of the outer size would be a pixel off now and then.
    size = OuterSize(newer_, dpi);
    return TRUE;
}

void Window::OnDestroy() {
    names_.Withdraw();
    // Closing the window ends the program, unless its owner takes it down itself.
    if (!destroying_) {
        PostQuitMessage(0);
    }
}

std::string Window::FieldText(weir::Field field) {
    const std::optional<std::string> text = WindowText(FieldWindow(field));
    if (!text) {
        throw ControlFailure("the text of " + std::string(FieldName(field)) + " could not be read");
    }
    return *text;
}

void Window::SetFieldText(weir::Field field, const std::string& text) {
    if (SetWindowTextW(FieldWindow(field), Widen(text).c_str()) == FALSE) {
        throw ControlFailure("the text of " + std::string(FieldName(field)) + " could not be set");
    }
}

int Window::LineHeight() {
    return LineHeightTwips(window_, font_.get(), dpi_);
}

void Window::RepaintSurface() {
    InvalidateRect(window_, nullptr, TRUE);
}

void Window::AnnounceMessage(const std::string& /*message*/) {
    // The accessible object reads the message from the core when a screen reader asks.
    AccessibleMessage::Announce(window_);
}

void Window::WithdrawMessage() {
    AccessibleMessage::Withdraw(window_);
}

std::string Window::DecimalSeparator() {
    std::optional<std::string> separator = UserDecimalSeparator();
    if (!separator) {
        throw ControlFailure("the user's decimal separator could not be read");
    }
    return *separator;
}

void Window::Centre() {
    CentreOnMonitor(window_);
}

void Window::ApplyTabOrder(const TabOrder& order) {
    // The dialog keys walk the controls in z-order, so the z-order is the tab order.
    HWND above = HWND_TOP;
    for (std::string_view name : order.Order()) {
        const HWND control = Control(name);
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
}

void Window::Focus(std::string_view control) {
    const HWND target = Control(control);
    if (IsWindow(target) == FALSE) {
        throw ControlFailure("the control " + std::string(control) + " is gone");
    }
    focused_ = target;
    SetFocus(target);
}

void Window::ShowErrorBox(const ErrorBox& box) {
    const UINT icon = box.severity == Severity::Critical ? MB_ICONERROR : MB_ICONWARNING;
    MessageBoxW(window_, Widen(box.message).c_str(), Widen(kWindowLayout.name).c_str(),
                MB_OK | icon);
}

void Window::EndProgram(int status) {
    // The message loop ends once the event under way has returned.
    PostQuitMessage(status);
}

}  // namespace tarvik::win32
