// The window TARVIK on the Win32 API: the window description of window/ laid out at the
// window's own dpi with STATIC, EDIT and BUTTON controls, its load, Calculate and Clear events,
// the drawing surface painted beneath the controls, and the fields that the Calculate action
// reads and writes through WindowPort.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "weir/window_port.h"
#include "window/error_policy.h"
#include "window/layout.h"
#include "window/surface.h"
#include "window/tab_order.h"
#include "window/win32/accessible_message.h"
#include "window/win32/colour_scheme.h"
#include "window/win32/newer_api.h"

struct IAccPropServices;

namespace tarvik::win32 {

// A GDI object (font or brush) that is deleted once, when its owner lets go of it.
struct GdiDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiDeleter>;

// The name that a control was given for screen readers, and what the system said to it.
struct AccessibleName {
    std::string control;
    std::string name;  // UTF-8
    HRESULT result;
};

class MainWindow final : public weir::WindowPort {
  public:
    // Creates the window and its controls, hidden. Without a reporter, errors go to a message
    // box owned by the window; without an exit action, a failure of the window ends the
    // message loop with the status. Throws RunError(ControlFailure) when Windows refuses
    // to create the window or one of its controls. `newer` holds the functions of the Windows
    // at hand that Windows 7 SP1 lacks.
    explicit MainWindow(ErrorReporter report = {}, ExitAction exit = {},
                        const NewerApi& newer = NewerApi());
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    MainWindow(MainWindow&&) = delete;
    MainWindow& operator=(MainWindow&&) = delete;

    // Runs the load event while the window is still hidden, then shows it; the controls get
    // their names for screen readers from the message loop that follows, if not before.
    void Show(int showCommand);
    // Gives the keyboard's keys to the dialog navigation (Tab, Shift+Tab); true when taken.
    bool TakeDialogKey(MSG& message) const;

    HWND Handle() const { return window_; }
    // nullptr for a name that is not one of the thirteen controls.
    HWND Control(std::string_view name) const;
    UINT Dpi() const { return dpi_; }
    int FontHalfPoints() const { return halfPoints_; }
    const std::vector<AccessibleName>& AccessibleNames() const { return accessibleNames_; }
    const DrawingSurface& Surface() const { return surface_; }

    void ClearSurface() override;
    void SetText(weir::Field field, const std::string& text) override;
    std::string GetText(weir::Field field) override;
    void SetDrawColour(weir::Colour colour) override;
    void DrawTextLine(const std::string& text) override;

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Build();
    void CreateControls();
    void NameControlsForScreenReaders();
    void ForgetScreenReaderNames();
    void ChooseFont();
    void LayOut();
    void ApplyTabOrder();
    void TakeColourScheme();

    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);
    void OnPaint();
    void OnActivate(WPARAM wParam);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    bool OnGetDpiScaledSize(UINT dpi, SIZE& size) const;
    void OnDestroy();
    void PaintBackground(HDC dc) const;
    void PaintSurface(HDC dc) const;

    void Load();
    void Calculate();
    void Clear();
    void CloseInputMethod(HWND field) const;

    HWND FieldWindow(weir::Field field) const;
    const ControlLayout* LayoutOf(HWND control) const;
    HBRUSH BrushFor(weir::Colour colour) const;
    SIZE OuterSize(UINT dpi) const;

    NewerApi newer_;
    HWND window_ = nullptr;
    std::array<HWND, kControls.size()> controls_{};  // in the order of kControls
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    int halfPoints_ = 0;
    Font font_;
    ColourScheme colours_ = ColourScheme::Current();
    std::vector<std::pair<weir::Colour, Brush>> brushes_;  // one per background of colours_
    TabOrder tabOrder_;
    DrawingSurface surface_;
    AccessibleMessage accessibleMessage_{surface_};
    EventGuard guard_;
    HWND focused_ = nullptr;  // the control to give the focus back to on activation
    bool destroying_ = false;
    bool comStarted_ = false;
    IAccPropServices* accessibility_ = nullptr;
    std::vector<AccessibleName> accessibleNames_;
};

}  // namespace tarvik::win32
