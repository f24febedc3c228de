// The window TARVIK on the Win32 API: STATIC, EDIT and BUTTON controls laid out from the
// window description at the window's own dpi, the drawing surface painted beneath them, and
// the window's messages handed to the behaviour it shares with the other toolkits.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "window/error_policy.h"
#include "window/layout.h"
#include "window/win32/accessible_message.h"
#include "window/win32/colour_scheme.h"
#include "window/win32/gdi.h"
#include "window/win32/newer_api.h"
#include "window/win32/screen_reader_names.h"
#include "window/window_core.h"

namespace tarvik::win32 {

class Window final : private Toolkit {
  public:
    // Creates the window and its controls, hidden. Without a reporter, errors go to a message
    // box owned by the window; without an exit action, a failure of the window ends the
    // message loop with the status. Throws RunError(ControlFailure) when Windows refuses
    // to create the window or one of its controls. `newer` holds the functions of the Windows
    // at hand that Windows 7 SP1 lacks.
    explicit Window(ErrorReporter report = {}, ExitAction exit = {},
                    const NewerApi& newer = NewerApi());
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    Window(Window&&) = delete;
    Window& operator=(Window&&) = delete;

    // Runs the load event while the window is still hidden, then shows it; the controls get
    // their names for screen readers from the message loop that follows, if not before.
    void Show(int showCommand);
    // Gives the keyboard's keys to the dialog navigation (Tab, Shift+Tab); true when taken.
    bool TakeDialogKey(MSG& message) const;

    WindowCore& Core() { return core_; }
    const WindowCore& Core() const { return core_; }
    HWND Handle() const { return window_; }
    // nullptr for a name that is not one of the thirteen controls.
    HWND Control(std::string_view name) const;
    UINT Dpi() const { return dpi_; }
    int FontHalfPoints() const { return halfPoints_; }
    const std::vector<AccessibleName>& AccessibleNames() const { return names_.Given(); }

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Build();
    void CreateControls();
    void ChooseFont();
    void LayOut();
    void NameControls();
    void Destroy();

    void OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);
    void OnColoursChanged();
    void OnPaint();
    void PaintBackground(HDC dc) const;
    void PaintSurface(HDC dc) const;
    void OnActivate(WPARAM wParam);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    LRESULT OnGetDpiScaledSize(UINT dpi, SIZE& size) const;
    void OnDestroy();
    void CloseInputMethod(HWND field) const;

    HWND FieldWindow(weir::Field field) const;
    const ControlLayout* LayoutOf(HWND control) const;

    std::string FieldText(weir::Field field) override;
    void SetFieldText(weir::Field field, const std::string& text) override;
    int LineHeight() override;
    void RepaintSurface() override;
    void AnnounceMessage(const std::string& message) override;
    void WithdrawMessage() override;
    std::string DecimalSeparator() override;
    void Centre() override;
    void ApplyTabOrder(const TabOrder& order) override;
    void Focus(std::string_view control) override;
    void ShowErrorBox(const ErrorBox& box) override;
    void EndProgram(int status) override;

    NewerApi newer_;
    WindowCore core_;
    HWND window_ = nullptr;
    std::array<HWND, kControls.size()> controls_{};  // in the order of kControls
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    int halfPoints_ = 0;
    Font font_;
    ColourScheme colours_ = ColourScheme::Current();
    SchemeBrushes brushes_{colours_};
    AccessibleMessage accessibleMessage_{core_};
    ScreenReaderNames names_;  // outlives the window, which withdraws the names as it goes
    HWND focused_ = nullptr;   // the control to give the focus back to on activation
    bool destroying_ = false;
};

}  // namespace tarvik::win32
