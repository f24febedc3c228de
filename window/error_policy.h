// What the window does when an event meets a run-time error: the user is told in Japanese,
// an error in the calculation leaves the window as it was, and a failure of the window
// itself ends the program.
#pragma once

#include <functional>
#include <string>

#include "weir/run_error.h"

namespace tarvik {

// How grave an error is, which each toolkit's box shows by its icon: a warning asks the user
// to correct an input and go on; a critical error ends the program once the box is closed.
enum class Severity { Warning, Critical };

// What the error box says. Its caption is the window's name.
struct ErrorBox {
    weir::ErrorKind kind;
    Severity severity;
    std::string message;  // UTF-8
};

// Shows the user what went wrong; the windows show a modal message box.
using ErrorReporter = std::function<void(const ErrorBox& box)>;
// Ends the program with the given status.
using ExitAction = std::function<void(int status)>;

inline constexpr int kControlFailureStatus = 1;

// The message for the user, naming the field by its label where the error came from one.
std::string ErrorMessage(const weir::RunError& error);

// After a control failure the window cannot be trusted, so the program ends; after any
// other error the user corrects the inputs and goes on.
constexpr bool EndsProgram(weir::ErrorKind kind) {
    return kind == weir::ErrorKind::ControlFailure;
}

constexpr Severity SeverityOf(weir::ErrorKind kind) {
    return EndsProgram(kind) ? Severity::Critical : Severity::Warning;
}

class EventGuard {
  public:
    EventGuard(ErrorReporter report, ExitAction exit);

    // Runs `event` and lets no exception out of it, since none may cross the window
    // system's event loop. An unforeseen exception is treated as a failure of the window.
    void Run(const std::function<void()>& event) const noexcept;

  private:
    ErrorReporter report_;
    ExitAction exit_;
};

}  // namespace tarvik
