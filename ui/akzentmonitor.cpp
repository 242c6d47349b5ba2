#include "ui/akzentmonitor.h"

#include "text/fehler.h"
#include "ui/akzentbaum.h"
#include "ui/hilfefenster.h"
#include "ui/maximierregel.h"
#include "ui/qttext.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

namespace quandel {

namespace {

const QString kAkzentFilter = QStringLiteral("Akzente (*.akz)");

std::filesystem::path DateiPfad(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

void NachkommenLesen(const QTreeWidgetItem& knoten, std::vector<std::string>& mitglieder) {
    for (int i = 0; i < knoten.childCount(); ++i) {
        mitglieder.push_back(AusQString(knoten.child(i)->text(0)));
        NachkommenLesen(*knoten.child(i), mitglieder);
    }
}

} // namespace

TAkzentMonitor::TAkzentMonitor(HilfeFenster* hilfe, QWidget* eltern)
    : QWidget(eltern, Qt::Window), hilfe_(hilfe) {
    setObjectName(QStringLiteral("AkzentMonitor"));
    setWindowTitle(QStringLiteral("AkzentMonitor"));
    setGeometry(402, 163, 274, 367);
    BaumAnlegen();
    KnoepfeAnlegen();

    // The window sees the keys before the tree and the buttons do; an open editor keeps its own.
    TreeView1->installEventFilter(this);
    TreeView1->viewport()->installEventFilter(this);

    auto* hilfeTaste = new QAction(this);
    hilfeTaste->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(hilfeTaste);
    connect(hilfeTaste, &QAction::triggered, this,
            [this] { hilfe_->ThemaZeigen(QStringLiteral("Der_Akzentmonitor")); });

    GruppenSetzen(VorgabeLautgruppen());
    akzentGeaendert_ = false;
}

void TAkzentMonitor::BaumAnlegen() {
    TreeView1 = new AkzentBaum(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(30);
    TreeView1->setEditTriggers(QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::SelectedClicked |
                               QAbstractItemView::DoubleClicked);
    TreeView1->ablegenErlaubt = [this](QObject* quelle, QTreeWidgetItem* ziel) {
        return TreeView1DragOver(quelle, ziel);
    };
    TreeView1->ablegen = [this](QObject* quelle, QTreeWidgetItem* ziel) {
        TreeView1DragDrop(quelle, ziel);
    };
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(TreeView1->model(), signal, this, [this] { akzentGeaendert_ = true; });
    connect(TreeView1->model(), &QAbstractItemModel::dataChanged, this,
            [this] { akzentGeaendert_ = true; });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* edit = PopupMenu1->addAction(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("HalloPopUp1"));
    connect(edit, &QAction::triggered, this, &TAkzentMonitor::HalloPopUp1Click);
    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& punkt) {
        PopupMenu1->popup(TreeView1->viewport()->mapToGlobal(punkt));
    });

    TempView = new QTreeWidget(this);
    TempView->setObjectName(QStringLiteral("TempView"));
    TempView->hide();
}

void TAkzentMonitor::KnoepfeAnlegen() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(169, 40, 97, 180);
    const auto knopf = [this](const QString& text, const char* name, int oben, auto handler) {
        auto* k = new QPushButton(text, Panel1);
        k->setObjectName(QString::fromLatin1(name));
        k->setGeometry(6, oben, 85, 25);
        connect(k, &QPushButton::clicked, this, handler);
        k->installEventFilter(this);
        return k;
    };
    AddGruppe =
        knopf(QStringLiteral("Add Gruppe"), "AddGruppe", 6, &TAkzentMonitor::AddGruppeClick);
    AddChild = knopf(QStringLiteral("Add Silbe"), "AddChild", 37, &TAkzentMonitor::AddChildClick);
    Loeschen = knopf(QStringLiteral("Löschen"), "Loeschen", 68, &TAkzentMonitor::LoeschenClick);
    DateiLaden = knopf(QStringLiteral("Laden…"), "DateiLaden", 115, &TAkzentMonitor::LadenClick);
    DateiSpeichern =
        knopf(QStringLiteral("Speichern…"), "DateiSpeichern", 146, &TAkzentMonitor::SpeichernClick);
    // Its text needs more room than the panel gives: a button of the window (see resizeEvent).
    Standardgruppen = new QPushButton(QStringLiteral("Standardgruppen"), this);
    Standardgruppen->setObjectName(QStringLiteral("Standardgruppen"));
    connect(Standardgruppen, &QPushButton::clicked, this, &TAkzentMonitor::StandardgruppenClick);
    Standardgruppen->installEventFilter(this);
    DateiLaden->setToolTip(QStringLiteral("Lautgruppen aus einer .akz-Datei laden"));
    DateiSpeichern->setToolTip(QStringLiteral("Lautgruppen in eine .akz-Datei speichern"));
    Standardgruppen->setToolTip(QStringLiteral("Die eingebauten Lautgruppen wiederherstellen"));
}

