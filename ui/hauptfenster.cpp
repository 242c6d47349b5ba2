#include "ui/hauptfenster.h"

#include "lexicon/lexikon_eingebaut.h"
#include "search/klangbestand.h"
#include "search/sucheintraege_eingebaut.h"
#include "ui/akzentmonitor.h"
#include "ui/fokusrahmen.h"
#include "ui/gittermodell.h"
#include "ui/hilfefenster.h"
#include "ui/knopfpanel.h"
#include "ui/qttext.h"
#include "ui/suchanimation.h"
#include "ui/ueberdialog.h"

#include <QCheckBox>
#include <QComboBox>
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

template <typename Widget> Widget* Benannt(Widget* widget, const char* name, QRect platz) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(platz);
    return widget;
}

void Einfaerben(QWidget* widget, QColor farbe) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, farbe);
    palette.setColor(QPalette::Button, farbe);
    widget->setPalette(palette);
}

} // namespace

THauptFenster::THauptFenster(QWidget* eltern) : QMainWindow(eltern) {
    setObjectName(QStringLiteral("HauptFenster"));
    setWindowTitle(QStringLiteral("Quandel Tornar v1"));
    setWindowIcon(Programmsymbol());
    setFont(Arial(10));
    setMaximumWidth(kBreite);
    SteuerelementeAnlegen();
    KlangAnlegen();
    MenueAnlegen();
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
    lexikon_ = daten::EingebautesLexikon(AusQString(VokalFeld->text()), kontext_.haken);
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

void THauptFenster::SteuerelementeAnlegen() {
    flaeche_ = new QWidget(this);
    flaeche_->setObjectName(QStringLiteral("Flaeche"));
    setCentralWidget(flaeche_);

    VokalFeld = Benannt(new QLineEdit(QStringLiteral("a,e,i,o,u,ä,ö,ü"), flaeche_), "VokalFeld",
                        {3, 8, 175, 21});
    VokalFeld->setFont(MsSansSerif(12, true));
    Einfaerben(VokalFeld, kVokalFeldFarbe);
    connect(VokalFeld, &QLineEdit::textChanged, this, [this] { VokalFeldChange(); });

    BrowserKnopf = Benannt(new MitFokusRahmen<QScrollBar>(Qt::Horizontal, flaeche_), "BrowserKnopf",
                           {226, 6, 47, 15});
    BrowserKnopf->setRange(0, 0);
    BrowserKnopf->setFocusPolicy(Qt::StrongFocus);
    BrowserKnopf->installEventFilter(this);
    connect(BrowserKnopf, &QScrollBar::valueChanged, this, &THauptFenster::BrowserKnopfClick);

    SpeedButton1 =
        Benannt(new MitFokusRahmen<QToolButton>(flaeche_), "SpeedButton1", {273, 7, 17, 14});
    SpeedButton1->setArrowType(Qt::DownArrow);
    SpeedButton1->setAutoRaise(true);
    // A click leaves the focus where it is, so the open list can be closed by the same button.
    SpeedButton1->setFocusPolicy(Qt::TabFocus);

    Animate1 = Benannt(new SuchAnimation(flaeche_), "Animate1", {393, 6, 11, 12});

    PanEnd = Benannt(new KnopfPanel(QStringLiteral("End"), kEndFarbe, flaeche_), "PanEnd",
                     {2, 31, 43, 18});
    PanEnd->setToolTip(QStringLiteral("... xyz"));
    PanLied = Benannt(new KnopfPanel(QStringLiteral("Lied"), kLiedFarbe, flaeche_), "PanLied",
                      {47, 31, 43, 18});
    PanSchuett = Benannt(new KnopfPanel(QStringLiteral("Schüttel"), kSchuettelFarbe, flaeche_),
                         "PanSchuett", {91, 31, 60, 18});
    PanSchuett->setToolTip(QStringLiteral("xyz"));
    PanStab = Benannt(new KnopfPanel(QStringLiteral("Stabreim"), kStabFarbe, flaeche_), "PanStab",
                      {154, 31, 60, 18});
    PanStab->setToolTip(QStringLiteral("xyz ..."));
    PanStab->hide();
    for (KnopfPanel* panel : {PanEnd, PanLied, PanSchuett, PanStab})
        panel->setFont(Arial(11));
    connect(PanEnd, &KnopfPanel::clicked, this, &THauptFenster::PanEndClick);
    connect(PanLied, &KnopfPanel::clicked, this, &THauptFenster::PanLiedClick);
    connect(PanSchuett, &KnopfPanel::clicked, this, &THauptFenster::PanSchuettClick);
    connect(PanStab, &KnopfPanel::clicked, this, &THauptFenster::PanStabClick);

    ABCRichtung = Benannt(new QFrame(flaeche_), "ABCRichtung", {154, 31, 90, 18});
    ABCRichtung->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ABCRichtung->setStyleSheet(kKleineKnoepfe);
    VorSort = Benannt(new QRadioButton(ABCRichtung), "VorSort", {2, 3, 51, 12});
    VorSort->setChecked(true);
    // RueckSort overlaps VorSort: the first circle reads "Vor", the second "Rueck".
    RueckSort = Benannt(new QRadioButton(QStringLiteral("Vor/Rueck"), ABCRichtung), "RueckSort",
                        {14, 3, 68, 12});
    RueckSort->setFont(Arial(9));
    connect(VorSort, &QRadioButton::toggled, this, [this](bool an) {
        if (an)
            RichtungGewechselt();
    });
    connect(RueckSort, &QRadioButton::toggled, this, [this](bool an) {
        if (an)
            RichtungGewechselt();
    });

    ZeigAkzente = Benannt(new QPushButton(QStringLiteral("Akzent"), flaeche_), "ZeigAkzente",
                          {248, 31, 56, 18});
    connect(ZeigAkzente, &QPushButton::clicked, this, &THauptFenster::ZeigAkzenteClick);
    Akzentuirung = Benannt(new QCheckBox(flaeche_), "Akzentuirung", {249, 34, 9, 12});
    Akzentuirung->setStyleSheet(kKleineKnoepfe);
    Akzentuirung->raise();
    connect(Akzentuirung, &QCheckBox::clicked, this, [this] { SuchEingabe->setFocus(); });

    PlusMinusPan = Benannt(new QFrame(flaeche_), "PlusMinusPan", {308, 31, 50, 18});
    PlusMinusPan->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PlusMinusPan->setStyleSheet(kKleineKnoepfe);
    PlusRadio =
        Benannt(new QRadioButton(QStringLiteral("+"), PlusMinusPan), "PlusRadio", {4, 4, 23, 12});
    PlusRadio->setChecked(true);
    MinusRadio =
        Benannt(new QRadioButton(QStringLiteral("-"), PlusMinusPan), "MinusRadio", {26, 4, 20, 12});

    AbbruchButton = Benannt(new QPushButton(QStringLiteral("Abbruch"), flaeche_), "AbbruchButton",
                            {361, 31, 52, 18});
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { kontext_.AbbruchFlag = true; });

    SuchEingabe = Benannt(new QComboBox(flaeche_), "SuchEingabe", {2, 52, 414, 23});
    SuchEingabe->setEditable(true);
    SuchEingabe->setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: "e" + Enter searches "e", not the preset "er", and "reim" stays
    // "reim" where "Reim" is a preset.
    SuchEingabe->setCompleter(nullptr);
    SuchEingabe->setMaxVisibleItems(20);
    SuchEingabe->setFont(Arial(12, true));
    for (const std::string& eintrag : daten::Sucheintraege())
        SuchEingabe->addItem(AlsQString(eintrag));
    SuchEingabe->setCurrentIndex(-1);
    SuchEingabe->installEventFilter(this);
    SuchEingabe->lineEdit()->installEventFilter(this);

    gitter_ = new GitterModell(4, 20, kEndFarbe, this);
    StringGrid1 = Benannt(new QTableView(flaeche_), "StringGrid1", {2, kGitterOben, 414, 333});
    StringGrid1->setModel(gitter_);
    StringGrid1->setItemDelegate(new OhneAuswahlDelegat(StringGrid1));
    StringGrid1->setFont(MsSansSerif(12, true));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kSpaltenBreite);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kZeilenHoehe);
    StringGrid1->setShowGrid(true);
    StringGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setWordWrap(false);
    // Tab leaves the grid; a word too long for its cell loses its start, never its ending.
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setTextElideMode(Qt::ElideLeft);
    StringGrid1->installEventFilter(this);
    connect(StringGrid1, &QTableView::doubleClicked, this, &THauptFenster::StringGrid1DblClick);
    connect(
        StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& zelle) { StringGrid1SelectCell(zelle.column(), zelle.row()); });

    ProgressBar1 = Benannt(new QProgressBar(flaeche_), "ProgressBar1",
                           {0, kFlaechenHoehe - kFortschrittHoehe, kBreite, kFortschrittHoehe});
    // Qt shows a busy indicator for the range 0..0, so the bar starts empty at 0 of 1.
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAlignment(Qt::AlignCenter);
    ProgressBar1->setFont(Arial(10));

    SuchZeit = Benannt(new QLabel(flaeche_), "SuchZeit", {2, 2, 200, 14});
    Label1 = Benannt(new QLabel(flaeche_), "Label1", {2, 2, 200, 14});
    Label2 = Benannt(new QLabel(flaeche_), "Label2", {2, 2, 200, 14});
    Label3 = Benannt(new QLabel(flaeche_), "Label3", {2, 2, 200, 14});
    for (QLabel* label : {SuchZeit, Label1, Label2, Label3})
        label->hide();

    BrowseListBox = Benannt(new QListWidget(flaeche_), "BrowseListBox", {227, 20, 62, 72});
    BrowseListBox->hide();
    BrowseListBox->setUniformItemSizes(true);
    BrowseListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette liste = BrowseListBox->palette();
    liste.setColor(QPalette::Highlight, kVokalFeldFarbe);
    liste.setColor(QPalette::HighlightedText, Qt::black);
    BrowseListBox->setPalette(liste);
    BrowseListBox->installEventFilter(this);
    connect(BrowseListBox, &QListWidget::itemDoubleClicked, this,
            &THauptFenster::BrowseListBoxDblClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &THauptFenster::SpeedButton1Click);

    wasserBild_ = new QLabel(this);
    wasserBild_->setObjectName(QStringLiteral("WasserBild"));
    wasserBild_->hide();

    flaeche_->installEventFilter(this);
    GitterMenueAnlegen();
    TabFolgeSetzen();
}

void THauptFenster::TabFolgeSetzen() {
    // Tab follows the rows of the window from left to right: the vowel field and the history
    // (its list, while open, after its button), the mode panels and switches, the search box,
    // the grid.
    QWidget* const folge[] = {VokalFeld,   BrowserKnopf, SpeedButton1, BrowseListBox, PanEnd,
                              PanLied,     PanSchuett,   PanStab,      VorSort,       RueckSort,
                              ZeigAkzente, Akzentuirung, PlusRadio,    MinusRadio,    AbbruchButton,
                              SuchEingabe, StringGrid1};
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
    if (objekt == StringGrid1->viewport() && ereignis->type() == QEvent::ToolTip)
        return KlangTooltip(static_cast<QHelpEvent*>(ereignis));
    if (objekt == SuchEingabe || objekt == SuchEingabe->lineEdit())
        return SuchEingabeEreignis(ereignis);
    return QMainWindow::eventFilter(objekt, ereignis);
}

} // namespace quandel
