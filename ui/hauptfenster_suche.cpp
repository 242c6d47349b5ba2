#include "search/suchen.h"
#include "ui/akzentmonitor.h"
#include "ui/gittermodell.h"
#include "ui/hauptfenster.h"
#include "ui/knopfpanel.h"
#include "ui/qttext.h"
#include "ui/suchanimation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <limits>
#include <optional>

namespace quandel {

void THauptFenster::PanEndClick() {
    SuchRahmen(PanEnd, &EndreimSuchen);
}

void THauptFenster::PanSchuettClick() {
    SuchRahmen(PanSchuett, &SchuettelreimSuchen);
}

void THauptFenster::PanStabClick() {
    SuchRahmen(PanStab, &StabreimSuchen);
}

void THauptFenster::PanLiedClick() {
    if (sucheLaeuft_)
        return;
    if (VokalFeldGeaendert) {
        // The rebuild hands control to the event loop: the running flag keeps every search
        // away from the half-built index, and the vowel field stays as it was read.
        sucheLaeuft_ = true;
        VokalFeld->setEnabled(false);
        Abgesichert([this] {
            wortbestand_.lexikon().LiedIndexAufbauen(AusQString(VokalFeld->text()), kontext_.haken);
            VokalFeldGeaendert = false;
        });
        VokalFeld->setEnabled(true);
        sucheLaeuft_ = false;
    }
    SuchRahmen(PanLied, &LiedreimSuchen);
}

void THauptFenster::SuchRahmen(KnopfPanel* panel, Suche suche) {
    if (sucheLaeuft_ || geschlossen_)
        return;
    sucheLaeuft_ = true;
    const bool lied = panel == PanLied;
    const QString text = SuchEingabe->currentText();
    std::optional<QString> fehler;
    bool indexVeraendert = false;
    try {
        AktivesSuchPanel = panel;
        if (lied)
            kontext_.AbbruchFlag = false;
        TitelSetzen(QStringLiteral("QBX suche ") + text);
        SuchfelderFreigeben(false);
        if (Akzentuirung->isChecked() && akzentMonitor_->AkzentGeaendert()) {
            lautersetzung_.ErsetzBaumErneuern(akzentMonitor_->Gruppen());
            akzentMonitor_->AkzentGeaendertLoeschen();
        }
        GitterFarbeSetzen(panel->Farbe());
        Animate1->Starten();
        ProgressBar1->setTextVisible(false);
        emit SucheLaeuftJetzt();
        // The grid is blank before the search text is read, so that a text the search cannot
        // take leaves no earlier hits under it.
        SGLeeren();
        // A spoonerism is a row of four words, whatever columns a grid file has set.
        if (panel == PanSchuett)
            gitter_->SpaltenSetzen(4);
        const SuchEinstellungen einstellungen = Einstellungen();
        // Framed by two checks of a saved index: read from a file changed under the mapping, a
        // result is no answer.
        lexikon().AbbildPruefen();
        const SuchErgebnis ergebnis = suche(kontext_, einstellungen);
        lexikon().AbbildPruefen();
        ErgebnisZeigen(panel, ergebnis);
    } catch (const FensterGeschlossen&) {
        // The program is ending.
    } catch (const IndexVeraendert& e) {
        fehler = QString::fromUtf8(e.what());
        indexVeraendert = true;
    } catch (const std::exception& e) {
        fehler = QString::fromUtf8(e.what());
    }
    Animate1->Anhalten();
    SuchfelderFreigeben(true);
    TitelSetzen(QStringLiteral("QBX"));
    AuswahllisteErgaenzen(text);
    if (lied)
        kontext_.AbbruchFlag = true;
    sucheLaeuft_ = false;
    SuchEingabe->setFocus();
    if (fehler && !geschlossen_)
        dialoge_.Fehler(*fehler);
    if (indexVeraendert && !geschlossen_)
        WortbestandErneuern();
}

void THauptFenster::TitelSetzen(const QString& anwendungsTitel) {
    // The product always leads, so that the task bar names it; the word list in use and the
    // search frame's text follow: "Quandel Tornar v1 – ngerman (356.010 Wörter) — QBX suche
    // eide". The application's display name stays the product's (anwendung.cpp): Qt adds it to
    // the title of every window, the helper windows' too.
    QString titel = QStringLiteral("Quandel Tornar v1") + wortbestand_.Zusatz();
    if (!anwendungsTitel.isEmpty())
        titel += QStringLiteral(" — ") + anwendungsTitel;
    setWindowTitle(titel);
}

SuchEinstellungen THauptFenster::Einstellungen() const {
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = AusQString(SuchEingabe->currentText());
    einstellungen.akzentuirung = Akzentuirung->isChecked();
    einstellungen.begrenzung =
        PlusRadio->isChecked() ? BegrenzungsModus::Plus : BegrenzungsModus::Minus;
    einstellungen.vokalfeld = AusQString(VokalFeld->text());
    return einstellungen;
}

void THauptFenster::ErgebnisZeigen(KnopfPanel* panel, const SuchErgebnis& ergebnis) {
    OhneSortierung = ergebnis.ohneSortierung;
    VorSort->setEnabled(!OhneSortierung);
    RueckSort->setEnabled(!OhneSortierung);
    if (ergebnis.ausgang == Ausgang::Treffer)
        SGFuellen(ergebnis.treffer);
    else if (ergebnis.ausgang == Ausgang::KeinEintrag)
        KeinEintrag();
    if (panel == PanSchuett) {
        const QString dauer = ergebnis.abgebrochen ? QStringLiteral("Suchdauer = Abgebrochen")
                                                   : AlsQString(ergebnis.suchdauer);
        SuchZeit->setText(dauer);
        ProgressBar1->setValue(0);
        ProgressBar1->setFormat(dauer);
        ProgressBar1->setTextVisible(!dauer.isEmpty());
    }
    TrefferHistorieMerken(ergebnis.treffer);
}

void THauptFenster::AuswahllisteErgaenzen(const QString& text) {
    for (int i = 0; i < SuchEingabe->count(); ++i)
        if (SuchEingabe->itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return;
    SuchEingabe->insertItem(0, text);
}

void THauptFenster::SuchfelderFreigeben(bool an) {
    for (QWidget* feld : {static_cast<QWidget*>(SuchEingabe), static_cast<QWidget*>(PanStab),
                          static_cast<QWidget*>(PanEnd), static_cast<QWidget*>(PanSchuett),
                          static_cast<QWidget*>(PanKlang)})
        feld->setEnabled(an);
}

void THauptFenster::SuchEingabeKeyPress() {
    if (AktivesSuchPanel != PanStab)
        AktivesSuchPanel->Klicken();
    SuchEingabe->setFocus();
}

bool THauptFenster::SuchEingabeEreignis(QEvent* ereignis) {
    // The text typed is never replaced by an entry of the closed drop-down list, as QComboBox
    // does when the arrow keys or the wheel step through it: Down opens the list (so do
    // Alt+Down and F4), and Enter searches what the box shows.
    if (ereignis->type() == QEvent::Wheel)
        return true;
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent*>(ereignis)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        SuchEingabeKeyPress();
        return true;
    case Qt::Key_Down:
        SuchEingabe->showPopup();
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

void THauptFenster::VokalFeldChange() {
    VokalFeldGeaendert = true;
}

void THauptFenster::FortschrittZeigen(std::uint64_t erledigt, std::uint64_t gesamt) {
    // A progress bar counts in int; very large pair counts are scaled down.
    const std::uint64_t teiler = gesamt / std::numeric_limits<int>::max() + 1;
    if (!ProgressBar1->isTextVisible()) {
        ProgressBar1->setFormat(QStringLiteral("%p %"));
        ProgressBar1->setTextVisible(true);
    }
    ProgressBar1->setMaximum(static_cast<int>(gesamt / teiler));
    ProgressBar1->setValue(static_cast<int>(erledigt / teiler));
}

} // namespace quandel
