// The word stock of the main window: the menu "Datei" with "Wortbestand öffnen…" and
// "Eingebauter Wortbestand", loading a list with progress and "Abbruch", and the title.
#include "lexicon/indexcache.h"
#include "lexicon/lexikon_eingebaut.h"
#include "ui/hauptfenster.h"
#include "ui/qttext.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>

namespace quandel {

void THauptFenster::WortbestandEintraegeAnlegen(QMenu* datei1) {
    datei1->addSeparator();
    QAction* oeffnen = datei1->addAction(QStringLiteral("Wortbestand &öffnen…"));
    oeffnen->setObjectName(QStringLiteral("WortbestandOeffnen1"));
    connect(oeffnen, &QAction::triggered, this, &THauptFenster::WortbestandOeffnenClick);
    QAction* eingebaut = datei1->addAction(QStringLiteral("&Eingebauter Wortbestand"));
    eingebaut->setObjectName(QStringLiteral("EingebauterWortbestand1"));
    connect(eingebaut, &QAction::triggered, this, &THauptFenster::EingebautenWortbestandLaden);
}

void THauptFenster::WortbestandOeffnenClick() {
    const QString pfad =
        dialoge_.DateiZumOeffnen(QStringLiteral("Wortbestand öffnen"),
                                 QStringLiteral("Wortlisten (*.txt *);;Alle Dateien (*)"));
    if (!pfad.isEmpty())
        WortbestandLaden(pfad);
}

bool THauptFenster::WortbestandLaden(const QString& pfad) {
    if (sucheLaeuft_ || geschlossen_)
        return false;
    sucheLaeuft_ = true;
    SuchfelderFreigeben(false);
    kontext_.AbbruchFlag = false;
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    Baubegleitung begleitung;
    begleitung.haken = &kontext_.haken;
    begleitung.abbruch = &kontext_.AbbruchFlag;
    begleitung.fortschritt = [this](int prozent) { ProgressBar1->setValue(prozent); };
    const std::string datei = QFile::encodeName(pfad).toStdString();
    bool geladen = false;
    try {
        LadeErgebnis ergebnis = WortlisteLaden(datei, KodierungErkennen(datei),
                                               AusQString(VokalFeld->text()), begleitung, true);
        lexikon_ = std::move(ergebnis.lexikon);
        indexPfad_ = std::move(ergebnis.indexPfad);
        wortlistePfad_ = pfad;
        VokalFeldGeaendert = false;
        WortbestandBenennen(QFileInfo(pfad).completeBaseName());
        geladen = true;
    } catch (const BauAbgebrochen&) {
        // Stopped by "Abbruch" or by closing the window: the old stock stays.
    } catch (const FensterGeschlossen&) {
        // The program is ending.
    } catch (const std::exception& e) {
        if (!geschlossen_)
            dialoge_.Fehler(QString::fromUtf8(e.what()));
    }
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    kontext_.AbbruchFlag = false;
    SuchfelderFreigeben(true);
    sucheLaeuft_ = false;
    // Disabled during the build, the search field lost the focus; the user types on.
    SuchEingabe->setFocus();
    return geladen;
}

// The saved index of the list in use changed under the window (its message has been shown):
// the list is opened again, built from its lines, as its index no longer passes the checks.
// A list that cannot be opened any more gives way to the built-in stock, since the old one
// reads from the changed file.
void THauptFenster::WortbestandErneuern() {
    if (wortlistePfad_.isEmpty() || !WortbestandLaden(wortlistePfad_))
        EingebautenWortbestandLaden();
}

void THauptFenster::EingebautenWortbestandLaden() {
    if (sucheLaeuft_)
        return;
    Abgesichert([this] {
        lexikon_ = daten::EingebautesLexikon(AusQString(VokalFeld->text()), kontext_.haken);
        indexPfad_.clear();
        wortlistePfad_.clear();
        VokalFeldGeaendert = false;
        WortbestandBenennen(QString());
    });
}

// The title names a word list with its number of words: "Quandel Tornar v1 – ngerman
// (356.010 Wörter)", after a search "Quandel Tornar v1 – ngerman (356.010 Wörter) — QBX"; the
// built-in stock keeps the plain titles. A new stock starts without the search frame's text.
void THauptFenster::WortbestandBenennen(const QString& name) {
    wortbestandZusatz_.clear();
    if (!name.isEmpty()) {
        const auto& bestand = lexikon_.Wortbestand();
        const std::size_t woerter = bestand.size() - (bestand.size() > 0 && bestand[0].empty());
        wortbestandZusatz_ = QStringLiteral(" – ") + name + QStringLiteral(" (") +
                             QLocale(QLocale::German).toString(static_cast<qulonglong>(woerter)) +
                             (woerter == 1 ? QStringLiteral(" Wort)") : QStringLiteral(" Wörter)"));
    }
    TitelSetzen(QString());
}

} // namespace quandel
