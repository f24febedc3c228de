// The one road by which an event of the window meets a run-time error: it is reported to
// the user in Japanese, and a failure of the window itself ends the program.
#pragma once

#include <functional>

#include "weir/run_error.h"

class QString;

namespace tarvik {

// Shows the user what went wrong; the window's default is a modal message box.
using ErrorReporter = std::function<void(weir::ErrorKind kind, const QString& message)>;
// Ends the program with the given status; the default leaves Qt's event loop.
using ExitAction = std::function<void(int status)>;
// The caption of the label that names a field, for messages about that field's text.
using FieldCaption = std::function<QString(weir::Field field)>;

inline constexpr int kControlFailureStatus = 1;

// The message for the user, naming the field by its label where the error came from one.
QString ErrorMessage(const weir::RunError& error, const FieldCaption& caption);

class EventGuard {
  public:
    EventGuard(ErrorReporter report, ExitAction exit, FieldCaption caption);

    // Runs `event` and lets no exception out of it, since none may cross Qt's event loop.
    // After an error in the calculation the window goes on; after a failure of the window
    // itself, or anything unforeseen, it cannot be trusted and the program ends.
    void Run(const std::function<void()>& event) const noexcept;

  private:
    ErrorReporter report_;
    ExitAction exit_;
    FieldCaption caption_;
};

}  // namespace tarvik
