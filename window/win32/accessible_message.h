// The message on the Win32 window's background for screen readers: an accessible object of
// the alert role whose name is the message, made when a screen reader first asks for it
// (WM_GETOBJECT), and announced when the message is drawn and when it is cleared.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include "window/window_core.h"

namespace tarvik::win32 {

// The object's id within the window, as a screen reader asks for it; servers' own ids are
// positive.
inline constexpr LONG kMessageObjectId = 1;

class AccessibleMessage {
  public:
    explicit AccessibleMessage(const WindowCore& core) : core_(core) {}
    ~AccessibleMessage();
    AccessibleMessage(const AccessibleMessage&) = delete;
    AccessibleMessage& operator=(const AccessibleMessage&) = delete;
    AccessibleMessage(AccessibleMessage&&) = delete;
    AccessibleMessage& operator=(AccessibleMessage&&) = delete;

    // The answer to `window`'s WM_GETOBJECT for kMessageObjectId.
    LRESULT Answer(HWND window, WPARAM flags);
    // Tells screen readers that the message on `window` appeared (an alert and a live
    // region's change) or went.
    static void Announce(HWND window);
    static void Withdraw(HWND window);

  private:
    const WindowCore& core_;
    IAccessible* object_ = nullptr;  // made on the first WM_GETOBJECT
};

}  // namespace tarvik::win32
