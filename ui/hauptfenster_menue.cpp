#include "ui/akzentmonitor.h"
#include "ui/hauptfenster.h"
#include "ui/hilfefenster.h"
#include "ui/knopfpanel.h"
#include "ui/ueberdialog.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <functional>
#include <initializer_list>

namespace quandel {

namespace {

// One entry of a menu: its caption (with & before the letter Alt reaches it by), its
// objectName, its key and what it does; the member that keeps it, where the window reads or
// sets its check mark. An entry without caption is a separator.
struct Menueeintrag {
    const char* text = nullptr;
    const char* name = nullptr;
    QKeySequence taste{};
    std::function<void(THauptFenster&)> handler{};
    QAction* THauptFenster::*glied = nullptr;
    bool abhakbar = false;
    bool verborgen = false;
};

QAction* Eintragen(THauptFenster& fenster, QMenu* menue, const Menueeintrag& eintrag) {
    if (!eintrag.text)
        return menue->addSeparator();
    QAction* aktion = menue->addAction(QString::fromUtf8(eintrag.text));
    aktion->setObjectName(QString::fromLatin1(eintrag.name));
    aktion->setShortcut(eintrag.taste);
    aktion->setCheckable(eintrag.abhakbar);
    aktion->setVisible(!eintrag.verborgen);
    if (eintrag.handler)
        QObject::connect(aktion, &QAction::triggered, &fenster,
                         [&fenster, handler = eintrag.handler] { handler(fenster); });
    if (eintrag.glied)
        fenster.*eintrag.glied = aktion;
    return aktion;
}

// A menu of the menu bar.
QMenu* Menue(THauptFenster& fenster, QMenuBar* leiste, const char* titel, const char* name,
             std::initializer_list<Menueeintrag> eintraege) {
    QMenu* menue = leiste->addMenu(QString::fromUtf8(titel));
    menue->setObjectName(QString::fromLatin1(name));
    for (const Menueeintrag& eintrag : eintraege)
        Eintragen(fenster, menue, eintrag);
    return menue;
}

// A submenu of choices of which one is checked, as the radio buttons it mirrors.
void Auswahlmenue(THauptFenster& fenster, QMenu* menue, const char* titel, const char* name,
                  std::initializer_list<Menueeintrag> eintraege) {
    QMenu* auswahl = menue->addMenu(QString::fromUtf8(titel));
    auswahl->setObjectName(QString::fromLatin1(name));
    auto* gruppe = new QActionGroup(auswahl);
    for (Menueeintrag eintrag : eintraege) {
        eintrag.abhakbar = true;
        gruppe->addAction(Eintragen(fenster, auswahl, eintrag));
    }
}

} // namespace

void THauptFenster::MenueAnlegen() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("QBXMMenu"));
    using F = THauptFenster;
    Menue(*this, leiste, "Datein", "Datein1",
          {{.text = "Worte", .name = "WorteHM", .verborgen = true}})
        ->menuAction()
        ->setVisible(false);
    Menue(*this, leiste, "&Datei", "Datei1",
          {{"Raster &speichern…", "RasterSpeichern1", QKeySequence::Save, &F::SGSpeichernClick},
           {"Raster &laden…", "RasterLaden1", QKeySequence::Open, &F::SGLadenClick},
           {"&Wortlistenfenster", "Wortlistenfenster1", {}, &F::Button6Click},
           {},
           {"Wortbestand &öffnen…", "WortbestandOeffnen1", {}, &F::WortbestandOeffnenClick},
           {"&Eingebauter Wortbestand",
            "EingebauterWortbestand1",
            {},
            &F::EingebautenWortbestandLaden},
           {},
           {"&Beenden", "Beenden1", Qt::CTRL | Qt::Key_Q, &F::close}});
    QMenu* hallo1 =
        Menue(*this, leiste, "&Suchstart", "hallo1",
              {{.text = "Stabreim",
                .name = "Stabreim1",
                .handler = [](F& f) { f.PanStab->Klicken(); },
                .verborgen = true},
               {"&Endreim", "N1", {}, [](F& f) { f.PanEnd->Klicken(); }},
               {"&Liedreim", "Liedreim1", {}, [](F& f) { f.PanLied->Klicken(); }},
               {"&Schüttelreim", "Schttelreim1", {}, [](F& f) { f.PanSchuett->Klicken(); }}});
    // A hidden menu entry is disabled in Qt, so the alliteration search gets its key on an
    // action of the window itself.
    auto* stabreimTaste = new QAction(this);
    stabreimTaste->setObjectName(QStringLiteral("StabreimTaste"));
    stabreimTaste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addAction(stabreimTaste);
    connect(stabreimTaste, &QAction::triggered, PanStab, &KnopfPanel::Klicken);

    Akzentfunktionen1 = Menue(*this, leiste, "&Akzentfunktionen", "Akzentfunktionen1",
                              {{"Akzent&monitor", "Akzentmonitor1", {}, &F::ZeigAkzenteClick},
                               {"A&kzent", "AkzentM", {}, &F::AkzentMClick, &F::AkzentM, true}});
    connect(Akzentfunktionen1, &QMenu::aboutToShow, this, &THauptFenster::Akzentfunktionen1Click);
    AusgabeMenueAnlegen();
    KlangMenueAnlegen(hallo1);

    // F1 asks for the help of the focused control, which is the page on the window for all.
    const auto thema = [](const char* name) {
        return [name](F& f) { f.hilfe_->ThemaZeigen(QString::fromLatin1(name)); };
    };
    Menue(*this, leiste, "&Hilfe", "Hilfe1",
          {{"&Hauptfenster", "Hauptfenster1", Qt::Key_F1, &F::FormHelp},
           {"&Akzentfenster", "Akzentfenster1", {}, thema("Der_Akzentmonitor")},
           {"Haftung &Und Lizenz", "HaftungUndLizenz1", {}, thema("Lizenz_Text")},
           {},
           {"Ü&ber Quandel Tornar", "UeberQuandelTornar1", {}, [](F& f) {
                (new UeberDialog(&f))->open();
            }}});
}

