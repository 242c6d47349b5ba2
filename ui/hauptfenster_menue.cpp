#include "ui/akzentmonitor.h"
#include "ui/hauptfenster.h"
#include "ui/hilfefenster.h"
#include "ui/knopfpanel.h"
#include "ui/ueberdialog.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace quandel {

namespace {

QAction* Eintrag(QMenu* menue, const QString& text, const char* name) {
    QAction* aktion = menue->addAction(text);
    aktion->setObjectName(QString::fromLatin1(name));
    return aktion;
}

QMenu* Menue(QMenuBar* leiste, const QString& titel, const char* name) {
    QMenu* menue = leiste->addMenu(titel);
    menue->setObjectName(QString::fromLatin1(name));
    return menue;
}

QAction* Auswahl(QMenu* menue, QActionGroup* gruppe, const QString& text, const char* name) {
    QAction* aktion = Eintrag(menue, text, name);
    aktion->setCheckable(true);
    gruppe->addAction(aktion);
    return aktion;
}

} // namespace

void THauptFenster::MenueAnlegen() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("QBXMMenu"));

    QMenu* datein1 = Menue(leiste, QStringLiteral("Datein"), "Datein1");
    Eintrag(datein1, QStringLiteral("Worte"), "WorteHM")->setVisible(false);
    datein1->menuAction()->setVisible(false);
    DateiMenueAnlegen();

    QMenu* hallo1 = Menue(leiste, QStringLiteral("&Suchstart"), "hallo1");
    QAction* stabreim1 = Eintrag(hallo1, QStringLiteral("Stabreim"), "Stabreim1");
    stabreim1->setVisible(false);
    connect(stabreim1, &QAction::triggered, PanStab, &KnopfPanel::Klicken);
    connect(Eintrag(hallo1, QStringLiteral("&Endreim"), "N1"), &QAction::triggered, PanEnd,
            &KnopfPanel::Klicken);
    connect(Eintrag(hallo1, QStringLiteral("&Liedreim"), "Liedreim1"), &QAction::triggered, PanLied,
            &KnopfPanel::Klicken);
    connect(Eintrag(hallo1, QStringLiteral("&Schüttelreim"), "Schttelreim1"), &QAction::triggered,
            PanSchuett, &KnopfPanel::Klicken);
    // A hidden menu entry is disabled in Qt, so the alliteration search gets its key on an
    // action of the window itself.
    auto* stabreimTaste = new QAction(this);
    stabreimTaste->setObjectName(QStringLiteral("StabreimTaste"));
    stabreimTaste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addAction(stabreimTaste);
    connect(stabreimTaste, &QAction::triggered, PanStab, &KnopfPanel::Klicken);

    Akzentfunktionen1 = Menue(leiste, QStringLiteral("&Akzentfunktionen"), "Akzentfunktionen1");
    connect(Akzentfunktionen1, &QMenu::aboutToShow, this, &THauptFenster::Akzentfunktionen1Click);
    connect(Eintrag(Akzentfunktionen1, QStringLiteral("Akzent&monitor"), "Akzentmonitor1"),
            &QAction::triggered, this, &THauptFenster::ZeigAkzenteClick);
    AkzentM = Eintrag(Akzentfunktionen1, QStringLiteral("A&kzent"), "AkzentM");
    AkzentM->setCheckable(true);
    connect(AkzentM, &QAction::triggered, this, &THauptFenster::AkzentMClick);

    Ausgabe1 = Menue(leiste, QStringLiteral("A&usgabe"), "Ausgabe1");
    connect(Ausgabe1, &QMenu::aboutToShow, this, &THauptFenster::Ausgabe1Click);
    QMenu* begrenzung1 = Ausgabe1->addMenu(QStringLiteral("&Begrenzung"));
    begrenzung1->setObjectName(QStringLiteral("Begrenzung1"));
    auto* grenzGruppe = new QActionGroup(this);
    PlusM = Auswahl(begrenzung1, grenzGruppe, QStringLiteral("&Plus"), "PlusM");
    MinusM = Auswahl(begrenzung1, grenzGruppe, QStringLiteral("&Minus"), "MinusM");
    MinusM->setChecked(true);
    connect(PlusM, &QAction::triggered, PlusRadio, [this] { PlusRadio->setChecked(true); });
    connect(MinusM, &QAction::triggered, MinusRadio, [this] { MinusRadio->setChecked(true); });
    Ausgabe1->addSeparator();
    QMenu* richtung1 = Ausgabe1->addMenu(QStringLiteral("&Richtung"));
    richtung1->setObjectName(QStringLiteral("Richtung1"));
    auto* richtungsGruppe = new QActionGroup(this);
    VorM = Auswahl(richtung1, richtungsGruppe, QStringLiteral("&Vor"), "VorM");
    RueckM = Auswahl(richtung1, richtungsGruppe, QStringLiteral("&Rueck"), "RueckM");
    RueckM->setChecked(true);
    // Checking the radio button lays the grid out again in the new direction.
    connect(VorM, &QAction::triggered, VorSort, [this] { VorSort->setChecked(true); });
    connect(RueckM, &QAction::triggered, RueckSort, [this] { RueckSort->setChecked(true); });
    KlangMenueAnlegen(hallo1);

    QMenu* hilfe1 = Menue(leiste, QStringLiteral("&Hilfe"), "Hilfe1");
    // F1 asks for the help of the focused control, which is this page for every control.
    QAction* hauptfenster1 = Eintrag(hilfe1, QStringLiteral("&Hauptfenster"), "Hauptfenster1");
    hauptfenster1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(hauptfenster1, &QAction::triggered, this, &THauptFenster::FormHelp);
    connect(Eintrag(hilfe1, QStringLiteral("&Akzentfenster"), "Akzentfenster1"),
            &QAction::triggered, this,
            [this] { hilfe_->ThemaZeigen(QStringLiteral("Der_Akzentmonitor")); });
    connect(Eintrag(hilfe1, QStringLiteral("Haftung &Und Lizenz"), "HaftungUndLizenz1"),
            &QAction::triggered, this,
            [this] { hilfe_->ThemaZeigen(QStringLiteral("Lizenz_Text")); });
    hilfe1->addSeparator();
    connect(Eintrag(hilfe1, QStringLiteral("Ü&ber Quandel Tornar"), "UeberQuandelTornar1"),
            &QAction::triggered, this, [this] { (new UeberDialog(this))->open(); });
}

void THauptFenster::DateiMenueAnlegen() {
    QMenu* datei1 = Menue(menuBar(), QStringLiteral("&Datei"), "Datei1");
    QAction* speichern = Eintrag(datei1, QStringLiteral("Raster &speichern…"), "RasterSpeichern1");
    speichern->setShortcut(QKeySequence::Save);
    connect(speichern, &QAction::triggered, this, &THauptFenster::SGSpeichernClick);
    QAction* laden = Eintrag(datei1, QStringLiteral("Raster &laden…"), "RasterLaden1");
    laden->setShortcut(QKeySequence::Open);
    connect(laden, &QAction::triggered, this, &THauptFenster::SGLadenClick);
    connect(Eintrag(datei1, QStringLiteral("&Wortlistenfenster"), "Wortlistenfenster1"),
            &QAction::triggered, this, &THauptFenster::Button6Click);
    WortbestandEintraegeAnlegen(datei1);
    datei1->addSeparator();
    QAction* beenden = Eintrag(datei1, QStringLiteral("&Beenden"), "Beenden1");
    beenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(beenden, &QAction::triggered, this, &QWidget::close);
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
