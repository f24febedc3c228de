// Qt's own texts (a field's context menu, the error box's button) in the window's language,
// Japanese, from the translation Qt ships beside its libraries.
#pragma once

class QTranslator;

namespace tarvik::qt {

// Loads Qt's Japanese texts into `translator` and installs it in the application; returns
// false when this Qt has no Japanese translation, and Qt's texts stay in English.
bool InstallQtTexts(QTranslator& translator);

}  // namespace tarvik::qt
