// What a screen reader finds in the Qt window: a frame named by the caption, and while the
// background holds a message, that message as an alert among the window's children, told to
// assistive technology when it is drawn and when it is cleared.
#pragma once

namespace tarvik {

class MainWindow;

// Lets Qt give every MainWindow the accessible interface below; harmless to call again.
void InstallAccessibleWindow();

// Tells assistive technology that the message on `window`'s background has appeared (to be
// spoken) or has gone; Qt passes it on only while assistive technology listens.
void AnnounceMessage(MainWindow& window);
void WithdrawMessage(MainWindow& window);

}  // namespace tarvik
