#include "ui/hauptfenster.h"
#include "ui/hilfefenster.h"
#include "ui/maximierregel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMoveEvent>
#include <QPixmap>
#include <QResizeEvent>

namespace quandel {

namespace {

const QString kWasserBild = QStringLiteral("WasserVergroess2.bmp");

// The picture is looked for in the current directory first, then next to the program, then in
// the data directory of the installation (share/quandel-tornar beside bin/).
QPixmap WasserBildLaden() {
    const QString programmOrdner = QCoreApplication::applicationDirPath();
    for (const QString& ordner :
         {QDir::currentPath(), programmOrdner,
          QDir(programmOrdner).filePath(QStringLiteral(QUANDEL_DATENORDNER))}) {
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
    MaximierenUmlenken(*this);
    bildGeometrie_ = geometry();
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

void THauptFenster::moveEvent(QMoveEvent* ereignis) {
    QMainWindow::moveEvent(ereignis);
    // The picture belongs to the place the maximise rule gave the window; once the window is
    // moved or resized from there, it goes.
    if (wasserBild_->isVisible() && geometry() != bildGeometrie_)
        wasserBild_->hide();
}

void THauptFenster::resizeEvent(QResizeEvent* ereignis) {
    QMainWindow::resizeEvent(ereignis);
    if (wasserBild_->isVisible() && geometry() != bildGeometrie_)
        wasserBild_->hide();
}

void THauptFenster::FormHelp() {
    // Help context 1400 of the window and its controls is the page on the main window.
    hilfe_->ThemaZeigen(QStringLiteral("Das_Hauptfenster"));
}

void THauptFenster::closeEvent(QCloseEvent* ereignis) {
    // Closing ends the program at once, also in the middle of a build or a search: that work
    // stops at its next look at the event loop, and the helper windows go with this one.
    kontext_.AbbruchFlag = true;
    geschlossen_ = true;
    for (QWidget* kind : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (kind->isWindow())
            kind->hide();
    // Nothing may be released under running work; the destructor releases it then.
    if (!sucheLaeuft_ && !legtGerade_)
        wortbestand_.lexikon().LexikonFreigeben();
    ereignis->accept();
}

void THauptFenster::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    geschlossen_ = false;
}

} // namespace quandel
