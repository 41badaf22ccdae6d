#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

QLocale DialogLocale(const QLocale& system) {
    // An unset LANG (or LANG=C) gives the C locale; the program itself speaks Chinese.
    if (system.language() == QLocale::C) return QLocale(QLocale::Chinese, QLocale::China);
    return system;
}

bool InstallQtTranslations(const QLocale& locale) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace ui
