#include "ui/gittermodell.h"
#include "ui/hauptfenster.h"
#include "ui/knopfpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>
#include <optional>

namespace quandel {

namespace {

constexpr int kEintragsHoehe = 16;

} // namespace

void THauptFenster::HistorieEinrichten() {
    BrowserKnopf->setOrientation(Qt::Horizontal);
    BrowserKnopf->setRange(0, 0);
    BrowserKnopf->setFocusPolicy(Qt::StrongFocus);
    BrowserKnopf->installEventFilter(this);
    connect(BrowserKnopf, &QScrollBar::valueChanged, this, &THauptFenster::BrowserKnopfClick);

    SpeedButton1->setArrowType(Qt::DownArrow);
    SpeedButton1->setAutoRaise(true);
    // A click leaves the focus where it is, so the open list can be closed by the same button.
    SpeedButton1->setFocusPolicy(Qt::TabFocus);
    connect(SpeedButton1, &QToolButton::clicked, this, &THauptFenster::SpeedButton1Click);

    BrowseListBox->hide();
    BrowseListBox->setUniformItemSizes(true);
    BrowseListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The selected entry has the colour of the vowel field.
    QPalette liste = BrowseListBox->palette();
    liste.setColor(QPalette::Highlight, VokalFeld->palette().color(QPalette::Base));
    liste.setColor(QPalette::HighlightedText, Qt::black);
    BrowseListBox->setPalette(liste);
    BrowseListBox->installEventFilter(this);
    connect(BrowseListBox, &QListWidget::itemDoubleClicked, this,
            &THauptFenster::BrowseListBoxDblClick);
}

// The mode panels in the order of Suchmodus.
std::array<KnopfPanel*, 5> THauptFenster::Suchpanels() const {
    return {PanEnd, PanLied, PanSchuett, PanStab, PanKlang};
}

void THauptFenster::TrefferHistorieMerken(const std::vector<std::string>& treffer) {
    const QString text = SuchEingabe->currentText();
    const auto panels = Suchpanels();
    const auto modus = static_cast<Suchmodus>(
        std::find(panels.begin(), panels.end(), AktivesSuchPanel) - panels.begin());
    if (!historie_.TrefferHistorieMerken(
            treffer, text.toStdString(),
            {modus, OhneSortierung, VorSort->isEnabled(), RueckSort->isEnabled()}))
        return;
    {
        // The grid already shows the new entry: nothing is laid out again.
        const QSignalBlocker sperre(BrowserKnopf);
        BrowserKnopf->setMaximum(historie_.PfeilMaximum());
        BrowserKnopf->setValue(BrowserKnopf->maximum());
    }
    // Drawn in the mode colour of its search, black text from the top left; the selected item
    // in the list's highlight.
    auto* eintrag = new QListWidgetItem(text, BrowseListBox);
    eintrag->setBackground(AktivesSuchPanel->Farbe());
    eintrag->setForeground(Qt::black);
    eintrag->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    eintrag->setSizeHint({0, kEintragsHoehe});
    BrowseListBox->setCurrentRow(static_cast<int>(historie_.Anzahl()) - 1);
}

void THauptFenster::BrowserKnopfClick() {
    HistorieZeigen(BrowserKnopf->value());
}

void THauptFenster::HistorieZeigen(int k) {
    if (sucheLaeuft_ || legtGerade_) {
        // A running search or lay-out owns the grid; the arrows go back to where they were.
        const QSignalBlocker sperre(BrowserKnopf);
        BrowserKnopf->setValue(BrowseListBox->currentRow() < 0 ? BrowserKnopf->maximum()
                                                               : BrowseListBox->currentRow());
        return;
    }
    BrowseListBox->setCurrentRow(k);
    const std::optional<std::size_t> gezeigt = historie_.Zeigen(k);
    if (!gezeigt)
        return;
    const HistorienEintrag& eintrag = historie_.Eintrag(*gezeigt);
    KnopfPanel* panel = Suchpanels()[static_cast<std::size_t>(eintrag.modus)];
    SuchEingabe->setEditText(QString::fromStdString(historie_.Text(*gezeigt)));
    GitterFarbeSetzen(panel->Farbe());
    OhneSortierung = eintrag.ohneSortierung;
    VorSort->setEnabled(eintrag.vorSortFrei);
    RueckSort->setEnabled(eintrag.rueckSortFrei);
    AktivesSuchPanel = panel;
    if (panel == PanSchuett) // its rows of four, whatever a grid file has set since
        gitter_->SpaltenSetzen(4);
    Abgesichert([this, gezeigt] {
        SGLeeren();
        SGFuellen(historie_.Treffer(*gezeigt));
    });
}

void THauptFenster::SpeedButton1Click() {
    if (BrowseListBox->isVisible()) {
        BrowseListBoxSchliessen();
        return;
    }
    // Like a drop-down list it has the keyboard while it is open, however it was opened, and
    // closes when the focus moves on.
    vorDerListe_ = QApplication::focusWidget();
    BrowseListBox->show();
    BrowseListBox->raise();
    BrowseListBox->setFocus(Qt::PopupFocusReason);
}

void THauptFenster::BrowseListBoxSchliessen() {
    // The keyboard goes back to where it was before the list opened.
    if (BrowseListBox->hasFocus())
        (vorDerListe_ ? vorDerListe_.data() : SpeedButton1)->setFocus(Qt::PopupFocusReason);
    BrowseListBox->hide();
}

void THauptFenster::BrowseListBoxDblClick() {
    const int k = BrowseListBox->currentRow();
    if (k < 0)
        return;
    {
        const QSignalBlocker sperre(BrowserKnopf);
        BrowserKnopf->setValue(Suchhistorie::PfeilStelle(static_cast<std::size_t>(k)));
    }
    HistorieZeigen(k);
    BrowseListBox->hide();
    SuchEingabe->setFocus();
}

bool THauptFenster::BrowserKnopfTaste(QEvent* ereignis) {
    // The arrow keys step through the history as the arrows do.
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent*>(ereignis)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        BrowserKnopf->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Up:
        BrowserKnopf->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Home:
        BrowserKnopf->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        BrowserKnopf->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    default:
        return false;
    }
}

bool THauptFenster::BrowseListBoxEreignis(QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut) {
        BrowseListBox->hide();
        return false;
    }
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent*>(ereignis)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        BrowseListBoxDblClick();
        return true;
    case Qt::Key_Escape:
        BrowseListBoxSchliessen();
        return true;
    default:
        return false;
    }
}

} // namespace quandel
