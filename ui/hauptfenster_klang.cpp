// The search by sound in the main window: the panel "Klang" in the top row, its menu entry
// and switches, and the grid's tooltips with a word's pronunciation.
#include "search/klangbestand.h"
#include "text/kommatext.h"
#include "ui/gittermodell.h"
#include "ui/hauptfenster.h"
#include "ui/klangzellen.h"
#include "ui/knopfpanel.h"

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
        KlangErgebnis klang =
            wortbestand_.klang().Suchen(kontext, einstellungen, KlangwahlLesen(), haeufigkeit_);
        // The grid is blank; the hits it is about to show mark their cells by their kind.
        gitter_->KlangSetzen(std::make_shared<const KlangZellen>(klang.treffer));
        return std::move(klang.ergebnis);
    });
}

bool THauptFenster::KlangTooltip(QHelpEvent* ereignis) {
    // Only the hits of a search by sound carry their pronunciation.
    const QModelIndex zelle = StringGrid1->indexAt(ereignis->pos());
    const Klangtreffer* treffer =
        zelle.isValid() ? gitter_->KlangTreffer(zelle.column(), zelle.row()) : nullptr;
    if (!treffer || !wortbestand_.KlangBereit()) {
        QToolTip::hideText();
        ereignis->ignore();
        return true;
    }
    Abgesichert([&] {
        const Wortklang klang = wortbestand_.klang().Klang(lexikon(), treffer->wort);
        QToolTip::showText(ereignis->globalPos(),
                           KlangHinweis(QString::fromStdString(klang.lautschrift), *treffer),
                           StringGrid1->viewport());
    });
    return true;
}

} // namespace quandel
