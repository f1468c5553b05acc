// Orbo's texts in the user's language, and Qt's own beside them.
#include "resources.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLibraryInfo>
#include <QtCore/QLocale>
#include <QtCore/QTranslator>

namespace orbo {

void InstallTranslations(const QLocale& locale) {
    InitResources();
    auto* own = new QTranslator(QCoreApplication::instance());
    // English is the source: a language without a catalogue keeps it.
    if (!own->load(locale, QStringLiteral("orbo"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    // Qt's dialogs, buttons and key names in the same language: from the system where Qt's
    // translations are installed, else the copy built into the program (Windows).
    const QString qtbase = QStringLiteral("qtbase_") + own->language();
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(qtbase, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(qtbase, QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace orbo
