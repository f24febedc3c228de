// The window TARVIK on a web page, made from the shared layout with DOM elements.
#include "window/web/main_window.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include <emscripten/html5.h>

#include "weir/calculate.h"
#include "weir/run_error.h"
#include "window/font_fit.h"
#include "window/layout.h"
#include "window/twips.h"
#include "window/web/markup.h"

namespace tarvik {

namespace {

using emscripten::val;

// Below this width the page is taken for a phone's, and the window is scaled to fill it.
constexpr int kNarrowScreenPixels = 480;

// Relative luminance, as WCAG defines it.
double Luminance(weir::Colour colour) {
    double luminance = 0.0;
    constexpr std::array<double, 3> kWeights{0.2126, 0.7152, 0.0722};  // red, green, blue
    for (unsigned channel = 0; channel < 3; ++channel) {
        const double value = ((colour >> (8U * channel)) & 0xFFU) / 255.0;
        luminance += kWeights.at(channel) *
                     (value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
    }
    return luminance;
}

// `colour` darkened, keeping its hue, until text in it stands out from `background` as WCAG's
// level AA asks of text (4.5 to 1): the window's red on its silver reads at only 2.2 to 1.
weir::Colour Readable(weir::Colour colour, weir::Colour background) {
    constexpr double kContrast = 4.5;
    const double limit = (Luminance(background) + 0.05) / kContrast - 0.05;
    while (Luminance(colour) > limit && colour != 0) {
        weir::Colour darker = 0;
        for (unsigned channel = 0; channel < 3; ++channel) {
            const unsigned value = (colour >> (8U * channel)) & 0xFFU;
            darker |= (value * 15U / 16U) << (8U * channel);
        }
        colour = darker;
    }
    return colour;
}

// The browser's own decimal separator for its language, as a German browser writes 555,5.
std::string BrowserDecimalSeparator() {
    const val format =
        val::global("Intl")["NumberFormat"].new_(val::global("navigator")["language"]);
    const val parts = format.call<val>("formatToParts", 0.5);
    const int count = parts["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        if (parts[i]["type"].as<std::string>() == "decimal") {
            return parts[i]["value"].as<std::string>();
        }
    }
    return ".";
}

// The control named in the page's focused element, empty when none of ours has it.
std::string FocusedName(const val& document) {
    const val active = document["activeElement"];
    return active.isNull() || active.isUndefined() ? std::string() : active["id"].as<std::string>();
}

}  // namespace

WebWindow::WebWindow(val host)
    : document_(val::global("document")),
      host_(std::move(host)),
      window_(val::null()),
      surface_(val::null()),
      guard_([this](weir::ErrorKind kind,
                    const std::string& message) { Report(static_cast<int>(kind), message); },
             [this](int status) { End(status); }) {
    window_ = document_.call<val>("getElementById", std::string(kWindowLayout.name));
    surface_ = document_.call<val>("getElementById", std::string("surface"));
    ChooseFont();
    FitToScreen();
    Connect();
    guard_.Run([this] { Load(); });
}

void WebWindow::ChooseFont() {
    // The size is the largest at which every caption fits its label, measured in the faces
    // this browser has.
    val probe = document_.call<val>("createElement", std::string("span"));
    probe.set("className", std::string("probe"));
    probe["style"].set("fontFamily", std::string(kFontFamilies));
    document_["body"].call<void>("append", probe);
    const int halfPoints =
        FittingHalfPoints([&probe](std::string_view caption, int width, int size) {
            probe["style"].set("fontSize", CssPoints(size));
            probe["style"].set("maxWidth", CssPixels(width));
            probe.set("textContent", std::string(caption));
            return TextExtent{PixelsToTwips(probe["offsetWidth"].as<int>()),
                              PixelsToTwips(probe["offsetHeight"].as<int>())};
        });
    // A drawn line is never wrapped.
    probe["style"].set("maxWidth", std::string("none"));
    probe["style"].set("fontSize", CssPoints(halfPoints));
    probe.set("textContent", std::string(weir::kNoSolutionMessage));
    lineHeight_ = PixelsToTwips(probe["offsetHeight"].as<int>());
    probe.call<void>("remove");
    window_["style"].set("fontSize", CssPoints(halfPoints));
}

void WebWindow::FitToScreen() {
    // A phone shows the whole window as large as its screen allows; a desktop, at its size.
    const val view = val::global("window");
    const auto screenWidth = view["innerWidth"].as<double>();
    const auto screenHeight = view["innerHeight"].as<double>();
    double scale = 1.0;
    if (screenWidth < kNarrowScreenPixels) {
        scale = std::min(screenWidth / TwipsToPixels(kWindowLayout.width),
                         screenHeight / TwipsToPixels(kWindowLayout.height));
    }
    window_["style"].set("zoom", std::to_string(scale));
}

void WebWindow::Connect() {
    const auto calculate = [](int, const EmscriptenMouseEvent*, void* self) -> EM_BOOL {
        auto* window = static_cast<WebWindow*>(self);
        window->guard_.Run([window] { window->Calculate(); });
        return EM_TRUE;
    };
    const auto clear = [](int, const EmscriptenMouseEvent*, void* self) -> EM_BOOL {
        auto* window = static_cast<WebWindow*>(self);
        window->guard_.Run([window] { window->Clear(); });
        return EM_TRUE;
    };
    // Tab wraps from the last control to the first, as in the desktop window, rather than
    // leaving the window for the browser's own bar; Enter runs no button, as on the desktop.
    const auto key = [](int, const EmscriptenKeyboardEvent* event, void* self) -> EM_BOOL {
        const auto* window = static_cast<WebWindow*>(self);
        const std::string focused = FocusedName(window->document_);
        const std::string_view pressed = event->key;
        if (pressed == "Enter") {
            return FindControl(focused) != nullptr &&
                           FindControl(focused)->kind == ControlKind::Button
                       ? EM_TRUE
                       : EM_FALSE;
        }
        if (pressed != "Tab") {
            return EM_FALSE;
        }
        const std::vector<std::string_view> chain = window->tabOrder_.FocusChain();
        const std::string_view from = event->shiftKey != 0 ? chain.front() : chain.back();
        const std::string_view to = event->shiftKey != 0 ? chain.back() : chain.front();
        if (focused != from) {
            return EM_FALSE;
        }
        window->document_.call<val>("getElementById", std::string(to)).call<void>("focus");
        return EM_TRUE;
    };
    const auto resize = [](int, const EmscriptenUiEvent*, void* self) -> EM_BOOL {
        static_cast<WebWindow*>(self)->FitToScreen();
        return EM_FALSE;
    };
    emscripten_set_click_callback("#Command1", this, EM_FALSE, calculate);
    emscripten_set_click_callback("#Command2", this, EM_FALSE, clear);
    for (std::string_view name : tabOrder_.FocusChain()) {
        emscripten_set_keydown_callback(("#" + std::string(name)).c_str(), this, EM_FALSE, key);
    }
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, resize);
}

