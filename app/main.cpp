// The program's start: create the window TARVIK and hand it the events until it is closed.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QByteArray>
#include <QIcon>
#include <QList>
#include <QString>

#include "window/qt/main_window.h"

namespace {

struct Message {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's messages while it opens the display; held back so that a failure to open one is
// told in one line, instead of Qt's own lines and an abort with a core dump.
QList<Message> startupMessages;

void HoldStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        startupMessages.append({type, context.category, text});
        return;
    }
    std::fputs(
        "tarvik: no display could be opened; to see the window anyway run it with "
        "QT_QPA_PLATFORM=vnc and connect a VNC viewer to port 5900, or start it under xvfb-run\n",
        stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[]) {
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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvik.png")));
    tarvik::MainWindow window;
    window.show();
    return QApplication::exec();
}
