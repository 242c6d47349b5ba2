#include "fenstertest.h"
#include "ui/listform.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>

using namespace quandel;
using namespace quandel::testhilfe;

namespace {

QStringList Eintraege(QListWidget* liste) {
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->item(i)->text();
    return texte;
}

} // namespace

// The word list window: opened from the "Datei" menu, its files, the find and the words
// collected from the grid.
class ListFormTest : public FensterTest {
    Q_OBJECT

    QTemporaryDir ordner;

    TListForm* Oeffnen() {
        Kind<QAction>(*fenster, "Wortlistenfenster1")->trigger();
        return Kind<TListForm>(*fenster, "ListForm");
    }
    QPlainTextEdit* Text(TListForm* form) { return Kind<QPlainTextEdit>(*form, "TXTPflege"); }
    QListWidget* Sammlung(TListForm* form) { return Kind<QListWidget>(*form, "ListBox1"); }
    void Druecken(TListForm* form, const char* knopf) { Klicken(Kind<QPushButton>(*form, knopf)); }
    void DoppelklickAufZelle(int spalte, int zeile) {
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        const QPoint mitte = gitter->visualRect(Gitter(*fenster)->index(zeile, spalte)).center();
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, mitte);
        QTest::mouseDClick(gitter->viewport(), Qt::LeftButton, {}, mitte);
    }

