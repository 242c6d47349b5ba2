#include "ui/hauptfenster.h"

#include "search/sucheintraege_eingebaut.h"
#include "ui/akzentmonitor.h"
#include "ui/fokusrahmen.h"
#include "ui/gittermodell.h"
#include "ui/hilfefenster.h"
#include "ui/knopfpanel.h"
#include "ui/qttext.h"
#include "ui/sinnwahl.h"
#include "ui/suchanimation.h"
#include "ui/ueberdialog.h"
#include "ui/zugang.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

namespace quandel {

namespace {

constexpr int kBreite = 424;
constexpr int kFlaechenHoehe = 422; // grid bottom 408 + progress bar 14
constexpr int kGitterOben = 75;
constexpr int kFortschrittHoehe = 14;
constexpr int kZeilenHoehe = 24;
constexpr int kSpaltenBreite = 97;

const QColor kEndFarbe(226, 177, 129);
const QColor kLiedFarbe(214, 163, 143);
const QColor kSchuettelFarbe(191, 128, 128);
const QColor kStabFarbe(128, 128, 191);
const QColor kVokalFeldFarbe(156, 187, 220);

// The radio buttons and the check box are 12 pixels high; the style's indicators are larger.
const QString kKleineKnoepfe = QStringLiteral(
    "QRadioButton { spacing: 2px; } QRadioButton::indicator { width: 9px; height: 9px; }"
    "QCheckBox::indicator { width: 7px; height: 7px; }");

// Arial and MS Sans Serif are not installed on Linux desktops. Liberation Sans has Arial's
// metrics; of the common free fonts, Liberation Sans Narrow bold comes closest to the widths of
// MS Sans Serif bold, so that a grid cell holds as many letters as it was made for
// ("selbstverständlich" fits a cell whole).
QFont Schrift(const char* familie, int pixel, bool fett = false) {
    QFont schrift(QString::fromLatin1(familie));
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}

QFont Arial(int pixel, bool fett = false) {
    return Schrift("Liberation Sans", pixel, fett);
}

QFont MsSansSerif(int pixel, bool fett = false) {
    return Schrift("Liberation Sans Narrow", pixel, fett);
}

void Einfaerben(QWidget* widget, QColor farbe) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, farbe);
    palette.setColor(QPalette::Button, farbe);
    widget->setPalette(palette);
}

// One control of the window: its objectName, its kind, its place (left, top, width, height)
// and the panel it lies in (none: the window's surface).
struct Steuerelement {
    const char* name;
    QWidget* (*anlegen)(THauptFenster& fenster, QWidget* eltern);
    QRect platz;
    QFrame* THauptFenster::*rahmen = nullptr;
};

template <typename Art> Art* Erzeugen(QWidget* eltern) {
    return new Art(eltern);
}

// An editable box makes its line edit at once, so that it follows the box in the focus chain
// and Tab goes on from there in the order the window sets.
template <> QComboBox* Erzeugen<QComboBox>(QWidget* eltern) {
    auto* box = new QComboBox(eltern);
    box->setEditable(true);
    return box;
}

// A raised panel of radio buttons, with the small indicators their 12 pixels of height need.
// The style sheet is set before the buttons are made in the panel: made so, they draw their
// captions in the desktop's default font rather than the window's, as they always have.
class Knopfleiste : public QFrame {
public:
    explicit Knopfleiste(QWidget* eltern) : QFrame(eltern) {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setStyleSheet(kKleineKnoepfe);
    }
};

// Makes a control of the kind Art and keeps it in its member of the window.
template <typename Art, auto Glied> QWidget* Neu(THauptFenster& fenster, QWidget* eltern) {
    Art* steuerelement = Erzeugen<Art>(eltern);
    fenster.*Glied = steuerelement;
    return steuerelement;
}

void PanelEinrichten(KnopfPanel* panel, const QString& beschriftung, QColor farbe,
                     const QString& hinweis) {
    panel->Einrichten(beschriftung, farbe);
    panel->setToolTip(hinweis);
    panel->setFont(Arial(11));
}

void SuchEingabeEinrichten(QComboBox* eingabe) {
    eingabe->setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: "e" + Enter searches "e", not the preset "er", and "reim" stays
    // "reim" where "Reim" is a preset.
    eingabe->setCompleter(nullptr);
    eingabe->setMaxVisibleItems(20);
    eingabe->setFont(Arial(12, true));
    for (const std::string& eintrag : daten::Sucheintraege())
        eingabe->addItem(AlsQString(eintrag));
    eingabe->setCurrentIndex(-1);
}

