// Other word lists in the window: the menu "Datei", the title, bad lists, "Abbruch".
#include "fenstertest.h"
#include "lexicon/indexcache.h"
#include "tests/testcache.h"
#include "ui/knopfpanel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <unistd.h>

namespace quandel::testhilfe {

class WortbestandFensterTest : public FensterTest {
    Q_OBJECT

    test::TestCacheOrdner cache_;
    QTemporaryDir ordner_;

    QString dateiSchreiben(const QString& name, const QByteArray& inhalt) {
        const QString pfad = ordner_.filePath(name);
        QFile datei(pfad);
        datei.open(QIODevice::WriteOnly);
        datei.write(inhalt);
        return pfad;
    }

    void oeffnen(const QString& pfad) {
        fenster->dialoge().NaechsteDatei(pfad);
        Kind<QAction>(*fenster, "WortbestandOeffnen1")->trigger();
    }

    QStringList endreim(const QString& text) {
        Tippen(*fenster, text);
        Klicken(Kind<KnopfPanel>(*fenster, "PanEnd"));
        return Zellen(*fenster);
    }

private slots:
    void eintraegeImMenueDatei() {
        auto* datei1 = Kind<QMenu>(*fenster, "Datei1");
        QVERIFY(datei1->menuAction()->isVisible());
        QVERIFY(datei1->actions().contains(Kind<QAction>(*fenster, "WortbestandOeffnen1")));
        QVERIFY(datei1->actions().contains(Kind<QAction>(*fenster, "EingebauterWortbestand1")));
    }

    void listeOeffnenUndZurueckZumEingebauten() {
        // Windows-1252, recognised as such; blanks around the lines are dropped.
        const QString pfad =
            dateiSchreiben("reime.txt", "Seide\r\n  Zeide \r\nW\xE4ide\r\nKreide\r\n\r\n");
        oeffnen(pfad);
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quandel Tornar v1 – reime (4 Wörter)"));
        QVERIFY(Eingabe(*fenster)->hasFocus()); // typing goes on in the search field
        QCOMPARE(endreim(QStringLiteral("eide")), (QStringList{"Kreide", "Seide", "Zeide"}));
        QVERIFY(endreim(QStringLiteral("de")).contains(QStringLiteral("Wäide")));
        // The second opening comes from the saved index.
        QCOMPARE(test::IndexeUndReste(cache_.IndexOrdner()), std::size_t{1});
        oeffnen(pfad);
        QCOMPARE(endreim(QStringLiteral("eide")).size(), 3);

        Kind<QAction>(*fenster, "EingebauterWortbestand1")->trigger();
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quandel Tornar v1"));
        QVERIFY(endreim(QStringLiteral("eide")).contains(QStringLiteral("Weide")));
    }

    void schlechteListeAendertNichts() {
        oeffnen(dateiSchreiben("gut.txt", "Seide\nWeide\n"));
        const QString titel = fenster->windowTitle();
        const QString pfad = dateiSchreiben("null.txt", QByteArray("Rand\nLe\0im\n", 11));
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        oeffnen(pfad);
        QCOMPARE(fenster->dialoge().LetzterText(),
                 pfad + QStringLiteral(", Zeile 2: Die Zeile enthält ein Nullbyte."));
        QCOMPARE(fenster->windowTitle(), titel);
        QCOMPARE(endreim(QStringLiteral("eide")), (QStringList{"Seide", "Weide"}));
        // After a search the title still names the stock.
        QCOMPARE(fenster->windowTitle(),
                 QStringLiteral("Quandel Tornar v1 – gut (2 Wörter) — QBX"));
        // A cancelled dialog changes nothing either.
        oeffnen(QString());
        QCOMPARE(fenster->windowTitle(),
                 QStringLiteral("Quandel Tornar v1 – gut (2 Wörter) — QBX"));
    }

