// What the user does with the window and what must follow, as rows that run against either
// window through a small driver of its own: typed texts, a click or a key, the fields, the
// red message and the errors reported afterwards.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "weir/run_error.h"

namespace tarvik::testing {

enum class Key { Tab, BackTab, Return, Enter, Escape };

struct Report {
    weir::ErrorKind kind;
    std::string message;  // UTF-8
};

// One toolkit's way of working its real window: clicks, keys and focus go through the
// window system, and texts are read back from the controls themselves.
class WindowDriver {
  public:
    virtual ~WindowDriver() = default;

    // A new window, created, loaded and shown, whose user writes numbers with
    // `decimalSeparator`; its errors go to a recorder, never a modal box, and its end is
    // only noted.
    virtual void Open(std::string_view decimalSeparator) = 0;
    // Gives the field the focus and types `text` (UTF-8) into it, as the keyboard would.
    virtual void Type(std::string_view field, std::string_view text) = 0;
    virtual void Click(std::string_view button) = 0;
    // Gives the control the focus and presses the key.
    virtual void Press(std::string_view control, Key key) = 0;
    // The name of the control that holds the focus, empty when none does.
    virtual std::string Focused() = 0;
    virtual std::string Text(std::string_view field) = 0;
    // The texts the window's background holds, oldest first.
    virtual std::vector<std::string> DrawnTexts() = 0;
    // Strongly red pixels painted in the strip above the first row of controls, or below it.
    virtual int RedPixels(bool inMessageStrip) = 0;
    // Destroys a field behind the window's back, as a failing window system would.
    virtual void Break(std::string_view field) = 0;
    virtual std::vector<Report> Reports() = 0;
    virtual std::vector<int> Exits() = 0;

  protected:
    WindowDriver() = default;
    WindowDriver(const WindowDriver&) = default;
    WindowDriver(WindowDriver&&) = default;
    WindowDriver& operator=(const WindowDriver&) = default;
    WindowDriver& operator=(WindowDriver&&) = default;
};

struct Scenario {
    std::string_view name;
    std::string_view separator;             // the user's decimal separator
    std::array<std::string_view, 3> typed;  // into Text1, Text2, Text3
    std::string_view control;               // clicked, or given `key`
    std::optional<Key> key;                 // pressed instead of a click
    std::array<std::string_view, 2> shown;  // Text4 and Text5 afterwards
    bool message;                           // the red "no solution" line is drawn
    std::optional<weir::ErrorKind> error;   // reported to the user
    std::string_view named;                 // what the report must say
    std::string_view broken;                // a field destroyed before the action
};

// A result the user typed into the two output fields before every scenario: what the
// action does to it shows.
inline constexpr std::array<std::string_view, 2> kEarlierResult{"170.74", "12"};

const std::vector<Scenario>& Scenarios();

// Runs one scenario on a new window: what went otherwise than it should, empty when nothing.
std::vector<std::string> Run(const Scenario& scenario, WindowDriver& driver);

// Seven Tabs from the window as loaded visit Text1, Text2, Command1, Command2, Text3, Text4,
// Text5 and Text1 again; a BackTab then goes back to Text5.
std::vector<std::string> RunFocusWalk(WindowDriver& driver);

}  // namespace tarvik::testing