void GitterEinrichten(QTableView* gitter, GitterModell* modell) {
    gitter->setModel(modell);
    gitter->setItemDelegate(new OhneAuswahlDelegat(gitter));
    gitter->setFont(MsSansSerif(12, true));
    gitter->horizontalHeader()->hide();
    gitter->verticalHeader()->hide();
    gitter->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gitter->horizontalHeader()->setDefaultSectionSize(kSpaltenBreite);
    gitter->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gitter->verticalHeader()->setDefaultSectionSize(kZeilenHoehe);
    gitter->setShowGrid(true);
    gitter->setSelectionMode(QAbstractItemView::ExtendedSelection);
    gitter->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gitter->setWordWrap(false);
    // Tab leaves the grid; a word too long for its cell loses its start, never its ending.
    gitter->setTabKeyNavigation(false);
    gitter->setTextElideMode(Qt::ElideLeft);
}

void FortschrittEinrichten(QProgressBar* balken) {
    // Qt shows a busy indicator for the range 0..0, so the bar starts empty at 0 of 1.
    balken->setRange(0, 1);
    balken->setValue(0);
    balken->setTextVisible(false);
    balken->setAlignment(Qt::AlignCenter);
    balken->setFont(Arial(10));
}

} // namespace

THauptFenster::THauptFenster(QWidget* eltern)
    : QMainWindow(eltern), sinnwahl_(std::make_unique<Sinnwahl>()) {
    setObjectName(QStringLiteral("HauptFenster"));
    setWindowTitle(QStringLiteral("Quandel Tornar v1"));
    setWindowIcon(Programmsymbol());
    setFont(Arial(10));
    setMaximumWidth(kBreite);
    SteuerelementeAnlegen();
    SteuerelementeEinrichten();
    SteuerelementeVerbinden();
    KlangAnlegen();
    MenueAnlegen();
    HauptfensterZugang(*this);
    WortbestandVerbinden();
    hilfe_ = new HilfeFenster(this);
    akzentMonitor_ = new TAkzentMonitor(hilfe_, this);

    kontext_.haken = EreignisHaken([this] {
        QCoreApplication::processEvents();
        if (geschlossen_)
            throw FensterGeschlossen();
    });
    kontext_.fortschritt = [this](std::uint64_t erledigt, std::uint64_t gesamt) {
        FortschrittZeigen(erledigt, gesamt);
    };

    setEnabled(false);
    wortbestand_.EingebautenLaden(AusQString(VokalFeld->text()), kontext_.haken);
    setEnabled(true);
    SuchEingabe->setFocus();

    GitterFarbeSetzen(kEndFarbe);
    AktivesSuchPanel = PanEnd;

    resize(kBreite, menuBar()->sizeHint().height() + kFlaechenHoehe);
    // The window starts at left 479, top 423, moved up and left as far as the screen needs.
    if (const QScreen* bildschirm = screen()) {
        const QRect frei = bildschirm->availableGeometry();
        move(std::max(frei.left(), std::min(479, frei.right() + 1 - width())),
             std::max(frei.top(), std::min(423, frei.bottom() + 1 - height())));
    }
}

THauptFenster::~THauptFenster() = default;

