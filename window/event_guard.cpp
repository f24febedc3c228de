// The one road by which an event of the window meets a run-time error: it is reported to
// the user in Japanese, and a failure of the window itself ends the program.
#include "window/event_guard.h"

#include <exception>
#include <utility>

#include <QString>

namespace tarvik {

namespace {

QString AboutField(const weir::RunError& error, const FieldCaption& caption, const char* format,
                   const char* withoutField) {
    if (error.field() && caption) {
        return QString::fromUtf8(format).arg(caption(*error.field()));
    }
    return QString::fromUtf8(withoutField);
}

}  // namespace

QString ErrorMessage(const weir::RunError& error, const FieldCaption& caption) {
    switch (error.kind()) {
        case weir::ErrorKind::Conversion:
            return AboutField(error, caption,
                              "「%1」の値を数値として読めません。数値を入力して下さい。",
                              "数値として読めない文字列があります。");
        case weir::ErrorKind::Overflow:
            return AboutField(error, caption, "「%1」の値が大きすぎて扱えません。",
                              "計算の途中で値が大きくなりすぎました。挟込範囲を見直して下さい。");
        case weir::ErrorKind::DivisionByZero:
            return QString::fromUtf8(
                "0 で割る計算になりました。挟込範囲に 0 が入っていないか確かめて下さい。");
        case weir::ErrorKind::InvalidArgument:
            return QString::fromUtf8(
                "負の数の平方根を求める計算になりました。挟込範囲に負の値が入っていないか確かめて"
                "下さい。");
        case weir::ErrorKind::ControlFailure:
            break;
    }
    return QString::fromUtf8("画面の部品を読み書きできませんでした。プログラムを終了します。");
}

EventGuard::EventGuard(ErrorReporter report, ExitAction exit, FieldCaption caption)
    : report_(std::move(report)), exit_(std::move(exit)), caption_(std::move(caption)) {}

void EventGuard::Run(const std::function<void()>& event) const noexcept {
    try {
        event();
    } catch (const weir::RunError& error) {
        report_(error.kind(), ErrorMessage(error, caption_));
        if (error.kind() == weir::ErrorKind::ControlFailure) {
            exit_(kControlFailureStatus);
        }
    } catch (const std::exception& error) {
        report_(weir::ErrorKind::ControlFailure,
                QString::fromUtf8("予期しないエラーが起きました（%1）。プログラムを終了します。")
                    .arg(QString::fromLocal8Bit(error.what())));
        exit_(kControlFailureStatus);
    } catch (...) {
        report_(weir::ErrorKind::ControlFailure,
                QString::fromUtf8("予期しないエラーが起きました。プログラムを終了します。"));
        exit_(kControlFailureStatus);
    }
}

}  // namespace tarvik
