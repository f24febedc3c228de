// Renders the window TARVIK to a PNG file, optionally after typing a flow and a bracket and
// pressing Calculate, for the pictures in docs/.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "window/qt/main_window.h"
#include "window/qt/tests/offscreen_main.h"

int main(int argc, char* argv[]) {
    tarvik::testing::PreferOffscreen();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 5) {
        std::fputs("usage: tarvik_screenshot OUT.png [FLOW MINIMUM MAXIMUM]\n", stderr);
        return EXIT_FAILURE;
    }
    int status = EXIT_SUCCESS;
    const auto fail = [&status](const tarvik::ErrorBox& box) {
        std::fprintf(stderr, "tarvik_screenshot: %s\n", box.message.c_str());
        status = EXIT_FAILURE;
    };
    tarvik::qt::Window window(fail, [&status](int) { status = EXIT_FAILURE; });
    window.show();
    if (arguments.size() == 5) {
        for (int field = 1; field <= 3; ++field) {
            window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(field))
                ->setText(arguments[field + 1]);
        }
        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }
    QCoreApplication::processEvents();
    if (!window.grab().save(arguments[1], "PNG")) {
        std::fprintf(stderr, "tarvik_screenshot: cannot write %s\n", qPrintable(arguments[1]));
        return EXIT_FAILURE;
    }
    return status;
}