    void listeOhneWortOderHalbUtf8AendertNichts_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("leer") << QByteArray()
                              << QStringLiteral("Die Wortliste %1 enthält kein Wort.");
        QTest::newRow("nur Leerzeilen")
            << QByteArray(" \r\n\t\r\n") << QStringLiteral("Die Wortliste %1 enthält kein Wort.");
        // UTF-8 but for one Latin-1 line: read as Windows-1252 it showed "BÃ¤r" without a word.
        QTest::newRow("UTF-8 mit Latin-1-Zeile")
            << QByteArray("B\xC3\xA4r\nM\xC3\xB6we\nT\xE4ler\n")
            << QStringLiteral("%1, Zeile 3: Ungültige UTF-8-Bytefolge an Byte 2.");
    }

    void listeOhneWortOderHalbUtf8AendertNichts() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        oeffnen(dateiSchreiben("gut.txt", "Seide\nWeide\n"));
        const QString pfad = dateiSchreiben("schlecht.txt", inhalt);
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        oeffnen(pfad);
        QCOMPARE(fenster->dialoge().Anzahl(), 1);
        QCOMPARE(fenster->dialoge().LetzterText(), meldung.arg(pfad));
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quandel Tornar v1 – gut (2 Wörter)"));
        QCOMPARE(endreim(QStringLiteral("eide")), (QStringList{"Seide", "Weide"}));
    }

    void abbruchLaesstDenAltenBestand() {
        QByteArray inhalt;
        for (int i = 0; i < 20000; ++i)
            inhalt += "Wort" + QByteArray::number(i) + "eide\n";
        const QString pfad = dateiSchreiben("gross.txt", inhalt);
        auto* fortschritt = Kind<QProgressBar>(*fenster, "ProgressBar1");
        connect(fortschritt, &QProgressBar::valueChanged, this, [this](int wert) {
            if (wert > 0)
                Kind<QPushButton>(*fenster, "AbbruchButton")->click();
        });
        oeffnen(pfad);
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quandel Tornar v1"));
        QCOMPARE(fenster->dialoge().Anzahl(), 0);
        QVERIFY(endreim(QStringLiteral("eide")).contains(QStringLiteral("Weide")));
        const std::string datei = pfad.toStdString();
        QVERIFY(
            !std::filesystem::exists(cache_.IndexOrdner() + "/" +
                                     IndexDateiName(*ListenKennungVon(datei, Kodierung::Utf8))));
    }

    void gekuerzterIndexGibtMeldungUndDieListeWirdNeuGelesen() {
        const QString pfad = dateiSchreiben("gekuerzt.txt", "Seide\nWeide\nKreide\n");
        oeffnen(pfad); // builds and saves the index
        oeffnen(pfad); // maps it
        const QStringList treffer{"Kreide", "Seide", "Weide"};
        QCOMPARE(endreim(QStringLiteral("eide")), treffer);
        const std::string index =
            cache_.IndexOrdner() + "/" +
            IndexDateiName(*ListenKennungVon(pfad.toStdString(), Kodierung::Utf8));
        QCOMPARE(::truncate(index.c_str(), 0), 0);

        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        QVERIFY(endreim(QStringLiteral("eide")).isEmpty());
        QCOMPARE(fenster->dialoge().Anzahl(), 1);
        QCOMPARE(fenster->dialoge().LetzterText(),
                 QStringLiteral("Die Indexdatei %1 wurde während des Gebrauchs verändert.")
                     .arg(QString::fromStdString(index)));
        // Opened again from its lines, with a whole index saved anew.
        QCOMPARE(endreim(QStringLiteral("eide")), treffer);
        QCOMPARE(fenster->dialoge().Anzahl(), 1);
        QCOMPARE(std::filesystem::file_size(index), fenster->lexikon().Abbild().size());
    }
};

} // namespace quandel::testhilfe

QUANDEL_FENSTERTEST(quandel::testhilfe::WortbestandFensterTest);
#include "wortbestand_fenster_test.moc"
