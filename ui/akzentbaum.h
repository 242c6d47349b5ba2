#pragma once

#include <QTreeWidget>
#include <functional>

namespace quandel {

// The group tree of the accent monitor. It starts drags of its nodes by itself and leaves the
// decision and the move on a drop to its owner, so that nothing but the owner's rules moves a
// node; Qt's own moving of dragged rows stays off.
class AkzentBaum : public QTreeWidget {
    Q_OBJECT
public:
    explicit AkzentBaum(QWidget* eltern);

    // Whether a drop from that source onto that node (may be null) is accepted.
    std::function<bool(QObject* quelle, QTreeWidgetItem* ziel)> ablegenErlaubt;
    // Carries out an accepted drop.
    std::function<void(QObject* quelle, QTreeWidgetItem* ziel)> ablegen;

protected:
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dragMoveEvent(QDragMoveEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;
};

} // namespace quandel
