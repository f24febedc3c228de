// Starts a window test or tool on the offscreen platform with a 1024 x 768 screen, unless
// whoever runs it has chosen another platform or offscreen options of their own.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace tarvik::testing {

inline void PreferOffscreen() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        // Qt cuts the platform's options at every ':', so a Windows path would lose its drive
        // letter's colon; relative to the working directory it has none (on the same drive).
        const QString config =
            QDir::current().relativeFilePath(QString::fromUtf8(TARVIK_SCREEN_CONFIG));
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }
}

}  // namespace tarvik::testing