Lautgruppen TAkzentMonitor::Gruppen() const {
    Lautgruppen gruppen;
    for (int i = 0; i < TreeView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& knoten = *TreeView1->topLevelItem(i);
        Lautgruppe& gruppe = gruppen.emplace_back();
        gruppe.name = AusQString(knoten.text(0));
        NachkommenLesen(knoten, gruppe.mitglieder);
    }
    return gruppen;
}

void TAkzentMonitor::GruppenSetzen(const Lautgruppen& gruppen) {
    TreeView1->clear();
    for (const Lautgruppe& gruppe : gruppen) {
        QTreeWidgetItem* knoten = NeuerKnoten(AlsQString(gruppe.name));
        for (const std::string& mitglied : gruppe.mitglieder)
            knoten->addChild(NeuerKnoten(AlsQString(mitglied)));
        TreeView1->addTopLevelItem(knoten);
    }
    TreeView1->expandAll();
    akzentGeaendert_ = true;
}

QTreeWidgetItem* TAkzentMonitor::Gewaehlt() const {
    const QList<QTreeWidgetItem*> auswahl = TreeView1->selectedItems();
    return auswahl.isEmpty() ? nullptr : auswahl.constFirst();
}

QTreeWidgetItem* TAkzentMonitor::NeuerKnoten(const QString& text) const {
    auto* knoten = new QTreeWidgetItem(QStringList{text});
    knoten->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable |
                     Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    return knoten;
}

void TAkzentMonitor::AddGruppeClick() {
    QTreeWidgetItem* gewaehlt = Gewaehlt();
    if (QTreeWidgetItem* gruppe = gewaehlt ? gewaehlt->parent() : nullptr) {
        gruppe->addChild(NeuerKnoten(QStringLiteral("Silbe")));
        return;
    }
    const int nummer = TreeView1->topLevelItemCount() + 1;
    QTreeWidgetItem* neu = NeuerKnoten(QStringLiteral("Silbengruppe %1").arg(nummer));
    TreeView1->addTopLevelItem(neu);
    TreeView1->setCurrentItem(neu);
    TreeView1->editItem(neu);
}

void TAkzentMonitor::AddChildClick() {
    QTreeWidgetItem* gewaehlt = Gewaehlt();
    if (!gewaehlt || gewaehlt->parent())
        return;
    gewaehlt->addChild(NeuerKnoten(QStringLiteral("Silbe")));
    gewaehlt->setExpanded(true);
}

void TAkzentMonitor::LoeschenClick() {
    delete Gewaehlt();
}

void TAkzentMonitor::HalloPopUp1Click() {
    if (QTreeWidgetItem* gewaehlt = Gewaehlt()) {
        TreeView1->setFocus();
        TreeView1->editItem(gewaehlt);
    }
    akzentGeaendert_ = true;
}

void TAkzentMonitor::LadenClick() {
    const QString pfad =
        dialoge_.DateiZumOeffnen(QStringLiteral("Lautgruppen laden"), kAkzentFilter);
    if (pfad.isEmpty())
        return;
    try {
        GruppenSetzen(LautgruppenLaden(DateiPfad(pfad)));
    } catch (const std::exception& e) {
        dialoge_.Fehler(QString::fromUtf8(e.what()));
    }
}

void TAkzentMonitor::StandardgruppenClick() {
    GruppenSetzen(VorgabeLautgruppen());
}

void TAkzentMonitor::SpeichernClick() {
    const QString pfad = dialoge_.DateiZumSpeichern(QStringLiteral("Lautgruppen speichern"),
                                                    kAkzentFilter, QStringLiteral("akz"));
    if (pfad.isEmpty())
        return;
    try {
        LautgruppenSpeichern(DateiPfad(pfad), Gruppen());
    } catch (const std::exception& e) {
        dialoge_.Fehler(QString::fromUtf8(e.what()));
    }
}