void WebWindow::Load() {
    // The page gave the first field the caret as it showed the window; the user may have moved
    // it since, and keeps it where it is.
    if (FindControl(FocusedName(document_)) == nullptr) {
        Field(weir::Field::Text1).call<void>("focus");
    }
    window_.call<void>("removeAttribute", std::string("aria-busy"));
}

void WebWindow::Calculate() {
    // The browser's number format takes some milliseconds to make, which the window's start
    // does without: the first Calculate asks for it.
    if (separator_.empty()) {
        separator_ = BrowserDecimalSeparator();
    }
    weir::RunCalculation(*this, separator_);
}

void WebWindow::Clear() {
    ClearSurface();
    for (std::size_t slot = 0; slot < kFieldNames.size(); ++slot) {
        SetText(static_cast<weir::Field>(slot), {});
    }
}

void WebWindow::Report(int kind, const std::string& message) {
    // The kind stands on the dialog for whoever drives the page.
    // A modal dialog of the page: it takes the focus, its button or Enter closes it, and the
    // focus goes back where it was.
    val dialog = document_.call<val>("getElementById", std::string("message"));
    dialog["dataset"].set("kind", std::to_string(kind));
    document_.call<val>("getElementById", std::string("message-text")).set("textContent", message);
    dialog.call<void>("showModal");
}

void WebWindow::End(int status) {
    // The window is gone from the page, and the page says so, as a closed desktop window
    // would be gone; a reload starts TARVIK afresh.
    window_.call<void>("remove");
    val ended = document_.call<val>("createElement", std::string("p"));
    ended.set("id", std::string("ended"));
    ended["dataset"].set("status", std::to_string(status));
    ended.set("textContent",
              std::string("TARVIK は終了しました。ページを再読み込みすると、もう一度始まります。"));
    host_.call<void>("append", ended);
}

val WebWindow::Field(weir::Field field) const {
    val element = document_.call<val>("getElementById", std::string(FieldName(field)));
    if (element.isNull() || !window_.call<bool>("contains", element)) {
        throw weir::RunError(weir::ErrorKind::ControlFailure,
                             "the field " + std::string(FieldName(field)) + " is gone");
    }
    return element;
}

void WebWindow::PaintSurface() {
    surface_.call<void>("replaceChildren");
    for (const DrawnText& drawn : drawing_.Drawn()) {
        val line = document_.call<val>("createElement", std::string("div"));
        line.set("className", std::string("drawn"));
        line.set("textContent", drawn.text);
        line["style"].set("left", CssPixels(drawn.left));
        line["style"].set("top", CssPixels(drawn.top));
        line["style"].set("color", CssColour(Readable(drawn.colour, kWindowLayout.background)));
        surface_.call<void>("append", line);
    }
}

void WebWindow::ClearSurface() {
    drawing_.Clear();
    PaintSurface();
}

void WebWindow::SetText(weir::Field field, const std::string& text) {
    Field(field).set("value", text);
}

std::string WebWindow::GetText(weir::Field field) {
    return Field(field)["value"].as<std::string>();
}

void WebWindow::SetDrawColour(weir::Colour colour) {
    drawing_.SetColour(colour);
}

void WebWindow::DrawTextLine(const std::string& text) {
    drawing_.Draw(text, lineHeight_);
    PaintSurface();
}

}  // namespace tarvik
