// Qt's own texts in the window's language.
#include "window/qt/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tarvik::qt {

bool InstallQtTexts(QTranslator& translator) {
    // The window speaks Japanese whatever the user's locale, and so must Qt's part of it.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    if (!translator.load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}

}  // namespace tarvik::qt