// The places are kept as a table rather than a Designer form: every control's rectangle is one
// line here, easy to hold against the window's plan, and the controls of other kinds than
// Designer knows (the mode panels, the animation, the framed arrows) need no plug-ins.
void THauptFenster::SteuerelementeAnlegen() {
    flaeche_ = new QWidget(this);
    flaeche_->setObjectName(QStringLiteral("Flaeche"));
    setCentralWidget(flaeche_);

    // In the order they are made: where two overlap, the later one lies on top (Akzentuirung
    // on the left end of ZeigAkzente, RueckSort on VorSort's caption).
    using F = THauptFenster;
    static constexpr Steuerelement kSteuerelemente[] = {
        {"VokalFeld", Neu<QLineEdit, &F::VokalFeld>, {3, 8, 175, 21}},
        {"BrowserKnopf", Neu<MitFokusRahmen<QScrollBar>, &F::BrowserKnopf>, {226, 6, 47, 15}},
        {"SpeedButton1", Neu<MitFokusRahmen<QToolButton>, &F::SpeedButton1>, {273, 7, 17, 14}},
        {"Animate1", Neu<SuchAnimation, &F::Animate1>, {393, 6, 11, 12}},
        {"PanEnd", Neu<KnopfPanel, &F::PanEnd>, {2, 31, 43, 18}},
        {"PanLied", Neu<KnopfPanel, &F::PanLied>, {47, 31, 43, 18}},
        {"PanSchuett", Neu<KnopfPanel, &F::PanSchuett>, {91, 31, 60, 18}},
        {"PanStab", Neu<KnopfPanel, &F::PanStab>, {154, 31, 60, 18}},
        {"ABCRichtung", Neu<Knopfleiste, &F::ABCRichtung>, {154, 31, 90, 18}},
        {"VorSort", Neu<QRadioButton, &F::VorSort>, {2, 3, 51, 12}, &F::ABCRichtung},
        {"RueckSort", Neu<QRadioButton, &F::RueckSort>, {14, 3, 68, 12}, &F::ABCRichtung},
        {"ZeigAkzente", Neu<QPushButton, &F::ZeigAkzente>, {248, 31, 56, 18}},
        {"Akzentuirung", Neu<QCheckBox, &F::Akzentuirung>, {249, 34, 9, 12}},
        {"PlusMinusPan", Neu<Knopfleiste, &F::PlusMinusPan>, {308, 31, 50, 18}},
        {"PlusRadio", Neu<QRadioButton, &F::PlusRadio>, {4, 4, 23, 12}, &F::PlusMinusPan},
        {"MinusRadio", Neu<QRadioButton, &F::MinusRadio>, {26, 4, 20, 12}, &F::PlusMinusPan},
        {"AbbruchButton", Neu<QPushButton, &F::AbbruchButton>, {361, 31, 52, 18}},
        {"SuchEingabe", Neu<QComboBox, &F::SuchEingabe>, {2, 52, 414, 23}},
        // The grid and the progress bar grow with the window (Anordnen).
        {"StringGrid1", Neu<QTableView, &F::StringGrid1>, {2, kGitterOben, 414, 333}},
        {"ProgressBar1",
         Neu<QProgressBar, &F::ProgressBar1>,
         {0, kFlaechenHoehe - kFortschrittHoehe, kBreite, kFortschrittHoehe}},
        {"SuchZeit", Neu<QLabel, &F::SuchZeit>, {2, 2, 200, 14}},
        {"Label1", Neu<QLabel, &F::Label1>, {2, 2, 200, 14}},
        {"Label2", Neu<QLabel, &F::Label2>, {2, 2, 200, 14}},
        {"Label3", Neu<QLabel, &F::Label3>, {2, 2, 200, 14}},
        {"BrowseListBox", Neu<QListWidget, &F::BrowseListBox>, {227, 20, 62, 72}},
        // The search by sound, in the top row between the history and the animation.
        {"PanKlang", Neu<KnopfPanel, &F::PanKlang>, {300, 8, 46, 18}},
        // The search for synonyms has no place in the rows; the menus start it.
        {"PanSinn", Neu<KnopfPanel, &F::PanSinn>, {300, 8, 46, 18}},
    };
    for (const Steuerelement& element : kSteuerelemente) {
        QWidget* steuerelement =
            element.anlegen(*this, element.rahmen ? this->*element.rahmen : flaeche_);
        steuerelement->setObjectName(QString::fromLatin1(element.name));
        steuerelement->setGeometry(element.platz);
    }

    gitter_ = new GitterModell(4, 20, kEndFarbe, this);
    wasserBild_ = new QLabel(this);
    wasserBild_->setObjectName(QStringLiteral("WasserBild"));
    wasserBild_->hide();
}

// What the controls show besides their places: captions, colours, hints, fonts and states.
void THauptFenster::SteuerelementeEinrichten() {
    VokalFeld->setText(QStringLiteral("a,e,i,o,u,ä,ö,ü"));
    VokalFeld->setFont(MsSansSerif(12, true));
    Einfaerben(VokalFeld, kVokalFeldFarbe);

    PanelEinrichten(PanEnd, QStringLiteral("End"), kEndFarbe, QStringLiteral("... xyz"));
    PanelEinrichten(PanLied, QStringLiteral("Lied"), kLiedFarbe, QString());
    PanelEinrichten(PanSchuett, QStringLiteral("Schüttel"), kSchuettelFarbe, QStringLiteral("xyz"));
    PanelEinrichten(PanStab, QStringLiteral("Stabreim"), kStabFarbe, QStringLiteral("xyz ..."));
    PanStab->hide();

    VorSort->setChecked(true);
    // RueckSort overlaps VorSort: the first circle reads "Vor", the second "Rueck".
    RueckSort->setText(QStringLiteral("Vor/Rueck"));
    RueckSort->setFont(Arial(9));

    ZeigAkzente->setText(QStringLiteral("Akzent"));
    Akzentuirung->setStyleSheet(kKleineKnoepfe);

    PlusRadio->setText(QStringLiteral("+"));
    PlusRadio->setChecked(true);
    MinusRadio->setText(QStringLiteral("-"));

    AbbruchButton->setText(QStringLiteral("Abbruch"));

    SuchEingabeEinrichten(SuchEingabe);
    GitterEinrichten(StringGrid1, gitter_);
    FortschrittEinrichten(ProgressBar1);
    for (QLabel* label : {SuchZeit, Label1, Label2, Label3})
        label->hide();
    HistorieEinrichten();
    GitterMenueAnlegen();
    TabFolgeSetzen();
}

