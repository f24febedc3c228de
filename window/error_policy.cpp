// The error box's Japanese texts, and the guard that every event of the window runs in.
#include "window/error_policy.h"

#include <exception>
#include <string_view>
#include <utility>

#include "window/layout.h"

namespace tarvik {

namespace {

// `before` and `after` stand around the field's caption in quotes; without a field the
// message is `withoutField`.
std::string AboutField(const weir::RunError& error, std::string_view before, std::string_view after,
                       std::string_view withoutField) {
    if (!error.field()) {
        return std::string(withoutField);
    }
    std::string message(before);
    message += "「";
    message += CaptionOf(*error.field());
    message += "」";
    message += after;
    return message;
}

}  // namespace

std::string ErrorMessage(const weir::RunError& error) {
    switch (error.kind()) {
        case weir::ErrorKind::Conversion:
            return AboutField(error, "", "の値を数値として読めません。数値を入力して下さい。",
                              "数値として読めない文字列があります。");
        case weir::ErrorKind::Overflow:
            return AboutField(error, "", "の値が大きすぎて扱えません。",
                              "計算の途中で値が大きくなりすぎました。挟込範囲を見直して下さい。");
        case weir::ErrorKind::DivisionByZero:
            return AboutField(
                error, "", "に 0 は使えません。0 より大きい値を入力して下さい。",
                "0 で割る計算になりました。挟込範囲に 0 が入っていないか確かめて下さい。");
        case weir::ErrorKind::InvalidArgument:
            return AboutField(
                error, "", "に負の値は使えません。0 より大きい値を入力して下さい。",
                "負の数の平方根を求める計算になりました。挟込範囲に負の値が入っていないか"
                "確かめて下さい。");
        case weir::ErrorKind::ControlFailure:
            break;
    }
    return "画面の部品を読み書きできませんでした。プログラムを終了します。";
}

EventGuard::EventGuard(ErrorReporter report, ExitAction exit)
    : report_(std::move(report)), exit_(std::move(exit)) {}

void EventGuard::Run(const std::function<void()>& event) const noexcept {
    weir::ErrorKind kind = weir::ErrorKind::ControlFailure;
    std::string message;
    try {
        event();
        return;
    } catch (const weir::RunError& error) {
        kind = error.kind();
        message = ErrorMessage(error);
    } catch (const std::exception& error) {
        message = std::string("予期しないエラーが起きました（") + error.what() +
                  "）。プログラムを終了します。";
    } catch (...) {
        message = "予期しないエラーが起きました。プログラムを終了します。";
    }
    try {
        report_(ErrorBox{kind, SeverityOf(kind), message});
    } catch (...) {
        // The box itself failed; the program still ends below if it must.
        kind = weir::ErrorKind::ControlFailure;
    }
    if (EndsProgram(kind)) {
        exit_(kControlFailureStatus);
    }
}

}  // namespace tarvik
