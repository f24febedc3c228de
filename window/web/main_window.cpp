// The page's window: its font fitted in the browser at hand, its events wired to the shared
// behaviour, and what that behaviour asks of a toolkit, done with the page's DOM.
#include "window/web/main_window.h"

#include <vector>

#include <emscripten/html5.h>

#include "weir/calculate.h"
#include "weir/run_error.h"
#include "window/colours.h"
#include "window/font_fit.h"
#include "window/layout.h"
#include "window/twips.h"
#include "window/web/markup.h"

namespace tarvik::web {

namespace {

using emscripten::val;

// Below this width the page is taken for a phone's, and the window is scaled to fill it.
constexpr int kNarrowScreenPixels = 480;

// The control named in the page's focused element, empty when none of ours has it.
std::string FocusedName(const val& document) {
    const val active = document["activeElement"];
    return active.isNull() || active.isUndefined() ? std::string() : active["id"].as<std::string>();
}

}  // namespace

Window::Window()
    : document_(val::global("document")),
      frame_(ById(kFrameId)),
      window_(ById(kWindowLayout.name)),
      surface_(ById(kSurfaceId)),
      core_(*this) {
    ChooseFont();
    Wire(true);
    core_.Load();
    window_.call<void>("removeAttribute", std::string("aria-busy"));
}

Window::~Window() {
    Wire(false);
}

void Window::ChooseFont() {
    // The size is the largest at which every caption fits its label, measured in the face
    // the window's stylesheet finds in this browser.
    val probe = document_.call<val>("createElement", std::string("span"));
    probe.set("className", std::string("probe"));
    window_.call<void>("append", probe);
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

void Window::Wire(bool connect) {
    // Without `connect`, every callback is taken away again.
    void* self = connect ? this : nullptr;
    const auto resize = [](int, const EmscriptenUiEvent*, void* window) -> EM_BOOL {
        static_cast<Window*>(window)->Centre();
        return EM_FALSE;
    };
    emscripten_set_click_callback("#Command1", self, EM_FALSE,
                                  connect ? &Clicked<&WindowCore::Calculate> : nullptr);
    emscripten_set_click_callback("#Command2", self, EM_FALSE,
                                  connect ? &Clicked<&WindowCore::Clear> : nullptr);
    for (std::string_view name : core_.Tabs().FocusChain()) {
        emscripten_set_keydown_callback(("#" + std::string(name)).c_str(), self, EM_FALSE,
                                        connect ? &Window::KeyDown : nullptr);
    }
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, self, EM_FALSE,
                                   connect ? +resize : nullptr);
}

template <void (WindowCore::*Event)()>
EM_BOOL Window::Clicked(int /*type*/, const EmscriptenMouseEvent* /*event*/, void* self) {
    (static_cast<Window*>(self)->core_.*Event)();
    return EM_TRUE;
}

EM_BOOL Window::KeyDown(int /*type*/, const EmscriptenKeyboardEvent* event, void* self) {
    // Tab wraps from the last control to the first, as in the desktop window; so that the
    // keyboard is not held in the window, Escape takes it to the page's text below, where the
    // page says so. Enter runs no button, as on the desktop.
    auto* window = static_cast<Window*>(self);
    const std::string focused = FocusedName(window->document_);
    const std::string_view pressed = event->key;
    if (pressed == "Enter") {
        const ControlLayout* control = FindControl(focused);
        return control != nullptr && control->kind == ControlKind::Button ? EM_TRUE : EM_FALSE;
    }
    const std::vector<std::string_view> chain = window->core_.Tabs().FocusChain();
    const bool back = event->shiftKey != 0;
    if (pressed == "Escape") {
        window->ById(kLeaveWindowId).call<void>("focus");
    } else if (pressed != "Tab" || focused != (back ? chain.front() : chain.back())) {
        return EM_FALSE;
    } else {
        window->core_.Guarded(
            [&] { window->Control(back ? chain.back() : chain.front()).call<void>("focus"); });
    }
    return EM_TRUE;
}

val Window::ById(std::string_view id) const {
    return document_.call<val>("getElementById", std::string(id));
}

val Window::Control(std::string_view name) const {
    val element = ById(name);
    if (element.isNull() || !window_.call<bool>("contains", element)) {
        throw weir::RunError(weir::ErrorKind::ControlFailure,
                             "the control " + std::string(name) + " is gone");
    }
    return element;
}

std::string Window::FieldText(weir::Field field) {
    return Control(FieldName(field))["value"].as<std::string>();
}

void Window::SetFieldText(weir::Field field, const std::string& text) {
    Control(FieldName(field)).set("value", text);
}

void Window::RepaintSurface() {
    surface_.call<void>("replaceChildren");
    for (const DrawnText& drawn : core_.Surface().Drawn()) {
        val line = document_.call<val>("createElement", std::string("div"));
        line.set("className", std::string("drawn"));
        line.set("textContent", drawn.text);
        line["style"].set("left", CssPixels(drawn.left));
        line["style"].set("top", CssPixels(drawn.top));
        line["style"].set("color", CssColour(Readable(drawn.colour, kWindowLayout.background)));
        surface_.call<void>("append", line);
    }
}

std::string Window::DecimalSeparator() {
    // The browser's own, for its language, as a German browser writes 555,5. Its number
    // format takes some milliseconds to make, which the window's start does without: the
    // first Calculate asks for it.
    if (separator_.empty()) {
        const val parts = val::global("Intl")["NumberFormat"]
                              .new_(val::global("navigator")["language"])
                              .call<val>("formatToParts", 0.5);
        separator_ = ".";
        for (int i = 0; i < parts["length"].as<int>(); ++i) {
            if (parts[i]["type"].as<std::string>() == "decimal") {
                separator_ = parts[i]["value"].as<std::string>();
            }
        }
    }
    return separator_;
}

void Window::Centre() {
    // The stylesheet centres the window on the page. A phone shows it, with its title bar,
    // as wide as its screen; a desktop, at its size.
    const auto screenWidth = val::global("window")["innerWidth"].as<double>();
    frame_["style"].set("zoom", std::string("1"));
    const double scale =
        screenWidth < kNarrowScreenPixels ? screenWidth / frame_["offsetWidth"].as<double>() : 1.0;
    frame_["style"].set("zoom", std::to_string(scale));
}

void Window::ApplyTabOrder(const TabOrder& order) {
    // The browser's Tab walks the controls in the order they stand in the page: they are put
    // in that order, and the one with the focus keeps it.
    const val focused = document_["activeElement"];
    for (std::string_view name : order.FocusChain()) {
        window_.call<void>("append", Control(name));
    }
    focused.call<void>("focus");
}

void Window::Focus(std::string_view control) {
    // The page gave the first field the caret as it showed the window; a user who moved it
    // to another control before the program took over keeps it there.
    if (FindControl(FocusedName(document_)) == nullptr) {
        Control(control).call<void>("focus");
    }
}

void Window::ShowErrorBox(const ErrorBox& box) {
    // A modal dialog of the page: it takes the focus, its button or Enter closes it, and the
    // focus goes back where it was. Its icon shows the severity, as a desktop box's does; the
    // kind stands on it for whoever drives the page.
    val dialog = ById(kErrorDialogId);
    dialog["dataset"].set("severity",
                          std::string(box.severity == Severity::Critical ? "critical" : "warning"));
    dialog["dataset"].set("kind", std::string(weir::ErrorKindName(box.kind)));
    ById(kErrorTextId).set("textContent", box.message);
    dialog.call<void>("showModal");
}

void Window::EndProgram(int status) {
    // The window is gone from the page with its title bar, and the page says so in its place,
    // as a closed desktop window would be gone; a reload starts TARVIK afresh.
    val ended = document_.call<val>("createElement", std::string("p"));
    ended.set("id", std::string("ended"));
    ended["dataset"].set("status", std::to_string(status));
    ended.set("textContent",
              std::string("TARVIK は終了しました。ページを再読み込みすると、もう一度始まります。"));
    frame_.call<void>("replaceWith", ended);
}

}  // namespace tarvik::web
