#include "ui/fokusrahmen.h"

#include <QPainter>

namespace quandel {

void FokusRahmenZeichnen(QWidget& widget) {
    QPainter maler(&widget);
    maler.setPen(QPen(Qt::black, 1, Qt::DotLine));
    maler.drawRect(widget.rect().adjusted(0, 0, -1, -1));
}

} // namespace quandel
