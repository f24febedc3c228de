// Starts a window test or tool on the offscreen platform with a 1024 x 768 screen, unless
// whoever runs it has chosen another platform or offscreen options of their own.
#pragma once

#include <QApplication>
#include <QByteArray>

namespace tarvik::testing {

inline void PreferOffscreen() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TARVIK_SCREEN_CONFIG);
    }
}

}  // namespace tarvik::testing