private slots:
    void ersteOeffnungLegtAnUndBehaelt() {
        QVERIFY(!fenster->findChild<TListForm*>());
        TListForm* form = Oeffnen();
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("ListForm"));
        QCOMPARE(form->size(), QSize(618, 548));
        QCOMPARE(Eintraege(Sammlung(form)), QStringList({"Hallo", "Welt", "Holla", "Du"}));
        QCOMPARE(Sammlung(form)->palette().color(QPalette::Base), QColor(156, 187, 220));
        const QStringList zeilen = Text(form)->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(zeilen.size(), 31);
        QCOMPARE(zeilen.mid(0, 3), QStringList({"wippen", "sägen", "härbe"}));
        QCOMPARE(zeilen.mid(29), QStringList({"Parkuhr", "stritt"}));
        QCOMPARE(Kind<QLineEdit>(*form, "TXTPflSuchFeld")->text(), QStringLiteral("umm"));

        Text(form)->setPlainText(QStringLiteral("geändert"));
        form->close();
        QVERIFY(!form->isVisible());
        QCOMPARE(Oeffnen(), form);
        QVERIFY(form->isVisible());
        QCOMPARE(Text(form)->toPlainText(), QStringLiteral("geändert"));
    }

    void doppelklickSammeltErstMitFenster() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        DoppelklickAufZelle(2, 1);
        QVERIFY(!fenster->findChild<TListForm*>());
        TListForm* form = Oeffnen();
        DoppelklickAufZelle(2, 1);
        DoppelklickAufZelle(0, 0);
        QCOMPARE(Eintraege(Sammlung(form)),
                 QStringList({"Hallo", "Welt", "Holla", "Du", "Weide", "beeide"}));
        QCOMPARE(Zellen(*fenster).size(), 7); // no search, no edit

        // Enter on a cell collects it as well.
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        gitter->setCurrentIndex(Gitter(*fenster)->index(0, 2));
        QTest::keyClick(gitter, Qt::Key_Return);
        QCOMPARE(Sammlung(form)->item(6)->text(), QStringLiteral("Kreide"));
    }

    void gesammelteWorteInDenText() {
        TListForm* form = Oeffnen();
        form->WortAnhaengen(QStringLiteral("Weide"));
        form->WortAnhaengen(QStringLiteral("Kreide"));
        Text(form)->setPlainText(QStringLiteral("Tanne"));
        Sammlung(form)->item(5)->setSelected(true);
        Sammlung(form)->item(4)->setSelected(true);
        Druecken(form, "Uebernehmen");
        QCOMPARE(Text(form)->toPlainText(), QStringLiteral("Tanne\nWeide\nKreide"));
        Sammlung(form)->clearSelection();
        Text(form)->setPlainText(QStringLiteral("x\n"));
        Druecken(form, "Uebernehmen");
        QCOMPARE(Text(form)->toPlainText(),
                 QStringLiteral("x\nHallo\nWelt\nHolla\nDu\nWeide\nKreide"));

        // Dragged, the words travel as lines of text.
        QAbstractItemModel* modell = Sammlung(form)->model();
        std::unique_ptr<QMimeData> daten(
            modell->mimeData({modell->index(4, 0), modell->index(5, 0)}));
        QCOMPARE(daten->text(), QStringLiteral("Weide\nKreide"));
        QVERIFY(Text(form)->acceptDrops());
    }

    void ladenMitLfSpeichernMitCrLf() {
        TListForm* form = Oeffnen();
        const QString pfad = ordner.filePath(QStringLiteral("liste.txt"));
        Schreiben(pfad, "Bumms\nK\xE4se\rRinder\r\nLicht\n");
        form->dialoge().NaechsteDatei(pfad);
        Druecken(form, "TXTPflLoadButton");
        QCOMPARE(form->dialoge().LetzterFilter(), QStringLiteral("Text (*.txt)"));
        QCOMPARE(form->windowTitle(), pfad);
        QCOMPARE(Text(form)->toPlainText(), QStringLiteral("Bumms\nKäse\nRinder\nLicht\n"));
        QCOMPARE(Text(form)->document()->blockCount(), 5); // the last line break opens none

        const QString neu = ordner.filePath(QStringLiteral("neu.txt"));
        form->dialoge().NaechsteDatei(neu);
        Druecken(form, "TXTPflSaveButton");
        QCOMPARE(form->dialoge().LetzterFilter(), QString());
        QCOMPARE(Lesen(neu), QByteArray("Bumms\r\nK\xE4se\r\nRinder\r\nLicht\r\n"));
        QCOMPARE(form->windowTitle(), neu);

        // A UTF-8 file with umlauts is read as UTF-8.
        Schreiben(pfad, "Gr\xC3\xBC\xC3\x9F"
                        "e\nB\xC3\xA4r");
        form->dialoge().NaechsteDatei(pfad);
        Druecken(form, "TXTPflLoadButton");
        QCOMPARE(Text(form)->toPlainText(), QStringLiteral("Grüße\nBär"));
        form->dialoge().NaechsteDatei(neu);
        Druecken(form, "TXTPflSaveButton");
        QCOMPARE(Lesen(neu), QByteArray("Gr\xFC\xDF"
                                        "e\r\nB\xE4r"));
        QCOMPARE(form->dialoge().Anzahl(), 0);
    }

    void abbrechenUndFehlschlaegeLassenAllesStehen() {
        TListForm* form = Oeffnen();
        const QString text = Text(form)->toPlainText();
        form->dialoge().NaechsteDatei(QString());
        Druecken(form, "TXTPflLoadButton");
        form->dialoge().NaechsteDatei(QString());
        Druecken(form, "TXTPflSaveButton");
        QCOMPARE(form->windowTitle(), QStringLiteral("ListForm"));
        QCOMPARE(Text(form)->toPlainText(), text);

        const QString alt = ordner.filePath(QStringLiteral("alt.txt"));
        Schreiben(alt, "alt\r\n");
        Text(form)->setPlainText(QStringLiteral("Łódź"));
        form->dialoge().NaechsteAntwort(QMessageBox::Ok);
        form->dialoge().NaechsteDatei(alt);
        Druecken(form, "TXTPflSaveButton");
        QVERIFY(form->dialoge().LetzterText().contains(QStringLiteral("Ł")));
        QCOMPARE(Lesen(alt), QByteArray("alt\r\n"));
        QCOMPARE(form->windowTitle(), alt);

        form->dialoge().NaechsteAntwort(QMessageBox::Ok);
        form->dialoge().NaechsteDatei(ordner.filePath(QStringLiteral("fehlt.txt")));
        Druecken(form, "TXTPflLoadButton");
        QVERIFY(form->dialoge().LetzterText().startsWith(
            QStringLiteral("Datei %1 kann nicht geöffnet werden")
                .arg(ordner.filePath(QStringLiteral("fehlt.txt")))));
        QCOMPARE(Text(form)->toPlainText(), QStringLiteral("Łódź"));
        QCOMPARE(form->dialoge().Anzahl(), 2);
    }

    void findenWaehltDasNaechsteVorkommen() {
        TListForm* form = Oeffnen();
        QPlainTextEdit* text = Text(form);
        const QString alles = text->toPlainText();
        QStringList gefunden;
        for (int mal = 0; mal < 4; ++mal) {
            Druecken(form, "Button1");
            const QTextCursor cursor = text->textCursor();
            QCOMPARE(cursor.selectedText(), QStringLiteral("umm"));
            gefunden << cursor.block().text();
        }
        QCOMPARE(gefunden, QStringList({"Bumms", "Hummer", "Kummer", "Bumms"}));
        QCOMPARE(form->focusWidget(), text);
        QCOMPARE(text->toPlainText(), alles);

        // Exact and case-sensitive; an empty text is found nowhere.
        Kind<QLineEdit>(*form, "TXTPflSuchFeld")->setText(QStringLiteral("UMM"));
        text->setTextCursor(QTextCursor(text->document()));
        Druecken(form, "Button1");
        QVERIFY(!text->textCursor().hasSelection());
        Kind<QLineEdit>(*form, "TXTPflSuchFeld")->clear();
        Druecken(form, "Button1");
        QVERIFY(!text->textCursor().hasSelection());
    }

    void enterImSuchfeldWirdVerschluckt() {
        TListForm* form = Oeffnen();
        auto* feld = Kind<QLineEdit>(*form, "TXTPflSuchFeld");
        feld->setFocus();
        feld->end(false);
        const QString text = Text(form)->toPlainText();
        QTest::keyClick(feld, Qt::Key_S);
        QTest::keyClick(feld, Qt::Key_Return);
        QTest::keyClick(feld, Qt::Key_Enter);
        QCOMPARE(feld->text(), QStringLiteral("umms"));
        QCOMPARE(form->focusWidget(), feld);
        QVERIFY(!Text(form)->textCursor().hasSelection());
        QCOMPARE(Text(form)->toPlainText(), text);
    }
};

QUANDEL_FENSTERTEST(ListFormTest);
#include "listform_test.moc"
