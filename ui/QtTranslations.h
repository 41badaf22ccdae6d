#pragma once
#include <QLocale>

namespace ui {

// The language of Qt's own texts (dialog buttons, the file dialog): the user's, and Chinese when the
// user's language is Chinese or not set at all.
QLocale DialogLocale(const QLocale& system);

// Loads Qt's translations for the locale into the running application; false when none are installed.
bool InstallQtTranslations(const QLocale& locale);

} // namespace ui
