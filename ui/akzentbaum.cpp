#include "ui/akzentbaum.h"

#include <QDropEvent>

namespace quandel {

AkzentBaum::AkzentBaum(QWidget* eltern) : QTreeWidget(eltern) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // A drop reports a copy, so the view never removes the dragged rows itself.
    setDefaultDropAction(Qt::CopyAction);
}

void AkzentBaum::dragEnterEvent(QDragEnterEvent* ereignis) {
    ereignis->acceptProposedAction();
}

void AkzentBaum::dragMoveEvent(QDragMoveEvent* ereignis) {
    QTreeWidgetItem* ziel = itemAt(ereignis->position().toPoint());
    if (ablegenErlaubt && ablegenErlaubt(ereignis->source(), ziel)) {
        ereignis->setDropAction(Qt::CopyAction);
        ereignis->accept();
    } else {
        ereignis->ignore();
    }
}

void AkzentBaum::dropEvent(QDropEvent* ereignis) {
    QTreeWidgetItem* ziel = itemAt(ereignis->position().toPoint());
    if (!ablegenErlaubt || !ablegenErlaubt(ereignis->source(), ziel)) {
        ereignis->ignore();
        return;
    }
    ereignis->setDropAction(Qt::CopyAction);
    ereignis->accept();
    if (ablegen)
        ablegen(ereignis->source(), ziel);
}

} // namespace quandel
