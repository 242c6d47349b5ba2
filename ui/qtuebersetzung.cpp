#include "ui/qtuebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quandel {

bool QtTexteDeutsch(QCoreApplication& anwendung) {
    // The program speaks German whatever the system's language, so Qt's texts follow it.
    auto* uebersetzung = new QTranslator(&anwendung);
    if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                            QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzung);
}

} // namespace quandel
