// Meaning beside sound in the main window: the search for synonyms ("Suchstart" ->
// "Sinnverwandt", the grid's context menu), the thesaurus it reads, and the rhyme searches'
// hits sieved by word class ("Ausgabe" -> "Wortart") and by sense ("Ausgabe" -> "Sinn…").
#include "text/fehler.h"
#include "ui/hauptfenster.h"
#include "ui/knopfpanel.h"
#include "ui/qttext.h"
#include "ui/sinnwahl.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <array>
#include <utility>

namespace quandel {

namespace {

const QColor kSinnFarbe(205, 170, 215);

// The entries of the submenu "Wortart": objectName, caption and class.
struct WortartEintrag {
    const char* name;
    const char* text;
    Wortart art;
};
constexpr std::array<WortartEintrag, 4> kWortartEintraege{{
    {"WortartNomen", "&Nomen", Wortart::Nomen},
    {"WortartVerb", "&Verb", Wortart::Verb},
    {"WortartAdjektiv", "&Adjektiv", Wortart::Adjektiv},
    {"WortartAdverb", "A&dverb", Wortart::Adverb},
}};

// The word a cell stands for: its text without marks such as "(ugs.)".
QString Zellenwort(const QString& zelle) {
    return AlsQString(Kernwort(AusQString(zelle)));
}

} // namespace

void THauptFenster::SinnAnlegen(QMenu* suchstart) {
    PanSinn->Einrichten(QStringLiteral("Sinn"), kSinnFarbe);
    PanSinn->hide();
    connect(PanSinn, &KnopfPanel::clicked, this, &THauptFenster::PanSinnClick);

    QAction* sinnverwandt = suchstart->addAction(QStringLiteral("Sinn&verwandt"));
    sinnverwandt->setObjectName(QStringLiteral("Sinnverwandt1"));
    sinnverwandt->setShortcut(QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key_T)));
    connect(sinnverwandt, &QAction::triggered, PanSinn, &KnopfPanel::Klicken);

    GitterMenue->addSeparator();
    SinnverwandtM = GitterMenue->addAction(QString());
    SinnverwandtM->setObjectName(QStringLiteral("SinnverwandtM"));
    connect(SinnverwandtM, &QAction::triggered, this,
            [this] { SinnverwandteZu(std::exchange(gitterWort_, QString())); });

    // Another thesaurus than Debian's, after the entries of the word stock.
    QMenu* datei = menuBar()->findChild<QMenu*>(QStringLiteral("Datei1"));
    QAction* nach = datei->findChild<QAction*>(QStringLiteral("EingebauterWortbestand1"));
    const QList<QAction*> eintraege = datei->actions();
    auto* thesaurus = new QAction(QStringLiteral("&Thesaurus öffnen…"), datei);
    thesaurus->setObjectName(QStringLiteral("ThesaurusOeffnen1"));
    datei->insertAction(eintraege.value(eintraege.indexOf(nach) + 1), thesaurus);
    connect(thesaurus, &QAction::triggered, this, &THauptFenster::ThesaurusOeffnenClick);

    Ausgabe1->addSeparator();
    Wortart1 = Ausgabe1->addMenu(QStringLiteral("&Wortart"));
    Wortart1->setObjectName(QStringLiteral("Wortart1"));
    for (const WortartEintrag& art : kWortartEintraege) {
        QAction* eintrag = Wortart1->addAction(QString::fromLatin1(art.text));
        eintrag->setObjectName(QString::fromLatin1(art.name));
        eintrag->setCheckable(true);
        connect(eintrag, &QAction::toggled, this, &THauptFenster::WortartClick);
    }
    SinnM = Ausgabe1->addAction(QStringLiteral("S&inn…"));
    SinnM->setObjectName(QStringLiteral("SinnM"));
    SinnM->setCheckable(true);
    connect(SinnM, &QAction::triggered, this, &THauptFenster::SinnClick);
}

void THauptFenster::PanSinnClick() {
    SuchRahmen(PanSinn, [this](SuchKontext&, const SuchEinstellungen& einstellungen) {
        SuchErgebnis ergebnis;
        // The sets' order: words of one sense stand together.
        ergebnis.ohneSortierung = true;
        ergebnis.treffer = sinnwahl_->Synonyme(einstellungen.suchtext);
        ergebnis.ausgang = ergebnis.treffer.empty() ? Ausgang::KeinEintrag : Ausgang::Treffer;
        return ergebnis;
    });
}

void THauptFenster::SinnverwandteZu(const QString& wort) {
    if (wort.isEmpty() || sucheLaeuft_)
        return;
    SuchEingabe->setEditText(wort);
    PanSinn->Klicken();
}

bool THauptFenster::GitterKontextmenue(QObject* objekt, QContextMenuEvent* ereignis) {
    // From the keyboard the menu belongs to the cell with the focus, from the mouse to the one
    // under it.
    QPoint ort;
    QModelIndex zelle;
    if (ereignis->reason() == QContextMenuEvent::Keyboard) {
        zelle = StringGrid1->currentIndex();
        StringGrid1->scrollTo(zelle);
        ort = zelle.isValid() ? StringGrid1->visualRect(zelle).center() : QPoint(0, 0);
    } else {
        ort = StringGrid1->viewport()->mapFrom(static_cast<QWidget*>(objekt), ereignis->pos());
        zelle = StringGrid1->indexAt(ort);
    }
    gitterWort_ = zelle.isValid() ? Zellenwort(zelle.data().toString()) : QString();
    QString beschriftung = gitterWort_;
    beschriftung.replace(QLatin1Char('&'), QStringLiteral("&&"));
    SinnverwandtM->setText(QStringLiteral("&Sinnverwandte Wörter zu »%1«").arg(beschriftung));
    SinnverwandtM->setVisible(!gitterWort_.isEmpty());
    GitterMenue->popup(StringGrid1->viewport()->mapToGlobal(ort));
    return true;
}

