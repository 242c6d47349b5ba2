// The search by sound in the main window: the panel "Klang" in the top row, its menu entry
// and switches, and the grid's tooltips with a word's pronunciation.
#include "search/klangbestand.h"
#include "text/kommatext.h"
#include "ui/gittermodell.h"
#include "ui/hauptfenster.h"
#include "ui/knopfpanel.h"
#include "ui/qttext.h"

#include <QAction>
#include <QComboBox>
#include <QHelpEvent>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>

namespace quandel {

namespace {

const QColor kKlangFarbe(150, 190, 150);

} // namespace

void THauptFenster::KlangAnlegen() {
    PanKlang->Einrichten(QStringLiteral("Klang"), kKlangFarbe);
    PanKlang->setFont(PanEnd->font());
    PanKlang->setToolTip(QStringLiteral("klingt wie xyz"));
    connect(PanKlang, &KnopfPanel::clicked, this, &THauptFenster::PanKlangClick);
    StringGrid1->viewport()->installEventFilter(this);
}

void THauptFenster::KlangMenueAnlegen(QMenu* suchstart) {
    QAction* klangreim = suchstart->addAction(QStringLiteral("&Klangreim"));
    klangreim->setObjectName(QStringLiteral("Klangreim1"));
    klangreim->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(klangreim, &QAction::triggered, PanKlang, &KnopfPanel::Klicken);

    Ausgabe1->addSeparator();
    UnreinM = Ausgabe1->addAction(QStringLiteral("&unreine Reime"));
    UnreinM->setObjectName(QStringLiteral("UnreinM"));
    UnreinM->setCheckable(true);
    ZweisilbigM = Ausgabe1->addAction(QStringLiteral("&zweisilbig"));
    ZweisilbigM->setObjectName(QStringLiteral("ZweisilbigM"));
    ZweisilbigM->setCheckable(true);
}

void THauptFenster::PanKlangClick() {
    SuchRahmen(PanKlang, [this](SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
        // Without a search word there is nothing to pronounce, and no reason to compute keys.
        if (KommatextTeilen(einstellungen.suchtext).empty())
            return SuchErgebnis{};
        // "Abbruch" clicked before, or the song rhyme, may have left the flag set; from here on
        // it stops this search.
        kontext.AbbruchFlag = false;
        if (!wortbestand_.KlangBereit()) {
            // Keys not compiled for this stock are computed first; "Abbruch" stops that.
            Berechnung berechnung{&kontext.haken, kontext.fortschritt, &kontext.AbbruchFlag};
            const bool bereit = wortbestand_.KlangVorbereiten(berechnung);
            ProgressBar1->setValue(0);
            ProgressBar1->setTextVisible(false);
            if (!bereit) {
                SuchErgebnis abgebrochen;
                abgebrochen.abgebrochen = true;
                return abgebrochen;
            }
        }
        return wortbestand_.klang().Suchen(
            kontext, einstellungen, Klangart{UnreinM->isChecked(), ZweisilbigM->isChecked()});
    });
}

bool THauptFenster::KlangTooltip(QHelpEvent* ereignis) {
    // Only the hits of a search by sound carry their pronunciation.
    const QModelIndex zelle = StringGrid1->indexAt(ereignis->pos());
    const QString wort = zelle.isValid() ? gitter_->Zelle(zelle.column(), zelle.row()) : QString();
    if (GitterFarbe != kKlangFarbe || wort.isEmpty() || !wortbestand_.KlangBereit()) {
        QToolTip::hideText();
        ereignis->ignore();
        return true;
    }
    Abgesichert([&] {
        const Wortklang klang = wortbestand_.klang().Klang(lexikon(), AusQString(wort));
        const QString silben = klang.silben == 1 ? QStringLiteral("1 Silbe")
                                                 : QStringLiteral("%1 Silben").arg(klang.silben);
        QToolTip::showText(
            ereignis->globalPos(),
            QStringLiteral("[%1] %2").arg(QString::fromStdString(klang.lautschrift), silben),
            StringGrid1->viewport());
    });
    return true;
}

} // namespace quandel
