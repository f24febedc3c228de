// The window's events, its surface and its error policy, on top of whatever toolkit draws it.
#include "window/window_core.h"

#include <utility>

#include "weir/calculate.h"
#include "window/layout.h"

namespace tarvik {

weir::RunError FieldGone(weir::Field field) {
    return {weir::ErrorKind::ControlFailure,
            "the field " + std::string(FieldName(field)) + " is gone"};
}

WindowCore::WindowCore(Toolkit& toolkit, ErrorReporter report, ExitAction exit)
    : toolkit_(toolkit),
      guard_(report ? std::move(report)
                    : ErrorReporter([this](const ErrorBox& box) { toolkit_.ShowErrorBox(box); }),
             exit ? std::move(exit)
                  : ExitAction([this](int status) { toolkit_.EndProgram(status); })) {}

void WindowCore::Load() {
    guard_.Run([this] {
        toolkit_.Centre();
        SetTabIndex(FieldName(weir::Field::Text1), 0);
        toolkit_.Focus(FieldName(weir::Field::Text1));
    });
}

void WindowCore::Calculate() {
    guard_.Run([this] { weir::RunCalculation(*this, toolkit_.DecimalSeparator()); });
}

void WindowCore::Clear() {
    guard_.Run([this] {
        ClearSurface();
        for (weir::Field field : weir::kFields) {
            SetText(field, {});
        }
    });
}

void WindowCore::SetTabIndex(std::string_view control, int index) {
    tabOrder_.SetIndex(control, index);
    toolkit_.ApplyTabOrder(tabOrder_);
}

std::string WindowCore::Message() const {
    std::string message;
    for (const DrawnText& drawn : surface_.Drawn()) {
        message += (message.empty() ? "" : " ") + drawn.text;
    }
    return message;
}

void WindowCore::ClearSurface() {
    const bool held = !surface_.Drawn().empty();
    surface_.Clear();
    toolkit_.RepaintSurface();
    if (held) {
        toolkit_.WithdrawMessage();
    }
}

void WindowCore::SetText(weir::Field field, const std::string& text) {
    toolkit_.SetFieldText(field, text);
}

std::string WindowCore::GetText(weir::Field field) {
    return toolkit_.FieldText(field);
}

void WindowCore::SetDrawColour(weir::Colour colour) {
    surface_.SetColour(colour);
}

void WindowCore::DrawTextLine(const std::string& text) {
    surface_.Draw(text, toolkit_.LineHeight());
    toolkit_.RepaintSurface();
    toolkit_.AnnounceMessage(Message());
}

}  // namespace tarvik
