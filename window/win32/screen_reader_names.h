// The names screen readers say for the Win32 window's fields and buttons, given through the
// accessibility service (IAccPropServices): a screen reader would name a field after the
// label just before it in the z-order, which is the wrong label for some fields here.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct IAccPropServices;

namespace tarvik::win32 {

// COM on this thread, single-threaded, for as long as its owner lives: ended once, and only
// where it was started.
class ComApartment {
  public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ComApartment(ComApartment&&) = delete;
    ComApartment& operator=(ComApartment&&) = delete;

  private:
    bool started_;
};

// The name that a control was given for screen readers, and what the system said to it.
struct AccessibleName {
    std::string control;
    std::string name;  // UTF-8
    HRESULT result;
};

// The control of that name in the window.
using ControlLookup = std::function<HWND(std::string_view name)>;

class ScreenReaderNames {
  public:
    ScreenReaderNames() = default;
    ~ScreenReaderNames();
    ScreenReaderNames(const ScreenReaderNames&) = delete;
    ScreenReaderNames& operator=(const ScreenReaderNames&) = delete;
    ScreenReaderNames(ScreenReaderNames&&) = delete;
    ScreenReaderNames& operator=(ScreenReaderNames&&) = delete;

    // True while a screen reader runs, which may ask for the names at once.
    static bool ScreenReaderRuns();

    // Names each field after its label's caption and each button after its own, the first
    // time only: it starts COM and the accessibility service, which takes a while.
    void Give(const ControlLookup& control);
    // Takes the names off the controls, while they still stand, and lets the service go.
    void Withdraw();
    const std::vector<AccessibleName>& Given() const { return given_; }

  private:
    std::optional<ComApartment> apartment_;  // outlives the service below
    IAccPropServices* service_ = nullptr;
    std::vector<AccessibleName> given_;
    std::vector<HWND> named_;  // the controls of given_, in its order
};

}  // namespace tarvik::win32
