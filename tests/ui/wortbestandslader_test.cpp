// The word stock of the window without the window: loading, refusing, stopping, renewing.
#include "fenstertest.h"
#include "search/suchkontext.h"
#include "tests/testcache.h"
#include "ui/wortbestandslader.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace quandel {

class WortbestandsLaderTest : public QObject {
    Q_OBJECT

    test::TestCacheOrdner cache_;
    QTemporaryDir ordner_;
    Lautersetzung lautersetzung_{VorgabeLautgruppen(), "der Vorgabe"};

    QString dateiSchreiben(const QString& name, const QByteArray& inhalt) {
        const QString pfad = ordner_.filePath(name);
        testhilfe::Schreiben(pfad, inhalt);
        return pfad;
    }

private slots:
    void listeLadenUndVerweigern() {
        WortbestandsLader lader;
        SuchKontext kontext(lader.lexikon(), lautersetzung_);
        QSignalSpy gewechselt(&lader, &WortbestandsLader::Gewechselt);
        QSignalSpy fehler(&lader, &WortbestandsLader::Fehler);
        QVERIFY(lader.ListeLaden(dateiSchreiben("reime.txt", "Seide\nWeide\nKreide\n"), "a,e,i",
                                 kontext));
        QCOMPARE(lader.Zusatz(), QStringLiteral(" – reime (3 Wörter)"));
        QCOMPARE(gewechselt.count(), 1);
        // The search context reads the new stock through the same lexicon object.
        QCOMPARE(&kontext.lexikon(), &lader.lexikon());
        QCOMPARE(kontext.lexikon().Wortbestand().size(), std::size_t{3});

        const QString leer = dateiSchreiben("leer.txt", "\n");
        QVERIFY(!lader.ListeLaden(leer, "a,e,i", kontext));
        QCOMPARE(fehler.count(), 1);
        QCOMPARE(fehler.at(0).at(0).toString(),
                 QStringLiteral("Die Wortliste %1 enthält kein Wort.").arg(leer));
        QCOMPARE(lader.Zusatz(), QStringLiteral(" – reime (3 Wörter)"));
        QCOMPARE(gewechselt.count(), 1);
    }

    void abbruchLaesstDenAltenBestandUndSenktDieFlagge() {
        WortbestandsLader lader;
        SuchKontext kontext(lader.lexikon(), lautersetzung_);
        lader.ListeLaden(dateiSchreiben("eins.txt", "Wort\n"), "a,e,i", kontext);
        QByteArray gross;
        for (int i = 0; i < 20000; ++i)
            gross += "Wort" + QByteArray::number(i) + "eide\n";
        connect(&lader, &WortbestandsLader::Fortschritt, this, [&kontext](int prozent) {
            if (prozent > 0)
                kontext.AbbruchFlag = true;
        });
        QVERIFY(!lader.ListeLaden(dateiSchreiben("gross.txt", gross), "a,e,i", kontext));
        QCOMPARE(lader.Zusatz(), QStringLiteral(" – eins (1 Wort)"));
        QVERIFY(!kontext.AbbruchFlag);
    }

    void erneuernOhneListeGibtDenEingebautenBestand() {
        WortbestandsLader lader;
        SuchKontext kontext(lader.lexikon(), lautersetzung_);
        QSignalSpy fehler(&lader, &WortbestandsLader::Fehler);
        const QString pfad = dateiSchreiben("weg.txt", "Seide\nWeide\n");
        QVERIFY(lader.ListeLaden(pfad, "a,e,i", kontext));
        QVERIFY(QFile::remove(pfad));
        lader.Erneuern("a,e,i", kontext);
        QCOMPARE(fehler.count(), 1); // the list that is gone
        QVERIFY(fehler.at(0).at(0).toString().contains(pfad));
        QCOMPARE(lader.Zusatz(), QString());
        QVERIFY(lader.lexikon().Wortbestand().IndexVon("Kreide"));
    }
};

} // namespace quandel

QUANDEL_FENSTERTEST(quandel::WortbestandsLaderTest);
#include "wortbestandslader_test.moc"
