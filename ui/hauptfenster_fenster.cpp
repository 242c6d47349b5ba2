#include "ui/hauptfenster.h"
#include "ui/hilfefenster.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace quandel {

namespace {

const QString kWasserBild = QStringLiteral("WasserVergroess2.bmp");

// The picture is looked for in the current directory first, then next to the program.
QPixmap WasserBildLaden() {
    for (const QString& ordner : {QDir::currentPath(), QCoreApplication::applicationDirPath()}) {
        const QPixmap bild(QDir(ordner).filePath(kWasserBild));
        if (!bild.isNull())
            return bild;
    }
    return {};
}

} // namespace

void THauptFenster::changeEvent(QEvent* ereignis) {
    QMainWindow::changeEvent(ereignis);
    if (ereignis->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        QMetaObject::invokeMethod(this, &THauptFenster::MaximierenAbfangen, Qt::QueuedConnection);
}

void THauptFenster::MaximierenAbfangen() {
    // The window is never maximised: it keeps left and width and reaches from the top of the
    // screen down to the end of its free area (above a task bar at the bottom).
    const QRect normal = normalGeometry();
    setWindowState(windowState() & ~Qt::WindowMaximized);
    if (const QScreen* bildschirm = screen()) {
        const int rahmenOben = geometry().top() - frameGeometry().top();
        const int rahmenHoehe = frameGeometry().height() - height();
        const int unten = bildschirm->availableGeometry().bottom() + 1;
        setGeometry(normal.left(), rahmenOben, normal.width(), unten - rahmenHoehe);
    }
    const QPixmap bild = WasserBildLaden();
    if (bild.isNull()) {
        dialoge_.Fehler(QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(kWasserBild));
        return;
    }
    wasserBild_->setPixmap(bild);
    wasserBild_->resize(bild.size());
    wasserBild_->move(width() - 40, 6);
    wasserBild_->show();
    wasserBild_->raise();
}

void THauptFenster::FormHelp() {
    // Help context 1400 of the window and its controls is the page on the main window.
    hilfe_->ThemaZeigen(QStringLiteral("Das_Hauptfenster"));
}

void THauptFenster::closeEvent(QCloseEvent* ereignis) {
    kontext_.AbbruchFlag = true;
    if (sucheLaeuft_) {
        // Nothing may be released under the running search; the search frame closes the
        // window again when it has returned.
        schliessenVerlangt_ = true;
        ereignis->ignore();
        return;
    }
    lexikon_.LexikonFreigeben();
    ereignis->accept();
}

} // namespace quandel