bool TAkzentMonitor::TreeView1DragOver(QObject* quelle, QTreeWidgetItem* ziel) const {
    QTreeWidgetItem* gewaehlt = Gewaehlt();
    if (!ziel || !gewaehlt || !qobject_cast<QTreeView*>(quelle))
        return false;
    // Members go before members, groups before groups.
    if ((gewaehlt->parent() == nullptr) != (ziel->parent() == nullptr))
        return false;
    // A node dropped below itself would vanish with its old place.
    for (const QTreeWidgetItem* k = ziel->parent(); k; k = k->parent())
        if (k == gewaehlt)
            return false;
    return true;
}

void TAkzentMonitor::TreeView1DragDrop(QObject* quelle, QTreeWidgetItem* ziel) {
    setWindowTitle(QStringLiteral("TreeView1DragDrop"));
    if (!qobject_cast<QTreeView*>(quelle) || !ziel || !Gewaehlt())
        return;
    Verschieben(Gewaehlt(), TreeView1, ziel);
}

QTreeWidgetItem* TAkzentMonitor::Verschieben(QTreeWidgetItem* knoten, QTreeWidget* baum,
                                             QTreeWidgetItem* vor) {
    QTreeWidgetItem* neu = knoten->clone();
    if (!vor)
        baum->addTopLevelItem(neu);
    else if (QTreeWidgetItem* eltern = vor->parent())
        eltern->insertChild(eltern->indexOfChild(vor), neu);
    else
        baum->insertTopLevelItem(baum->indexOfTopLevelItem(vor), neu);
    neu->setExpanded(true);
    delete knoten;
    baum->setCurrentItem(neu);
    return neu;
}

bool TAkzentMonitor::FormKeyDown(int taste, Qt::KeyboardModifiers umschalter) {
    if (!Gewaehlt() || !(umschalter & Qt::ControlModifier))
        return false;
    switch (taste) {
    case Qt::Key_C:
        setWindowTitle(QStringLiteral("CCC"));
        return true;
    case Qt::Key_X:
        setWindowTitle(QStringLiteral("XXX"));
        TempView->clear();
        Verschieben(Gewaehlt(), TempView, nullptr);
        setWindowTitle(QStringLiteral("FormKeyDown"));
        return true;
    case Qt::Key_V:
        setWindowTitle(QStringLiteral("VVV"));
        if (TempView->topLevelItemCount() > 0)
            Verschieben(TempView->topLevelItem(0), TreeView1, Gewaehlt());
        TempView->clear();
        return true;
    default:
        setWindowTitle(QStringLiteral("Akzentmonitor Akzentebeispiel"));
        return false;
    }
}

bool TAkzentMonitor::eventFilter(QObject* objekt, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::KeyPress: {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (FormKeyDown(taste->key(), taste->modifiers()))
            return true;
        break;
    }
    case QEvent::FocusIn:
        if (objekt == TreeView1)
            akzentGeaendert_ = true;
        break;
    case QEvent::MouseButtonPress: {
        // A right click selects the node under the pointer, so that "Edit" applies to it.
        const auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (objekt == TreeView1->viewport() && maus->button() == Qt::RightButton)
            if (QTreeWidgetItem* knoten = TreeView1->itemAt(maus->position().toPoint()))
                TreeView1->setCurrentItem(knoten);
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void TAkzentMonitor::changeEvent(QEvent* ereignis) {
    QWidget::changeEvent(ereignis);
    if (ereignis->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        QMetaObject::invokeMethod(
            this, [this] { MaximierenUmlenken(*this); }, Qt::QueuedConnection);
}

void TAkzentMonitor::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    // The tree grows with the window, the buttons keep to its right edge.
    TreeView1->setGeometry(8, 40, width() - 146, height() - 63);
    Panel1->move(width() - 105, 40);
    // Below the panel's buttons and flush with their right edge, as wide as its text needs
    // while it keeps clear of the tree.
    const int rechts = Panel1->x() + 91;
    const int breite = std::clamp(Standardgruppen->sizeHint().width(), 85,
                                  rechts - TreeView1->geometry().right() - 6);
    Standardgruppen->setGeometry(rechts - breite, Panel1->y() + 177, breite, 25);
}

} // namespace quandel
