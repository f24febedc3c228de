// The program's start: create the window TARVIK and hand it the events until it is closed.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include "window/qt/main_window.h"
#include "window/qt/qt_texts.h"

namespace {

struct Message {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's messages while it opens the display; held back so that a failure to open one is
// told in one line, instead of Qt's own lines and an abort with a core dump.
QList<Message> startupMessages;

// Without DISPLAY and WAYLAND_DISPLAY there is no screen to open at all; otherwise a screen
// was named and Qt failed to open it or to load its platform, and only Qt's reason helps.
bool DisplayNamed() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void HoldStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        startupMessages.append({type, context.category, text});
        return;
    }
    if (!DisplayNamed()) {
        std::fputs(
            "tarvik: no display could be opened; start it on a desktop, or log in to this "
            "machine from one with ssh -X and start it there: the window then opens on "
            "your own screen\n",
            stderr);
        std::_Exit(EXIT_FAILURE);
    }
    // Qt's warnings before the fatal message say which platform failed and why.
    QStringList reasons;
    for (const Message& message : startupMessages) {
        reasons.append(message.text);
    }
    reasons.append(text);
    const QString reason = reasons.join(QStringLiteral("; ")).simplified();
    std::fprintf(stderr, "tarvik: Qt could not start its window platform: %s\n",
                 reason.toLocal8Bit().constData());
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The app id on Wayland, by which docks match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvik.Tarvik"));
    const QtMessageHandler usual = qInstallMessageHandler(HoldStartupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(usual);
    for (const Message& message : startupMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    startupMessages.clear();

    QCoreApplication::setApplicationName(QStringLiteral("TARVIK"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    QTranslator qtTexts;
    tarvik::qt::InstallQtTexts(qtTexts);
    tarvik::qt::Window window;
    window.show();
    return QApplication::exec();
}
