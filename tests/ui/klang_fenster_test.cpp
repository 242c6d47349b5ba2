#include "fenstertest.h"
#include "ui/knopfpanel.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace quandel;
using namespace quandel::testhilfe;

// The search by sound in the window: its panel, menu entry, switches and tooltips.
class KlangFensterTest : public FensterTest {
    Q_OBJECT

private slots:
    void panelImFreienPlatzDerOberenZeile() {
        auto* panel = Kind<KnopfPanel>(*fenster, "PanKlang");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->text(), QStringLiteral("Klang"));
        QCOMPARE(panel->geometry(), QRect(300, 8, 46, 18));
        QCOMPARE(fenster->width(), 424);
        for (const char* name : {"VokalFeld", "BrowserKnopf", "SpeedButton1", "Animate1", "PanEnd",
                                 "PlusMinusPan", "AbbruchButton", "SuchEingabe"})
            QVERIFY2(!Kind<QWidget>(*fenster, name)->geometry().intersects(panel->geometry()),
                     name);
    }

    void klickSuchtNachDemKlang() {
        Tippen(*fenster, QStringLiteral("Station"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanKlang"));
        const QStringList zellen = Zellen(*fenster);
        QVERIFY(zellen.contains(QStringLiteral("Sohn")));
        QVERIFY(zellen.contains(QStringLiteral("Nation")));
        QVERIFY(!zellen.contains(QStringLiteral("Station")));
        // Recorded in the history in the panel's own colour.
        auto* historie = Kind<QListWidget>(*fenster, "BrowseListBox");
        QCOMPARE(historie->item(historie->count() - 1)->text(), QStringLiteral("Station"));
        const QColor farbe = Kind<KnopfPanel>(*fenster, "PanKlang")->Farbe();
        QCOMPARE(historie->item(historie->count() - 1)->background().color(), farbe);
        for (const char* panel : {"PanEnd", "PanLied", "PanSchuett", "PanStab"})
            QVERIFY(Kind<KnopfPanel>(*fenster, panel)->Farbe() != farbe);
    }

    void enterWiederholtDieKlangsuche() {
        Tippen(*fenster, QStringLiteral("Station"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanKlang"));
        // The end rhyme of "Rost" would find Trost; the sound search does not.
        TippenUndEnter(*fenster, QStringLiteral("Rost"));
        const QStringList zellen = Zellen(*fenster);
        QVERIFY(zellen.contains(QStringLiteral("Frost")));
        QVERIFY(!zellen.contains(QStringLiteral("Trost")));
    }

    void abbruchVorDerSucheHaeltSieNichtAuf() {
        // "Abbruch" stops a running search by sound; clicked before, it stops none.
        Tippen(*fenster, QStringLiteral("Haus"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanKlang"));
        QVERIFY(Zellen(*fenster).contains(QStringLiteral("Maus")));
        Klicken(Kind<QPushButton>(*fenster, "AbbruchButton"));
        Tippen(*fenster, QStringLiteral("Station"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanKlang"));
        QVERIFY(Zellen(*fenster).contains(QStringLiteral("Nation")));
    }

    void menueeintragMitTaste() {
        QAction* klangreim = Aktion(*fenster, "Klangreim1");
        QCOMPARE(klangreim->text(), QStringLiteral("&Klangreim"));
        QCOMPARE(klangreim->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
        QVERIFY(Kind<QMenu>(*fenster, "hallo1")->actions().contains(klangreim));
        Tippen(*fenster, QStringLiteral("Geist eist"));
        klangreim->trigger();
        // Common words first: the pure rhymes by rank, then the longer ones.
        QCOMPARE(Zellen(*fenster),
                 (QStringList{"meist", "weist", "seist", "reist", "beweist", "gereist"}));
    }

    void schalterImMenueAusgabe() {
        QAction* unrein = Aktion(*fenster, "UnreinM");
        QAction* zweisilbig = Aktion(*fenster, "ZweisilbigM");
        QCOMPARE(unrein->text(), QStringLiteral("&unreine Reime"));
        QCOMPARE(zweisilbig->text(), QStringLiteral("&zweisilbig"));
        const QList<QAction*> ausgabe = Kind<QMenu>(*fenster, "Ausgabe1")->actions();
        QVERIFY(ausgabe.contains(unrein) && ausgabe.contains(zweisilbig));
        QVERIFY(!unrein->isChecked() && !zweisilbig->isChecked());

        Tippen(*fenster, QStringLiteral("Freude"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanKlang"));
        QVERIFY(!Zellen(*fenster).contains(QStringLiteral("Kreide")));
        unrein->trigger();
        QVERIFY(unrein->isChecked());
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Return);
        QVERIFY(Zellen(*fenster).contains(QStringLiteral("Kreide")));
        unrein->trigger();

        zweisilbig->trigger();
        TippenUndEnter(*fenster, QStringLiteral("Station"));
        const QStringList zellen = Zellen(*fenster);
        QVERIFY(zellen.contains(QStringLiteral("Nation")));
        QVERIFY(!zellen.contains(QStringLiteral("Sohn")));
    }

    void tooltipZeigtAusspracheUndSilben() {
        Tippen(*fenster, QStringLiteral("Geist eist"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanKlang"));
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("meist"));
        QCOMPARE(Tooltip(*fenster, 0, 0), QStringLiteral("[ˈmaɪst] 1 Silbe (X), reiner Reim"));
        QCOMPARE(Zelle(*fenster, 0, 1), QStringLiteral("beweist"));
        QCOMPARE(Tooltip(*fenster, 0, 1), QStringLiteral("[bəˈvaɪst] 2 Silben (xX), reiner Reim"));
        QCOMPARE(Tooltip(*fenster, 0, 5), QString()); // an empty cell

        // The hits of other searches carry no pronunciation.
        Tippen(*fenster, QStringLiteral("eide"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanEnd"));
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("beeide"));
        QCOMPARE(Tooltip(*fenster, 0, 0), QString());
    }
};

QUANDEL_FENSTERTEST(KlangFensterTest);
#include "klang_fenster_test.moc"
