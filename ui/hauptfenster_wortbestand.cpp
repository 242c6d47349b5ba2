// The word stock of the main window: the entries "Wortbestand öffnen…" and "Eingebauter
// Wortbestand" of the menu "Datei", loading a list with progress and "Abbruch", and the title.
#include "ui/hauptfenster.h"
#include "ui/qttext.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>

namespace quandel {

void THauptFenster::WortbestandVerbinden() {
    connect(&wortbestand_, &WortbestandsLader::Fortschritt, ProgressBar1, &QProgressBar::setValue);
    connect(&wortbestand_, &WortbestandsLader::Fehler, this, [this](const QString& meldung) {
        if (!geschlossen_)
            dialoge_.Fehler(meldung);
    });
    // A new stock starts with its song-rhyme index built from the vowel field as it stands, and
    // with a title without the search frame's text.
    connect(&wortbestand_, &WortbestandsLader::Gewechselt, this, [this] {
        VokalFeldGeaendert = false;
        TitelSetzen(QString());
    });
}

void THauptFenster::WortbestandOeffnenClick() {
    const QString pfad =
        dialoge_.DateiZumOeffnen(QStringLiteral("Wortbestand öffnen"),
                                 QStringLiteral("Wortlisten (*.txt *);;Alle Dateien (*)"));
    if (!pfad.isEmpty())
        WortbestandLaden(pfad);
}

bool THauptFenster::WortbestandLaden(const QString& pfad) {
    return Laderahmen([this, &pfad] {
        return wortbestand_.ListeLaden(pfad, AusQString(VokalFeld->text()), kontext_);
    });
}

void THauptFenster::WortbestandErneuern() {
    Laderahmen([this] {
        wortbestand_.Erneuern(AusQString(VokalFeld->text()), kontext_);
        return true;
    });
}

// A list is loaded like a search runs: the search fields are disabled, and the progress bar
// shows the build in percent.
bool THauptFenster::Laderahmen(const std::function<bool()>& laden) {
    if (sucheLaeuft_ || geschlossen_)
        return false;
    sucheLaeuft_ = true;
    SuchfelderFreigeben(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    bool geladen = false;
    Abgesichert([&] { geladen = laden(); });
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    SuchfelderFreigeben(true);
    sucheLaeuft_ = false;
    // Disabled during the build, the search field lost the focus; the user types on.
    SuchEingabe->setFocus();
    return geladen;
}

void THauptFenster::EingebautenWortbestandLaden() {
    if (sucheLaeuft_)
        return;
    Abgesichert(
        [this] { wortbestand_.EingebautenLaden(AusQString(VokalFeld->text()), kontext_.haken); });
}

} // namespace quandel
