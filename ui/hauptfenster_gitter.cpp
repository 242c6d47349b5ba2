#include "search/trefferordnung.h"
#include "ui/gittermodell.h"
#include "ui/hauptfenster.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>

namespace quandel {

void THauptFenster::GitterFarbeSetzen(QColor farbe) {
    GitterFarbe = farbe;
    gitter_->FarbeSetzen(farbe);
    QPalette palette = StringGrid1->palette();
    palette.setColor(QPalette::Base, farbe);
    StringGrid1->setPalette(palette);
    QPalette eingabe = SuchEingabe->palette();
    eingabe.setColor(QPalette::Base, farbe);
    eingabe.setColor(QPalette::Button, farbe);
    SuchEingabe->setPalette(eingabe);
}

void THauptFenster::SGLeeren() {
    gitter_->Leeren();
}

void THauptFenster::SGFuellen(const std::vector<std::string>& treffer) {
    legtGerade_ = true;
    if (&treffer != &LastGridList)
        LastGridList = treffer;
    if (!OhneSortierung)
        TrefferSortieren(LastGridList, VorSort->isChecked() ? Richtung::Vor : Richtung::Rueck,
                         kontext_.haken);
    const int spalten = gitter_->columnCount();
    const int anzahl = static_cast<int>(LastGridList.size());
    const int zeilen = std::max(1, (anzahl + spalten - 1) / spalten);
    Label2->setText(QStringLiteral("LastGridList %1 Zeilen %2").arg(anzahl).arg(zeilen));
    gitter_->Legen(LastGridList, zeilen);
    FormResize();
    legtGerade_ = false;
}

void THauptFenster::KeinEintrag() {
    Label1->setText(QStringLiteral("kein Eintrag"));
}

void THauptFenster::StringGrid1SelectCell(int spalte, int zeile) {
    Label1->setText(gitter_->Zelle(spalte, zeile));
}

void THauptFenster::RichtungGewechselt() {
    if (legtGerade_ || LastGridList.empty())
        return;
    Abgesichert([this] { SGFuellen(LastGridList); });
}

} // namespace quandel
