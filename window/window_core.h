// The behaviour of the window TARVIK, written once for every toolkit: its load event, the
// Calculate and Clear buttons, the drawing surface that the Calculate action writes its
// message on, the tab order and what happens when an event meets an error. Each toolkit's
// window creates and paints the controls, and lends the core the few things only it can do.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "weir/run_error.h"
#include "weir/window_port.h"
#include "window/error_policy.h"
#include "window/surface.h"
#include "window/tab_order.h"

namespace tarvik {

// What a toolkit does for the window. Any of these may throw RunError(ControlFailure) when
// the window system refuses; a field that is gone must (see FieldGone).
class Toolkit {
  public:
    virtual ~Toolkit() = default;

    // The text of one of the five fields, and a new one for it (UTF-8).
    virtual std::string FieldText(weir::Field field) = 0;
    virtual void SetFieldText(weir::Field field, const std::string& text) = 0;
    // The height of one line of the window's font, in twips: where a second drawn line goes.
    virtual int LineHeight() = 0;
    // What the surface holds has changed; it is painted again beneath the controls.
    virtual void RepaintSurface() = 0;
    // Tells screen readers that `message` has appeared on the background, or that it has gone.
    virtual void AnnounceMessage(const std::string& message) = 0;
    virtual void WithdrawMessage() = 0;
    // The user's decimal separator, as numbers are typed and shown in their locale.
    virtual std::string DecimalSeparator() = 0;
    // Centres the window, with its frame, on the screen it stands on.
    virtual void Centre() = 0;
    // Makes Tab walk the controls in `order` (labels never take the focus), and gives the
    // keyboard focus to `control`.
    virtual void ApplyTabOrder(const TabOrder& order) = 0;
    virtual void Focus(std::string_view control) = 0;
    // A modal box that tells the user what went wrong; it returns once it is dismissed.
    virtual void ShowErrorBox(const ErrorBox& box) = 0;
    // Ends the program with `status`, once the event under way has returned.
    virtual void EndProgram(int status) = 0;

  protected:
    Toolkit() = default;
    Toolkit(const Toolkit&) = default;
    Toolkit(Toolkit&&) = default;
    Toolkit& operator=(const Toolkit&) = default;
    Toolkit& operator=(Toolkit&&) = default;
};

// The error a toolkit raises when one of the window's fields is gone.
weir::RunError FieldGone(weir::Field field);

class WindowCore final : public weir::WindowPort {
  public:
    // Errors go to `report` and the program's end to `exit` where given (tests record them),
    // else to the toolkit's error box and end.
    explicit WindowCore(Toolkit& toolkit, ErrorReporter report = {}, ExitAction exit = {});
    ~WindowCore() override = default;
    // The toolkit's window and its events hold on to this one core.
    WindowCore(const WindowCore&) = delete;
    WindowCore& operator=(const WindowCore&) = delete;
    WindowCore(WindowCore&&) = delete;
    WindowCore& operator=(WindowCore&&) = delete;

    // The window's three events. None lets an error out: the policy of error_policy.h
    // deals with it.
    void Load();
    void Calculate();
    void Clear();
    // Runs anything else the window system hands the window under the same policy.
    void Guarded(const std::function<void()>& event) const noexcept { guard_.Run(event); }

    const TabOrder& Tabs() const { return tabOrder_; }
    // Gives a control a new tab index, shifting those in between, and tells the toolkit.
    void SetTabIndex(std::string_view control, int index);
    const DrawingSurface& Surface() const { return surface_; }
    // The texts on the background read as one, as a screen reader says them; empty when none.
    std::string Message() const;

    void ClearSurface() override;
    void SetText(weir::Field field, const std::string& text) override;
    std::string GetText(weir::Field field) override;
    void SetDrawColour(weir::Colour colour) override;
    void DrawTextLine(const std::string& text) override;

  private:
    Toolkit& toolkit_;
    TabOrder tabOrder_;
    DrawingSurface surface_;
    EventGuard guard_;
};

}  // namespace tarvik
