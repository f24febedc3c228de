// The window TARVIK on a web page: the page's own elements, written from the layout when the
// site was built, taken over from C++ and wired to the window's shared behaviour.
#pragma once

#include <string>
#include <string_view>

#include <emscripten/html5.h>
#include <emscripten/val.h>

#include "window/error_policy.h"
#include "window/window_core.h"

namespace tarvik::web {

class Window final : private Toolkit {
  public:
    // Takes over the window that the page shows. Errors go to a modal dialog of the page; a
    // failure of the window ends TARVIK on the page, saying so in place of the window.
    Window();
    // The page's events reach the window through its address: it stays where it was made,
    // and takes its callbacks with it when it goes.
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    Window(Window&&) = delete;
    Window& operator=(Window&&) = delete;
    ~Window() override;

  private:
    void ChooseFont();
    // Gives the page's events to the window, or takes them away.
    void Wire(bool connect);
    template <void (WindowCore::*Event)()>
    static EM_BOOL Clicked(int type, const EmscriptenMouseEvent* event, void* self);
    static EM_BOOL KeyDown(int type, const EmscriptenKeyboardEvent* event, void* self);
    emscripten::val ById(std::string_view id) const;
    // The window's control of that name; a control failure when it is gone from the window.
    emscripten::val Control(std::string_view name) const;

    std::string FieldText(weir::Field field) override;
    void SetFieldText(weir::Field field, const std::string& text) override;
    int LineHeight() override { return lineHeight_; }
    void RepaintSurface() override;
    // The surface is a live region of the page: the browser itself tells screen readers what
    // appears on it, and that it went.
    void AnnounceMessage(const std::string& /*message*/) override {}
    void WithdrawMessage() override {}
    std::string DecimalSeparator() override;
    void Centre() override;
    void ApplyTabOrder(const TabOrder& order) override;
    void Focus(std::string_view control) override;
    void ShowErrorBox(const ErrorBox& box) override;
    void EndProgram(int status) override;

    emscripten::val document_;
    emscripten::val frame_;  // the window with its title bar
    emscripten::val window_;
    emscripten::val surface_;
    std::string separator_;  // empty until the first Calculate
    int lineHeight_ = 0;     // twips
    WindowCore core_;
};

}  // namespace tarvik::web