void THauptFenster::AusgabeMenueAnlegen() {
    using F = THauptFenster;
    Ausgabe1 = Menue(*this, menuBar(), "A&usgabe", "Ausgabe1", {});
    connect(Ausgabe1, &QMenu::aboutToShow, this, &THauptFenster::Ausgabe1Click);
    const auto pruefen = [](QRadioButton* F::*knopf) {
        return [knopf](F& f) { (f.*knopf)->setChecked(true); };
    };
    Auswahlmenue(*this, Ausgabe1, "&Begrenzung", "Begrenzung1",
                 {{"&Plus", "PlusM", {}, pruefen(&F::PlusRadio), &F::PlusM},
                  {"&Minus", "MinusM", {}, pruefen(&F::MinusRadio), &F::MinusM}});
    Ausgabe1->addSeparator();
    // Checking the radio button lays the grid out again in the new direction.
    Auswahlmenue(*this, Ausgabe1, "&Richtung", "Richtung1",
                 {{"&Vor", "VorM", {}, pruefen(&F::VorSort), &F::VorM},
                  {"&Rueck", "RueckM", {}, pruefen(&F::RueckSort), &F::RueckM}});
    // The marks the entries start with; opening the menu sets them from the radio buttons.
    MinusM->setChecked(true);
    RueckM->setChecked(true);
}

void THauptFenster::Akzentfunktionen1Click() {
    AkzentM->setChecked(Akzentuirung->isChecked());
}

void THauptFenster::AkzentMClick() {
    Akzentuirung->setChecked(!Akzentuirung->isChecked());
    AkzentM->setChecked(Akzentuirung->isChecked());
}

void THauptFenster::Ausgabe1Click() {
    PlusM->setChecked(PlusRadio->isChecked());
    MinusM->setChecked(MinusRadio->isChecked());
    VorM->setChecked(VorSort->isChecked());
    RueckM->setChecked(RueckSort->isChecked());
}

void THauptFenster::ZeigAkzenteClick() {
    // A toggle: shows the accent monitor, or hides it together with the history drop-down.
    if (akzentMonitor_->isVisible()) {
        akzentMonitor_->hide();
        BrowseListBox->hide();
        return;
    }
    akzentMonitor_->show();
    akzentMonitor_->raise();
    akzentMonitor_->activateWindow();
}

} // namespace quandel
