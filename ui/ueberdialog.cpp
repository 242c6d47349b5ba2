#include "ui/ueberdialog.h"

#include "ui/zugang.h"

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
    kopf->setOpenExternalLinks(true);
    // The notice the GPL asks a program to show, in German wording; the licence itself is
    // binding in its English text, which the link leads to.
    kopf->setText(
        QStringLiteral(
            "<h2>Quandel Tornar %1</h2>"
            "<p>Deutsches Reimlexikon: Endreim, Liedreim, Schüttelreim und Stabreim.</p>"
            "<p>Dieses Programm ist freie Software: Sie dürfen es unter den Bedingungen der GNU "
            "General Public License, wie von der Free Software Foundation veröffentlicht, "
            "weitergeben und/oder verändern, entweder nach Version 3 der Lizenz oder (nach "
            "Ihrer Wahl) nach jeder späteren Version (GPL-3.0-or-later).</p>"
            "<p>Es wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE JEDE "
            "GEWÄHRLEISTUNG, sogar ohne die stillschweigende Gewährleistung der MARKTREIFE "
            "oder der EIGNUNG FÜR EINEN BESTIMMTEN ZWECK. Einzelheiten stehen in der GNU General "
            "Public License, die dem Programm beiliegt (Datei LICENSE) und unter "
            "<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">"
            "https://www.gnu.org/licenses/gpl-3.0.html</a> steht.</p>"
            "<p>Herkunft und Lizenzen des Wortbestands:</p>")
            .arg(QStringLiteral(QUANDEL_VERSION)));

    auto* quellen = new QTextBrowser(this);
    quellen->setObjectName(QStringLiteral("UeberQuellen"));
    QFile lizenzen(QStringLiteral(":/ueber/LIZENZEN.md"));
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
    UeberDialogZugang(*this);
}

} // namespace quandel
