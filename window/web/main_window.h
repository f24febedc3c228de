// The window TARVIK on a web page: the shared layout made of DOM elements, its load, the
// Calculate and Clear buttons, and the fields and background surface that the Calculate
// action works on.
#pragma once

#include <string>

#include <emscripten/val.h>

#include "weir/window_port.h"
#include "window/error_policy.h"
#include "window/surface.h"
#include "window/tab_order.h"

namespace tarvik {

class WebWindow : public weir::WindowPort {
  public:
    // Takes over the window that the page shows inside its element `host`. Errors go to a modal
    // dialog of the page; a failure of the window ends TARVIK on the page, saying so in place of
    // the window.
    explicit WebWindow(emscripten::val host);
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;
    WebWindow(WebWindow&&) = delete;
    WebWindow& operator=(WebWindow&&) = delete;
    ~WebWindow() override = default;

    void ClearSurface() override;
    void SetText(weir::Field field, const std::string& text) override;
    std::string GetText(weir::Field field) override;
    void SetDrawColour(weir::Colour colour) override;
    void DrawTextLine(const std::string& text) override;

  private:
    void ChooseFont();
    void Connect();
    void FitToScreen();
    void Load();
    void Calculate();
    void Clear();
    void Report(int kind, const std::string& message);
    void End(int status);
    emscripten::val Field(weir::Field field) const;
    void PaintSurface();

    emscripten::val document_;
    emscripten::val host_;
    emscripten::val window_;
    emscripten::val surface_;
    std::string separator_;  // empty until the first Calculate
    TabOrder tabOrder_;
    DrawingSurface drawing_;
    int lineHeight_ = 0;  // twips
    EventGuard guard_;
};

}  // namespace tarvik
