#pragma once

#include "soundgroups/lautgruppen.h"
#include "ui/dialoge.h"

#include <QWidget>

class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quandel {

class AkzentBaum;
class HilfeFenster;

// The accent monitor: the sound groups as a two-level tree, groups ("I-Laute") with the
// spellings that sound alike ("i", "ie", "ih") below them. Created hidden with the default
// groups, shown by the main window, hidden again when closed; it lives as long as the main
// window. Every change of the tree marks the groups as changed (AkzentGeaendert), so the next
// search with Akzentuirung rebuilds the replacement tree from Gruppen().
class TAkzentMonitor : public QWidget {
    Q_OBJECT
public:
    TAkzentMonitor(HilfeFenster* hilfe, QWidget* eltern);

    // The groups of the tree: each top-level node a group, every node below it, in pre-order,
    // one of its members. Raises Fehler for a text that Windows-1252 cannot hold.
    Lautgruppen Gruppen() const;
    void GruppenSetzen(const Lautgruppen& gruppen);

    bool AkzentGeaendert() const { return akzentGeaendert_; }
    void AkzentGeaendertLoeschen() { akzentGeaendert_ = false; }

    Dialoge& dialoge() { return dialoge_; }

    // The handlers of the buttons, the popup entry and the drag over the tree.
    void AddGruppeClick();
    void AddChildClick();
    void LoeschenClick();
    void HalloPopUp1Click();
    void LadenClick();
    void SpeichernClick();
    void StandardgruppenClick();
    bool TreeView1DragOver(QObject* quelle, QTreeWidgetItem* ziel) const;
    void TreeView1DragDrop(QObject* quelle, QTreeWidgetItem* ziel);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void BaumAnlegen();
    void KnoepfeAnlegen();
    QTreeWidgetItem* Gewaehlt() const;
    QTreeWidgetItem* NeuerKnoten(const QString& text) const;
    bool FormKeyDown(int taste, Qt::KeyboardModifiers umschalter);
    // Moves a node with everything below it before another node (as its sibling), or to the
    // end of the top level of a tree when vor is null; the moved node becomes the selection.
    static QTreeWidgetItem* Verschieben(QTreeWidgetItem* knoten, QTreeWidget* baum,
                                        QTreeWidgetItem* vor);

    AkzentBaum* TreeView1 = nullptr;
    QTreeWidget* TempView = nullptr; // the clipboard: at most one cut node, never shown
    QWidget* Panel1 = nullptr;
    QPushButton* AddGruppe = nullptr;
    QPushButton* AddChild = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* DateiLaden = nullptr;
    QPushButton* DateiSpeichern = nullptr;
    QPushButton* Standardgruppen = nullptr;
    QMenu* PopupMenu1 = nullptr;
    HilfeFenster* hilfe_;
    Dialoge dialoge_{this};
    bool akzentGeaendert_ = false;
};

} // namespace quandel
