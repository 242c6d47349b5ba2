#include "fenstertest.h"

#include <QRadioButton>

using namespace quandel;
using namespace quandel::testhilfe;

// The end rhyme search as a user runs it: type into the search box, press Enter, read the grid.
class EndreimFensterTest : public FensterTest {
    Q_OBJECT

private slots:
    void eideGibtSiebenWorteVor() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(Zellen(*fenster),
                 QStringList({"beeide", "beide", "Kreide", "meide", "neide", "Seide", "Weide"}));
        QCOMPARE(Zelle(*fenster, 3, 0), QStringLiteral("meide"));
        QCOMPARE(Zelle(*fenster, 0, 1), QStringLiteral("neide"));
        QCOMPARE(Zelle(*fenster, 3, 1), QString());
        QCOMPARE(Beschriftung(*fenster, "Label2"), QStringLiteral("LastGridList 7 Zeilen 2"));
    }

    void eideGibtSiebenWorteRueck() {
        Klicken(Kind<QRadioButton>(*fenster, "RueckSort"));
        QVERIFY(Kind<QRadioButton>(*fenster, "RueckSort")->isChecked());
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        // Reversed: edieb < edieeb < ediem < edien < edierk < edies < ediew.
        QCOMPARE(Zellen(*fenster),
                 QStringList({"beide", "beeide", "meide", "neide", "Kreide", "Seide", "Weide"}));
    }

    void richtungswechselLegtNeu() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        Klicken(Kind<QRadioButton>(*fenster, "RueckSort"));
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("beide"));
        QCOMPARE(Zelle(*fenster, 1, 0), QStringLiteral("beeide"));
        // The first circle; the rest of VorSort lies under RueckSort.
        QTest::mouseClick(Kind<QRadioButton>(*fenster, "VorSort"), Qt::LeftButton, {}, {6, 6});
        QVERIFY(Kind<QRadioButton>(*fenster, "VorSort")->isChecked());
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("beeide"));
    }

    void grossgeschriebenGleich() {
        TippenUndEnter(*fenster, QStringLiteral("Eide"));
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

    void grenzwortPlusUndMinus() {
        TippenUndEnter(*fenster, QStringLiteral("eide kreide"));
        QCOMPARE(Zellen(*fenster), QStringList({"Kreide"}));
        Klicken(Kind<QRadioButton>(*fenster, "MinusRadio"));
        TippenUndEnter(*fenster, QStringLiteral("eide kreide"));
        QCOMPARE(Zellen(*fenster),
                 QStringList({"beeide", "beide", "meide", "neide", "Seide", "Weide"}));
    }

    void grossesGrenzwortGibtKeinEintrag() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        TippenUndEnter(*fenster, QStringLiteral("eide Kreide"));
        QCOMPARE(Beschriftung(*fenster, "Label1"), QStringLiteral("kein Eintrag"));
        QVERIFY(Zellen(*fenster).isEmpty());
        // The hits of the search before stay in LastGridList for a change of direction.
        Klicken(Kind<QRadioButton>(*fenster, "RueckSort"));
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

    void leeresGrenzwort() {
        TippenUndEnter(*fenster, QStringLiteral("eide,,x"));
        QCOMPARE(Zellen(*fenster).size(), 7);
        Klicken(Kind<QRadioButton>(*fenster, "MinusRadio"));
        TippenUndEnter(*fenster, QStringLiteral("eide,,x"));
        QVERIFY(Zellen(*fenster).isEmpty());
        QCOMPARE(Beschriftung(*fenster, "Label1"), QStringLiteral("kein Eintrag"));
    }

    void zitierteWendung() {
        TippenUndEnter(*fenster, QStringLiteral("\"vor allem\""));
        QCOMPARE(Zellen(*fenster), QStringList({"vor allem"}));
    }

    void nurLeerzeichenSuchtNichts() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        TippenUndEnter(*fenster, QStringLiteral("   "));
        QVERIFY(Zellen(*fenster).isEmpty());
        QVERIFY(Beschriftung(*fenster, "Label1") != QStringLiteral("kein Eintrag"));
        QCOMPARE(fenster->dialoge().Anzahl(), 0);
    }

    void umlautGrossbuchstabe() {
        TippenUndEnter(*fenster, QStringLiteral("Äude"));
        QCOMPARE(Zellen(*fenster), QStringList({"Gebäude", "Räude"}));
    }
};

QUANDEL_FENSTERTEST(EndreimFensterTest);
#include "endreim_fenster_test.moc"
