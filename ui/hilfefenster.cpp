#include "ui/hilfefenster.h"

#include "ui/zugang.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace quandel {

HilfeFenster::HilfeFenster(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setObjectName(QStringLiteral("HilfeFenster"));
    setWindowTitle(QStringLiteral("Hilfe – Quandel Tornar"));
    resize(520, 480);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HilfeText"));
    browser_->setSearchPaths({QStringLiteral(":/hilfe")});
    auto* anordnung = new QVBoxLayout(this);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(browser_);
    HilfeFensterZugang(*this);
}

void HilfeFenster::ThemaZeigen(const QString& thema) {
    browser_->setSource(QUrl(QStringLiteral("qrc:/hilfe/%1.html").arg(thema)));
    show();
    raise();
    activateWindow();
}

} // namespace quandel
