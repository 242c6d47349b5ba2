#include "ui/ueberdialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quandel {

QIcon Programmsymbol() {
    QIcon symbol;
    for (int groesse : {16, 22, 24, 32, 48, 64, 128, 256})
        symbol.addFile(QStringLiteral(":/symbol/quandel-tornar-%1.png").arg(groesse),
                       QSize(groesse, groesse));
    return symbol;
}

UeberDialog::UeberDialog(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("UeberDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Über Quandel Tornar"));
    resize(560, 520);

    auto* bild = new QLabel(this);
    bild->setPixmap(Programmsymbol().pixmap(64, 64));
    auto* kopf = new QLabel(this);
    kopf->setObjectName(QStringLiteral("UeberText"));
    kopf->setTextFormat(Qt::RichText);
    kopf->setWordWrap(true);
    kopf->setText(QStringLiteral("<h2>Quandel Tornar %1</h2>"
                                 "<p>Deutsches Reimlexikon: Endreim, Liedreim, Schüttelreim "
                                 "und Stabreim.</p>"
                                 "<p>Lizenz: GPL-3.0-or-later. Es gibt keine Gewährleistung."
                                 "</p><p>Herkunft und Lizenzen des Wortbestands:</p>")
                      .arg(QStringLiteral(QUANDEL_VERSION)));

    auto* quellen = new QTextBrowser(this);
    quellen->setObjectName(QStringLiteral("UeberQuellen"));
    QFile lizenzen(QStringLiteral(":/ueber/LICENSES.md"));
    if (lizenzen.open(QIODevice::ReadOnly))
        quellen->setMarkdown(QString::fromUtf8(lizenzen.readAll()));

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* oben = new QHBoxLayout;
    oben->addWidget(bild, 0, Qt::AlignTop);
    oben->addWidget(kopf, 1);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->addLayout(oben);
    anordnung->addWidget(quellen, 1);
    anordnung->addWidget(knoepfe);
}

} // namespace quandel
