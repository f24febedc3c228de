// Starts a window test or tool on the offscreen platform with a 1024 x 768 screen, unless
// whoever runs it has chosen a platform of their own.
#pragma once

#include <QApplication>
#include <QByteArray>

namespace tarvik::testing {

inline void PreferOffscreen() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TARVIK_SCREEN_CONFIG);
    }
}

}  // namespace tarvik::testing
