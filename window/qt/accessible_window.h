// What a screen reader finds in the Qt window: a frame named by the caption, and while the
// background holds a message, that message as a notification among the window's children,
// told to assistive technology when it is drawn and when it is cleared.
#pragma once

namespace tarvik::qt {

class Window;

// Lets Qt give every Window the accessible interface below; harmless to call again.
void InstallAccessibleWindow();

// Tells assistive technology that the message on `window`'s background has appeared (to be
// spoken) or has gone; Qt passes it on only while assistive technology listens.
void NotifyMessageShown(Window& window);
void NotifyMessageGone(Window& window);

}  // namespace tarvik::qt
