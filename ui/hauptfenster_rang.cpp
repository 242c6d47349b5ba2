// The switches of the menu "Ausgabe" that choose the order of common words first and filter
// the hits by sound. Each acts on the next search; the grid shown stays as it is.
#include "search/rangordnung.h"
#include "search/trefferordnung.h"
#include "ui/hauptfenster.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace quandel {

namespace {

// The choice "5 und mehr" of the submenu "Silben": its count and every larger one.
constexpr int kSilbenUndMehr = 5;

QAction* Schalter(QMenu* menue, const char* text, const char* name, bool an) {
    QAction* schalter = menue->addAction(QString::fromUtf8(text));
    schalter->setObjectName(QString::fromLatin1(name));
    schalter->setCheckable(true);
    schalter->setChecked(an);
    return schalter;
}

} // namespace

void THauptFenster::RangMenueAnlegen() {
    Ausgabe1->addSeparator();
    KlangRangM = Schalter(Ausgabe1, "Klang nach &Häufigkeit", "KlangRangM", true);
    HaeufigM = Schalter(Ausgabe1, "Häufige Wörter zu&erst", "HaeufigM", false);
    AbkuerzungenM = Schalter(Ausgabe1, "&Abkürzungen zeigen", "AbkuerzungenM", false);
    QMenu* silben = Ausgabe1->addMenu(QStringLiteral("Si&lben"));
    silben->setObjectName(QStringLiteral("Silben1"));
    SilbenM = new QActionGroup(silben);
    struct Wahl {
        const char* text;
        const char* name;
        int silben; // 0: all
    };
    for (const Wahl& wahl :
         {Wahl{"&alle", "SilbenAlleM", 0}, Wahl{"&1", "Silben1M", 1}, Wahl{"&2", "Silben2M", 2},
          Wahl{"&3", "Silben3M", 3}, Wahl{"&4", "Silben4M", 4},
          Wahl{"&5 und mehr", "Silben5M", kSilbenUndMehr}}) {
        QAction* eintrag = Schalter(silben, wahl.text, wahl.name, wahl.silben == 0);
        eintrag->setData(wahl.silben);
        SilbenM->addAction(eintrag);
    }
}

Klangwahl THauptFenster::KlangwahlLesen() const {
    Klangwahl wahl;
    wahl.art = {UnreinM->isChecked(), ZweisilbigM->isChecked()};
    wahl.ordnung = KlangRangM->isChecked() ? Klangordnung::Rang : Klangordnung::Alphabet;
    wahl.abkuerzungen = AbkuerzungenM->isChecked();
    const int silben = SilbenM->checkedAction()->data().toInt();
    wahl.silbenVon = static_cast<std::size_t>(silben);
    wahl.silbenBis = silben == kSilbenUndMehr ? 0 : static_cast<std::size_t>(silben);
    return wahl;
}

THauptFenster::Suche THauptFenster::HaeufigeZuerst(Suche suche, std::size_t spalten) {
    return [this, suche = std::move(suche), spalten](SuchKontext& kontext,
                                                     const SuchEinstellungen& einstellungen) {
        SuchErgebnis ergebnis = suche(kontext, einstellungen);
        if (!HaeufigM->isChecked())
            return ergebnis;
        // Words alike in commonness stay in alphabetical order; the grid then keeps the order
        // whatever the direction switches say.
        if (!ergebnis.ohneSortierung)
            TrefferSortieren(ergebnis.treffer, Richtung::Vor, kontext.haken);
        NachRangOrdnen(ergebnis.treffer, spalten, haeufigkeit_);
        ergebnis.ohneSortierung = true;
        return ergebnis;
    };
}

} // namespace quandel
