#include "fenstertest.h"
#include "ui/knopfpanel.h"

#include <QAction>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using namespace quandel;
using namespace quandel::testhilfe;

namespace {

QList<QStringList> Reihen(THauptFenster& fenster) {
    QList<QStringList> reihen;
    const QStringList zellen = Zellen(fenster);
    for (int i = 0; i + 4 <= zellen.size(); i += 4)
        reihen << zellen.mid(i, 4);
    return reihen;
}

} // namespace

// The spoonerism from the window: rows of four, progress bar, duration, abort.
class SchuettelFensterTest : public FensterTest {
    Q_OBJECT

private slots:
    void reimGibtRandLeimLandReim() {
        Tippen(*fenster, QStringLiteral("Reim"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanSchuett"));
        const QList<QStringList> reihen = Reihen(*fenster);
        QVERIFY(reihen.contains(QStringList({"Reim", "Land", "Leim", "Rand"})));
        QCOMPARE(Zellen(*fenster).size() % 4, 0);
        for (const QStringList& reihe : reihen)
            QCOMPARE(reihe.first(), QStringLiteral("Reim"));
        QVERIFY(!Kind<QRadioButton>(*fenster, "VorSort")->isEnabled());
        QVERIFY(!Kind<QRadioButton>(*fenster, "RueckSort")->isEnabled());
        const QString dauer = Beschriftung(*fenster, "SuchZeit");
        QVERIFY2(dauer.startsWith(QStringLiteral("Suchdauer = Std 0 - Min 0 - Sek ")),
                 qPrintable(dauer));
        auto* fortschritt = Kind<QProgressBar>(*fenster, "ProgressBar1");
        QCOMPARE(fortschritt->value(), 0);
        QCOMPARE(fortschritt->text(), dauer);
    }

    void reihenWerdenNieUmsortiert() {
        Tippen(*fenster, QStringLiteral("Reim"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanSchuett"));
        const QStringList vorher = Zellen(*fenster);
        Kind<QAction>(*fenster, "RueckM")->trigger();
        QCOMPARE(Zellen(*fenster), vorher);
        Kind<QAction>(*fenster, "VorM")->trigger();
        QCOMPARE(Zellen(*fenster), vorher);
    }

    void enterWiederholtSchuettelreim() {
        Tippen(*fenster, QStringLiteral("Reim"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanSchuett"));
        TippenUndEnter(*fenster, QStringLiteral("Schw ein"));
        const QList<QStringList> reihen = Reihen(*fenster);
        QVERIFY(!reihen.isEmpty());
        for (const QStringList& reihe : reihen)
            QCOMPARE(reihe.first(), QStringLiteral("Schwein"));
    }

    void abbruchBehaeltDieBisherigenReihen() {
        auto* fortschritt = Kind<QProgressBar>(*fenster, "ProgressBar1");
        int stand = -1;
        int gesamt = 0;
        connect(fortschritt, &QProgressBar::valueChanged, this, [&](int wert) {
            if (stand < 0 && wert > 0) {
                stand = wert;
                gesamt = fortschritt->maximum();
                Klicken(Kind<QPushButton>(*fenster, "AbbruchButton"));
            }
        });
        Tippen(*fenster, QStringLiteral("s e"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanSchuett"));
        QVERIFY(stand > 0);
        QVERIFY(stand < gesamt);
        QCOMPARE(Beschriftung(*fenster, "SuchZeit"), QStringLiteral("Suchdauer = Abgebrochen"));
        QCOMPARE(fortschritt->text(), QStringLiteral("Suchdauer = Abgebrochen"));
        QCOMPARE(Zellen(*fenster).size() % 4, 0);
    }

    void schliessenBrichtAbUndSchliesstSofort() {
        auto* fortschritt = Kind<QProgressBar>(*fenster, "ProgressBar1");
        bool offen = true;
        int stand = -1;
        int weiter = 0;
        connect(fortschritt, &QProgressBar::valueChanged, this, [&](int wert) {
            if (stand < 0 && wert > 0) {
                stand = wert;
                fenster->close();
                offen = fenster->isVisible();
            } else if (stand > 0 && wert > stand) {
                ++weiter;
            }
        });
        Tippen(*fenster, QStringLiteral("s e"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanSchuett"));
        QVERIFY(stand > 0);
        QVERIFY(!offen);
        QCOMPARE(weiter, 0); // the pairing went no further
        QCoreApplication::processEvents();
        QVERIFY(!fenster->isVisible());
    }

    void einZeichenGibtKeinEintrag() {
        Tippen(*fenster, QStringLiteral("R"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanSchuett"));
        QCOMPARE(Beschriftung(*fenster, "Label1"), QStringLiteral("kein Eintrag"));
        QVERIFY(Zellen(*fenster).isEmpty());
    }
};

QUANDEL_FENSTERTEST(SchuettelFensterTest);
#include "schuettel_fenster_test.moc"
