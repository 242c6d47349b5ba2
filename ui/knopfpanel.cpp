#include "ui/knopfpanel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quandel {

KnopfPanel::KnopfPanel(QWidget* eltern) : QLabel(eltern) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
}

void KnopfPanel::Einrichten(const QString& beschriftung, QColor farbe) {
    setText(beschriftung);
    farbe_ = farbe;
    // A raised bevel like a panel; the caption greys out when the panel is disabled.
    setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: black;"
                                 " border: 1px solid; border-color: white gray gray white; }"
                                 "QLabel:focus { border: 1px dotted black; }"
                                 "QLabel:disabled { color: gray; }")
                      .arg(farbe.name()));
}

void KnopfPanel::keyPressEvent(QKeyEvent* ereignis) {
    switch (ereignis->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Klicken();
        return;
    default:
        QLabel::keyPressEvent(ereignis);
    }
}

void KnopfPanel::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        Klicken();
    QLabel::mouseReleaseEvent(ereignis);
}

} // namespace quandel
