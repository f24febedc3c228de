// The window TARVIK on the Win32 API: the window description of window/ laid out at the
// window's own dpi with STATIC, EDIT and BUTTON controls, its load, Calculate and Clear events,
// the drawing surface painted beneath the controls, and the fields that the Calculate action
// reads and writes through WindowPort.
#include "window/win32/main_window.h"

#include <imm.h>
#include <initguid.h>  // defines the accessibility GUIDs of oleacc.h here
#include <oleacc.h>

#include <algorithm>
#include <exception>
#include <functional>
#include <initializer_list>
#include <optional>

#include "weir/calculate.h"
#include "weir/run_error.h"
#include "window/font_fit.h"
#include "window/twips.h"
#include "window/win32/wide.h"

namespace tarvik::win32 {

namespace {

constexpr const wchar_t* kClassName = L"TARVIK";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;
// Sent to itself once the window shows, to name the controls for screen readers then.
constexpr UINT kNameControlsMessage = WM_APP;
// Control identifiers start above IDOK and IDCANCEL, which the dialog keys send.
constexpr int kFirstControlId = 100;
// The Japanese dialog faces, best first; the system's message font comes after them.
constexpr std::array<const wchar_t*, 3> kFaces{L"MS UI Gothic", L"Yu Gothic UI", L"Meiryo UI"};

constexpr std::array kFields{weir::Field::Text1, weir::Field::Text2, weir::Field::Text3,
                             weir::Field::Text4, weir::Field::Text5};
constexpr std::array kInputFields{weir::Field::Text1, weir::Field::Text2, weir::Field::Text3};

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

LOGFONTW FontAt(const std::wstring& face, int halfPoints, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(halfPoints, static_cast<int>(dpi), 144);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return font;
}

int CALLBACK NoteFace(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                      LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(HDC dc, const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wstring(face).copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring DialogFace(HDC dc, UINT dpi, const NewerApi& newer) {
    for (const wchar_t* face : kFaces) {
        if (FaceInstalled(dc, face)) {
            return face;
        }
    }
    NONCLIENTMETRICSW metrics{};
    if (NonClientMetrics(newer, metrics, dpi)) {
        return metrics.lfMessageFont.lfFaceName;
    }
    return L"MS Shell Dlg";
}

// Owns a device context of the screen for as long as a measurement takes.
class ScreenDc {
  public:
    explicit ScreenDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScreenDc() { ReleaseDC(window_, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ScreenDc(ScreenDc&&) = delete;
    ScreenDc& operator=(ScreenDc&&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace

MainWindow::MainWindow(ErrorReporter report, ExitAction exit, const NewerApi& newer)
    : newer_(newer),
      guard_(report ? std::move(report)
                    : ErrorReporter([this](weir::ErrorKind kind, const std::string& message) {
                          const UINT icon = EndsProgram(kind) ? MB_ICONERROR : MB_ICONWARNING;
                          MessageBoxW(window_, Widen(message).c_str(),
                                      Widen(kWindowLayout.name).c_str(), MB_OK | icon);
                      }),
             exit ? std::move(exit) : ExitAction([](int status) { PostQuitMessage(status); })) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    // The program's icon, where the program carries one (tarvik.rc).
    windowClass.hIcon = LoadIconW(instance, L"IDI_ICON1");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw ControlFailure("the window class could not be registered");
    }
    CreateWindowExW(kWindowExStyle, kClassName, Widen(kWindowLayout.caption).c_str(), kWindowStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        throw ControlFailure("the window could not be created");
    }
    try {
        Build();
    } catch (...) {
        destroying_ = true;
        DestroyWindow(window_);
        if (comStarted_) {
            CoUninitialize();
        }
        throw;
    }
}

void MainWindow::Build() {
    dpi_ = DpiOf(newer_, window_);
    TakeColourScheme();
    CreateControls();
    ChooseFont();
    LayOut();
    // Naming the controls starts COM and the accessibility service, which takes a while; it
    // waits until the window shows, unless a screen reader runs and may ask at once.
    BOOL screenReader = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) != FALSE &&
        screenReader != FALSE) {
        NameControlsForScreenReaders();
    }
}

void MainWindow::TakeColourScheme() {
    colours_ = ColourScheme::Current();
    brushes_.clear();
    const auto keep = [this](weir::Colour background) {
        if (BrushFor(background) == nullptr) {
            brushes_.emplace_back(background, Brush(CreateSolidBrush(background)));
        }
    };
    keep(colours_.Window().background);
    for (const ControlLayout& layout : kControls) {
        if (const auto pair = colours_.Control(layout)) {
            keep(pair->background);
        }
    }
}

MainWindow::~MainWindow() {
    if (window_ != nullptr) {
        destroying_ = true;
        DestroyWindow(window_);
    }
    if (comStarted_) {
        CoUninitialize();
    }
}

void MainWindow::CreateControls() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        const ControlLayout& layout = kControls[index];
        const ControlClass controlClass = ClassOf(layout);
        // A new child goes below its elder siblings: the z-order, and with it the way of the
        // Tab key, starts as the order of creation.
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

void MainWindow::NameControlsForScreenReaders() {
    if (!accessibleNames_.empty()) {
        return;
    }
    // A screen reader names a field after the label just before it in the z-order, which is
    // the wrong label for some fields here; each field gets its label's caption explicitly.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comStarted_ = SUCCEEDED(com);
    const HRESULT created =
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(&accessibility_));
    const auto name = [this, created](const char* control, std::string_view caption) {
        HRESULT result = created;
        if (SUCCEEDED(created)) {
            result = accessibility_->SetHwndPropStr(Control(control), OBJID_CLIENT, CHILDID_SELF,
                                                    PROPID_ACC_NAME, Widen(caption).c_str());
        }
        accessibleNames_.push_back({control, std::string(caption), result});
    };
    for (weir::Field field : kFields) {
        name(kFieldNames[static_cast<std::size_t>(field)], CaptionOf(field));
    }
    for (const ControlLayout& layout : kControls) {
        if (layout.kind == ControlKind::Button) {
            name(layout.name, layout.caption);
        }
    }
}

void MainWindow::ForgetScreenReaderNames() {
    if (accessibility_ == nullptr) {
        return;
    }
    for (const AccessibleName& named : accessibleNames_) {
        accessibility_->ClearHwndProps(Control(named.control), OBJID_CLIENT, CHILDID_SELF,
                                       &PROPID_ACC_NAME, 1);
    }
    accessibility_->Release();
    accessibility_ = nullptr;
}

void MainWindow::ChooseFont() {
    // The places in twips were measured for a 9-point Japanese dialog face; where the face at
    // hand runs wider, the window takes the largest size at which every caption still fits
    // its label.
    const ScreenDc screen(window_);
    const std::wstring face = DialogFace(screen.get(), dpi_, newer_);
    const MeasureCaption measure = [&](std::string_view caption, int widthTwips, int halfPoints) {
        const LOGFONTW wanted = FontAt(face, halfPoints, dpi_);
        const Font trial(CreateFontIndirectW(&wanted));
        const HGDIOBJ previous = SelectObject(screen.get(), trial.get());
        RECT box{0, 0, TwipsToPixels(widthTwips, static_cast<int>(dpi_)), 0};
        const std::wstring text = Widen(caption);
        DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &box,
                  DT_CALCRECT | DT_WORDBREAK | DT_LEFT | DT_NOPREFIX);
        SelectObject(screen.get(), previous);
        return TextExtent{PixelsToTwips(box.right - box.left, static_cast<int>(dpi_)),
                          PixelsToTwips(box.bottom - box.top, static_cast<int>(dpi_))};
    };
    halfPoints_ = FittingHalfPoints(measure);
    const LOGFONTW chosen = FontAt(face, halfPoints_, dpi_);
    Font font(CreateFontIndirectW(&chosen));
    if (!font) {
        throw ControlFailure("the window's font could not be created");
    }
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    // The controls have let go of the old font only now.
    font_ = std::move(font);
}

SIZE MainWindow::OuterSize(UINT dpi) const {
    const int scale = static_cast<int>(dpi);
    const RECT outer = FrameAround(newer_,
                                   {0, 0, TwipsToPixels(kWindowLayout.width, scale),
                                    TwipsToPixels(kWindowLayout.height, scale)},
                                   kWindowStyle, kWindowExStyle, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void MainWindow::LayOut() {
    const int scale = static_cast<int>(dpi_);
    SIZE outer = OuterSize(dpi_);
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame comes out other than the system computed it, correct by the difference.
    RECT client{};
    GetClientRect(window_, &client);
    outer.cx += TwipsToPixels(kWindowLayout.width, scale) - client.right;
    outer.cy += TwipsToPixels(kWindowLayout.height, scale) - client.bottom;
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        const ControlLayout& layout = kControls[index];
        SetWindowPos(controls_[index], nullptr, TwipsToPixels(layout.left, scale),
                     TwipsToPixels(layout.top, scale), TwipsToPixels(layout.width, scale),
                     TwipsToPixels(layout.height, scale), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::ApplyTabOrder() {
    // The dialog keys walk the controls in z-order, so the z-order is the tab order.
    HWND above = HWND_TOP;
    for (std::string_view name : tabOrder_.Order()) {
        const HWND control = Control(name);
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
}

void MainWindow::Show(int showCommand) {
    guard_.Run([this] { Load(); });
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    PostMessageW(window_, kNameControlsMessage, 0, 0);
}

bool MainWindow::TakeDialogKey(MSG& message) const {
    return IsDialogMessageW(window_, &message) != FALSE;
}

HWND MainWindow::Control(std::string_view name) const {
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        if (name == kControls[index].name) {
            return controls_[index];
        }
    }
    return nullptr;
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
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
        self->guard_.Run([&error] { std::rethrow_exception(error); });
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return result;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return OnControlColour(message, reinterpret_cast<HDC>(wParam),
                                   reinterpret_cast<HWND>(lParam));
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            // High contrast switched on or off, or the system's colours changed under it.
            TakeColourScheme();
            RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            return DefWindowProcW(window_, message, wParam, lParam);
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == kMessageObjectId) {
                return accessibleMessage_.Answer(window_, wParam);
            }
            return DefWindowProcW(window_, message, wParam, lParam);
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
            return OnGetDpiScaledSize(static_cast<UINT>(wParam), *reinterpret_cast<SIZE*>(lParam))
                       ? TRUE
                       : FALSE;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case kNameControlsMessage:
            NameControlsForScreenReaders();
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    // IDOK and IDCANCEL, which Enter and Esc send through the dialog keys, do nothing.
    auto* const control = reinterpret_cast<HWND>(lParam);
    const UINT code = HIWORD(wParam);
    if (control == nullptr) {
        return 0;
    }
    if (code == BN_CLICKED && control == Control("Command1")) {
        guard_.Run([this] { Calculate(); });
    } else if (code == BN_CLICKED && control == Control("Command2")) {
        guard_.Run([this] { Clear(); });
    } else if (code == EN_SETFOCUS) {
        CloseInputMethod(control);
    }
    return 0;
}

void MainWindow::CloseInputMethod(HWND field) const {
    // Numbers are typed half-width; the user can still open the input method by hand.
    const bool input = std::any_of(kInputFields.begin(), kInputFields.end(), [&](weir::Field f) {
        return Control(kFieldNames[static_cast<std::size_t>(f)]) == field;
    });
    if (!input) {
        return;
    }
    const HIMC context = ImmGetContext(field);
    if (context != nullptr) {
        ImmSetOpenStatus(context, FALSE);
        ImmReleaseContext(field, context);
    }
}

LRESULT MainWindow::OnControlColour(UINT message, HDC dc, HWND control) {
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
    return reinterpret_cast<LRESULT>(BrushFor(pair->background));
}

void MainWindow::PaintBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, BrushFor(colours_.Window().background));
}

void MainWindow::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window_, &paint);
    PaintSurface(dc);
    EndPaint(window_, &paint);
}

void MainWindow::PaintSurface(HDC dc) const {
    const int saved = SaveDC(dc);
    RECT client{};
    GetClientRect(window_, &client);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    SelectObject(dc, font_.get());
    // As designed the text stands on the grey itself; under high contrast on a box of its own.
    SetBkMode(dc, colours_.HighContrast() ? OPAQUE : TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const int scale = static_cast<int>(dpi_);
    for (const DrawnText& drawn : surface_.Drawn()) {
        const std::wstring text = Widen(drawn.text);
        const ColourPair pair = colours_.Message(drawn.colour);
        SetTextColor(dc, pair.text);
        SetBkColor(dc, pair.background);
        TextOutW(dc, TwipsToPixels(drawn.left, scale), TwipsToPixels(drawn.top, scale),
                 text.c_str(), static_cast<int>(text.size()));
    }
    RestoreDC(dc, saved);
}

void MainWindow::OnActivate(WPARAM wParam) {
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

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    ChooseFont();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame at the new dpi differs from what Windows reckoned, the client area
    // keeps its size in twips: the top-left corner stays where Windows put it.
    LayOut();
    InvalidateRect(window_, nullptr, TRUE);
}

bool MainWindow::OnGetDpiScaledSize(UINT dpi, SIZE& size) const {
    // The client area in twips is rounded to whole pixels at each dpi; Windows' own scaling
    // of the outer size would be a pixel off now and then.
    size = OuterSize(dpi);
    return true;
}

void MainWindow::OnDestroy() {
    ForgetScreenReaderNames();
    // Closing the window ends the program, unless its owner takes it down itself.
    if (!destroying_) {
        PostQuitMessage(0);
    }
}

void MainWindow::Load() {
    // Centred on its monitor with the frame, then Text1 first in the tab order, with the caret.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT outer{};
    GetWindowRect(window_, &outer);
    const RECT& screen = monitor.rcMonitor;
    SetWindowPos(window_, nullptr,
                 screen.left + CentredStart(screen.right - screen.left, outer.right - outer.left),
                 screen.top + CentredStart(screen.bottom - screen.top, outer.bottom - outer.top), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    tabOrder_.SetIndex("Text1", 0);
    ApplyTabOrder();
    focused_ = FieldWindow(weir::Field::Text1);
    SetFocus(focused_);
}

void MainWindow::Calculate() {
    std::array<wchar_t, 8> separator{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                        static_cast<int>(separator.size())) == 0) {
        throw ControlFailure("the user's decimal separator could not be read");
    }
    weir::RunCalculation(*this, Narrow(separator.data()));
}

void MainWindow::Clear() {
    ClearSurface();
    for (weir::Field field : kFields) {
        SetText(field, {});
    }
}

HWND MainWindow::FieldWindow(weir::Field field) const {
    const char* name = kFieldNames[static_cast<std::size_t>(field)];
    const HWND control = Control(name);
    if (IsWindow(control) == FALSE || GetParent(control) != window_) {
        throw ControlFailure(std::string("the field ") + name + " is gone");
    }
    return control;
}

const ControlLayout* MainWindow::LayoutOf(HWND control) const {
    const auto index = static_cast<std::size_t>(
        std::find(controls_.begin(), controls_.end(), control) - controls_.begin());
    if (index == controls_.size()) {
        return nullptr;
    }
    return &kControls[index];
}

HBRUSH MainWindow::BrushFor(weir::Colour colour) const {
    for (const auto& [brushColour, brush] : brushes_) {
        if (brushColour == colour) {
            return brush.get();
        }
    }
    return nullptr;
}

void MainWindow::ClearSurface() {
    const bool held = !surface_.Drawn().empty();
    surface_.Clear();
    InvalidateRect(window_, nullptr, TRUE);
    if (held) {
        AccessibleMessage::Withdraw(window_);
    }
}

void MainWindow::SetText(weir::Field field, const std::string& text) {
    if (SetWindowTextW(FieldWindow(field), Widen(text).c_str()) == FALSE) {
        throw ControlFailure(std::string("the text of ") +
                             kFieldNames[static_cast<std::size_t>(field)] + " could not be set");
    }
}

std::string MainWindow::GetText(weir::Field field) {
    const HWND control = FieldWindow(field);
    SetLastError(ERROR_SUCCESS);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    if (copied == 0 && GetLastError() != ERROR_SUCCESS) {
        throw ControlFailure(std::string("the text of ") +
                             kFieldNames[static_cast<std::size_t>(field)] + " could not be read");
    }
    text.resize(static_cast<std::size_t>(copied));
    return Narrow(text);
}

void MainWindow::SetDrawColour(weir::Colour colour) {
    surface_.SetColour(colour);
}

void MainWindow::DrawTextLine(const std::string& text) {
    // The next line goes one line of the window's font further down.
    const ScreenDc screen(window_);
    const HGDIOBJ previous = SelectObject(screen.get(), font_.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    SelectObject(screen.get(), previous);
    surface_.Draw(text, PixelsToTwips(metrics.tmHeight, static_cast<int>(dpi_)));
    InvalidateRect(window_, nullptr, TRUE);
    AccessibleMessage::Announce(window_);
}

}  // namespace tarvik::win32
