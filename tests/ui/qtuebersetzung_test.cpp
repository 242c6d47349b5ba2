#include "fenstertest.h"
#include "ui/qtuebersetzung.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace quandel;

// Qt's own texts in the program's language: the set-up script installs Qt's translations.
class QtUebersetzungTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QtTexteDeutsch(*QCoreApplication::instance())); }

    void DialogButtonsAreGerman() {
        QDialogButtonBox knoepfe(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
        QCOMPARE(knoepfe.button(QDialogButtonBox::Open)->text(), QStringLiteral("Öffnen"));
        QCOMPARE(knoepfe.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }

    void FileDialogIsGerman() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QStringList beschriftungen;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            beschriftungen << label->text();
        QVERIFY2(beschriftungen.contains(QStringLiteral("Suchen in:")),
                 qPrintable(beschriftungen.join(u'|')));
    }

    void ContextMenuOfATextFieldIsGerman() {
        QLineEdit feld;
        const std::unique_ptr<QMenu> menue(feld.createStandardContextMenu());
        QStringList texte;
        for (const QAction* aktion : menue->actions())
            texte << aktion->text().section(u'\t', 0, 0);
        QVERIFY2(texte.contains(QStringLiteral("&Kopieren")), qPrintable(texte.join(u'|')));
        QVERIFY2(texte.contains(QStringLiteral("Einf&ügen")), qPrintable(texte.join(u'|')));
    }
};

QUANDEL_FENSTERTEST(QtUebersetzungTest);
#include "qtuebersetzung_test.moc"
