#include "search/trefferordnung.h"
#include "ui/gittermodell.h"
#include "ui/hauptfenster.h"
#include "ui/listform.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTableView>
#include <algorithm>

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
    // Ordering hands control to the event loop, which ends it when the window is closed.
    const auto gelegt = qScopeGuard([this] { legtGerade_ = false; });
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
}

void THauptFenster::KeinEintrag() {
    Label1->setText(QStringLiteral("kein Eintrag"));
}

void THauptFenster::StringGrid1SelectCell(int spalte, int zeile) {
    Label1->setText(gitter_->Zelle(spalte, zeile));
}

void THauptFenster::GitterMenueAnlegen() {
    // The grid's context menu; Ctrl+C acts on the grid while it has the focus.
    auto* kopieren = new QAction(QStringLiteral("&Kopieren"), StringGrid1);
    kopieren->setObjectName(QStringLiteral("KopierenM"));
    kopieren->setShortcut(QKeySequence::Copy);
    kopieren->setShortcutContext(Qt::WidgetShortcut);
    connect(kopieren, &QAction::triggered, this, [this] { Kopieren(false); });
    auto* alle = new QAction(QStringLiteral("&Alle Treffer kopieren"), StringGrid1);
    alle->setObjectName(QStringLiteral("AlleKopierenM"));
    connect(alle, &QAction::triggered, this, [this] { Kopieren(true); });
    StringGrid1->addActions({kopieren, alle});
    // Opened by GitterKontextmenue, which names the word of the cell in its entries.
    GitterMenue = new QMenu(StringGrid1);
    GitterMenue->setObjectName(QStringLiteral("GitterMenue"));
    GitterMenue->addActions({kopieren, alle});
}

void THauptFenster::Kopieren(bool alleZellen) {
    QModelIndexList zellen;
    if (alleZellen) {
        for (int zeile = 0; zeile < gitter_->rowCount(); ++zeile)
            for (int spalte = 0; spalte < gitter_->columnCount(); ++spalte)
                zellen << gitter_->index(zeile, spalte);
    } else {
        zellen = StringGrid1->selectionModel()->selectedIndexes();
        if (zellen.isEmpty() && StringGrid1->currentIndex().isValid())
            zellen << StringGrid1->currentIndex();
        std::sort(zellen.begin(), zellen.end(), [](const QModelIndex& a, const QModelIndex& b) {
            return std::pair(a.row(), a.column()) < std::pair(b.row(), b.column());
        });
    }
    // One word per line in grid order; empty cells (and the blanks of a loaded file) are left out.
    QStringList worte;
    for (const QModelIndex& zelle : zellen)
        if (const QString wort = gitter_->Zelle(zelle.column(), zelle.row());
            !wort.trimmed().isEmpty())
            worte << wort;
    QGuiApplication::clipboard()->setText(worte.join(QLatin1Char('\n')));
}

void THauptFenster::StringGrid1DblClick(const QModelIndex& zelle) {
    // The word goes to the word list window's collection, once that window exists.
    if (ListForm && zelle.isValid())
        ListForm->WortAnhaengen(gitter_->Zelle(zelle.column(), zelle.row()));
}

void THauptFenster::RichtungGewechselt() {
    if (legtGerade_ || LastGridList.empty())
        return;
    Abgesichert([this] { SGFuellen(LastGridList); });
}

} // namespace quandel