void THauptFenster::SteuerelementeVerbinden() {
    connect(VokalFeld, &QLineEdit::textChanged, this, [this] { VokalFeldChange(); });
    connect(PanEnd, &KnopfPanel::clicked, this, &THauptFenster::PanEndClick);
    connect(PanLied, &KnopfPanel::clicked, this, &THauptFenster::PanLiedClick);
    connect(PanSchuett, &KnopfPanel::clicked, this, &THauptFenster::PanSchuettClick);
    connect(PanStab, &KnopfPanel::clicked, this, &THauptFenster::PanStabClick);
    for (QRadioButton* richtung : {VorSort, RueckSort})
        connect(richtung, &QRadioButton::toggled, this, [this](bool an) {
            if (an)
                RichtungGewechselt();
        });
    connect(ZeigAkzente, &QPushButton::clicked, this, &THauptFenster::ZeigAkzenteClick);
    connect(Akzentuirung, &QCheckBox::clicked, this, [this] { SuchEingabe->setFocus(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { kontext_.AbbruchFlag = true; });

    SuchEingabe->installEventFilter(this);
    SuchEingabe->lineEdit()->installEventFilter(this);
    StringGrid1->installEventFilter(this);
    connect(StringGrid1, &QTableView::doubleClicked, this, &THauptFenster::StringGrid1DblClick);
    connect(
        StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& zelle) { StringGrid1SelectCell(zelle.column(), zelle.row()); });
    flaeche_->installEventFilter(this);
}

void THauptFenster::TabFolgeSetzen() {
    // Tab follows the rows of the window from left to right: the vowel field, the history (its
    // list, while open, after its button) and the panel "Klang", the mode panels and switches,
    // the search box, the grid.
    QWidget* const folge[] = {VokalFeld,     BrowserKnopf, SpeedButton1, BrowseListBox, PanKlang,
                              PanEnd,        PanLied,      PanSchuett,   PanStab,       VorSort,
                              RueckSort,     ZeigAkzente,  Akzentuirung, PlusRadio,     MinusRadio,
                              AbbruchButton, SuchEingabe,  StringGrid1};
    for (std::size_t i = 0; i + 1 < std::size(folge); ++i)
        setTabOrder(folge[i], folge[i + 1]);
}

void THauptFenster::Anordnen() {
    const int breite = flaeche_->width();
    const int hoehe = flaeche_->height();
    StringGrid1->setGeometry(2, kGitterOben, breite - 10,
                             std::max(0, hoehe - kGitterOben - kFortschrittHoehe));
    ProgressBar1->setGeometry(0, hoehe - kFortschrittHoehe, breite, kFortschrittHoehe);
    wasserBild_->move(width() - 40, 6);
    FormResize();
}

void THauptFenster::FormResize() {
    const int hoehe = StringGrid1->height();
    if (gitter_->rowCount() * kZeilenHoehe < hoehe)
        gitter_->ZeilenErgaenzen(hoehe / kZeilenHoehe + 1);
}

bool THauptFenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == flaeche_ && ereignis->type() == QEvent::Resize) {
        Anordnen();
        return false;
    }
    if (objekt == BrowseListBox)
        return BrowseListBoxEreignis(ereignis);
    if (objekt == BrowserKnopf)
        return BrowserKnopfTaste(ereignis);
    if (objekt == StringGrid1 && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            StringGrid1DblClick(StringGrid1->currentIndex());
            return true;
        }
    }
    if ((objekt == StringGrid1 || objekt == StringGrid1->viewport()) &&
        ereignis->type() == QEvent::ContextMenu)
        return GitterKontextmenue(objekt, static_cast<QContextMenuEvent*>(ereignis));
    if (objekt == StringGrid1->viewport() && ereignis->type() == QEvent::ToolTip)
        return KlangTooltip(static_cast<QHelpEvent*>(ereignis));
    if (objekt == SuchEingabe || objekt == SuchEingabe->lineEdit())
        return SuchEingabeEreignis(ereignis);
    return QMainWindow::eventFilter(objekt, ereignis);
}

} // namespace quandel
