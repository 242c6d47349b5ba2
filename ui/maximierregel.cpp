#include "ui/maximierregel.h"

#include <QScreen>
#include <QWidget>

namespace quandel {

void MaximierenUmlenken(QWidget& fenster) {
    const QRect normal = fenster.normalGeometry();
    fenster.setWindowState(fenster.windowState() & ~Qt::WindowMaximized);
    if (const QScreen* bildschirm = fenster.screen()) {
        const int rahmenOben = fenster.geometry().top() - fenster.frameGeometry().top();
        const int rahmenHoehe = fenster.frameGeometry().height() - fenster.height();
        const int unten = bildschirm->availableGeometry().bottom() + 1;
        fenster.setGeometry(normal.left(), rahmenOben, normal.width(), unten - rahmenHoehe);
    }
}

} // namespace quandel
