// The program's start: create the window TARVIK and hand it the events until it is closed.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QIcon>

#include "window/main_window.h"

namespace {

// Without a display Qt would abort with a core dump; a person starting the program from a
// terminal on a server gets told instead how to see the window anyway.
bool DisplayMissing() {
#ifdef __linux__
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (DisplayMissing()) {
        std::fputs(
            "tarvik: no display (DISPLAY and WAYLAND_DISPLAY are unset); to see the window "
            "anyway run it with QT_QPA_PLATFORM=vnc and connect a VNC viewer to port 5900, "
            "or start it under xvfb-run\n",
            stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TARVIK"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvik.png")));
    tarvik::MainWindow window;
    window.show();
    return QApplication::exec();
}