void THauptFenster::WortartClick() {
    Wortarten arten;
    for (const WortartEintrag& art : kWortartEintraege)
        if (Wortart1->findChild<QAction*>(QString::fromLatin1(art.name))->isChecked())
            arten |= art.art;
    sinnwahl_->WortartenSetzen(arten);
    TitelErneuern();
}

void THauptFenster::SinnClick() {
    // The entry's mark shows whether a sense is set; only the dialog changes that.
    SinnM->setChecked(!sinnwahl_->Sinn().empty());
    auto* dialog = new QInputDialog(this);
    dialog->setObjectName(QStringLiteral("SinnDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Sinn"));
    dialog->setLabelText(QStringLiteral("Nur Reime, die Synonyme dieses Worts\n"
                                        "oder seiner Synonyme sind (leer: alle Reime):"));
    dialog->setTextValue(AlsQString(sinnwahl_->Sinn()));
    dialog->setAccessibleName(QStringLiteral("Sinn"));
    dialog->setAccessibleDescription(
        QStringLiteral("Legt fest, nach welchem Sinn die Reimsuchen ihre Treffer auswählen"));
    connect(dialog, &QInputDialog::textValueSelected, this, &THauptFenster::SinnUebernehmen);
    dialog->open();
    // Its field and buttons exist once it is shown.
    if (auto* feld = dialog->findChild<QLineEdit*>()) {
        feld->setAccessibleName(QStringLiteral("Sinnwort"));
        feld->setAccessibleDescription(QStringLiteral(
            "Ein Wort aus dem Thesaurus; leer zeigt wieder alle Treffer der Reimsuchen"));
    }
    if (auto* knoepfe = dialog->findChild<QDialogButtonBox*>())
        for (QAbstractButton* knopf : knoepfe->buttons()) {
            const bool ok = knoepfe->buttonRole(knopf) == QDialogButtonBox::AcceptRole;
            knopf->setAccessibleName(ok ? QStringLiteral("OK") : QStringLiteral("Abbrechen"));
            knopf->setAccessibleDescription(ok ? QStringLiteral("Übernimmt den Sinn")
                                               : QStringLiteral("Lässt den Sinn, wie er war"));
        }
}

void THauptFenster::SinnUebernehmen(const QString& wort) {
    Abgesichert([&] {
        if (!sinnwahl_->SinnSetzen(AusQString(wort.trimmed())))
            throw Fehler("»" + wort.trimmed().toStdString() + "« steht nicht im Thesaurus " +
                         sinnwahl_->ThesaurusPfad() + ".");
    });
    SinnM->setChecked(!sinnwahl_->Sinn().empty());
    TitelErneuern();
}

void THauptFenster::ThesaurusOeffnenClick() {
    const QString pfad = dialoge_.DateiZumOeffnen(
        QStringLiteral("Thesaurus öffnen"),
        QStringLiteral("Thesaurus im Textformat von OpenThesaurus (*.txt);;Alle Dateien (*)"),
        QFileInfo(QFile::decodeName(sinnwahl_->ThesaurusPfad().c_str())).path());
    if (!pfad.isEmpty())
        ThesaurusLaden(pfad);
}

bool THauptFenster::ThesaurusLaden(const QString& pfad) {
    bool geladen = false;
    Abgesichert([&] {
        sinnwahl_->ThesaurusLaden(QFile::encodeName(pfad).toStdString());
        geladen = true;
    });
    // A sense the new thesaurus does not hold is gone.
    SinnM->setChecked(!sinnwahl_->Sinn().empty());
    TitelErneuern();
    return geladen;
}

void THauptFenster::SinnSieben(const KnopfPanel* panel, SuchErgebnis& ergebnis) {
    // A spoonerism is a row of four words, the synonyms are the sense itself: neither is
    // sieved.
    if (panel == PanSchuett || panel == PanSinn || !sinnwahl_->Aktiv())
        return;
    sinnwahl_->Sieben(ergebnis.treffer);
    if (ergebnis.ausgang == Ausgang::Treffer && ergebnis.treffer.empty())
        ergebnis.ausgang = Ausgang::KeinEintrag;
}

QString THauptFenster::SinnZusatz() const {
    QString zusatz;
    if (const Wortarten arten = sinnwahl_->Arten(); !arten.Unbekannt()) {
        QStringList namen;
        for (Wortart art : kWortarten)
            if (arten.Hat(art))
                namen << AlsQString(std::string(WortartName(art)));
        zusatz += QStringLiteral(" – ") + namen.join(QStringLiteral(", "));
    }
    if (!sinnwahl_->Sinn().empty())
        zusatz += QStringLiteral(" – Sinn: ") + AlsQString(sinnwahl_->Sinn());
    return zusatz;
}

} // namespace quandel
