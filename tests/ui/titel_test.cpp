// What the windows are called: the main window's caption holds the product, the word list in
// use and the search frame's text; every helper window keeps its own caption; the name Qt adds
// to the title of each window, which the task bar shows, stays the product's.
#include "fenstertest.h"
#include "tests/testcache.h"
#include "ui/anwendung.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace quandel::testhilfe {

class TitelTest : public FensterTest {
    Q_OBJECT

    test::TestCacheOrdner cache_;
    QTemporaryDir ordner_;

    QStringList nebentitel() {
        QStringList titel;
        for (const char* name : {"HilfeFenster", "ListForm", "AkzentMonitor", "UeberDialog"})
            titel << Kind<QWidget>(*fenster, name)->windowTitle();
        return titel;
    }

private slots:
    void initTestCase() { AnwendungEinrichten(); }

    void jedesFensterBehaeltSeinenTitel() {
        const QString liste = ordner_.filePath(QStringLiteral("gut.txt"));
        Schreiben(liste, "Seide\nWeide\n");
        fenster->dialoge().NaechsteDatei(liste);
        Kind<QAction>(*fenster, "WortbestandOeffnen1")->trigger();
        for (const char* aktion :
             {"Hauptfenster1", "Wortlistenfenster1", "Akzentmonitor1", "UeberQuandelTornar1"})
            Kind<QAction>(*fenster, aktion)->trigger();

        QString titel, anzeigename;
        QStringList nebenWaehrendDerSuche;
        connect(fenster.get(), &THauptFenster::SucheLaeuftJetzt, this, [&] {
            titel = fenster->windowTitle();
            anzeigename = QGuiApplication::applicationDisplayName();
            nebenWaehrendDerSuche = nebentitel();
        });
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(titel, QStringLiteral("Quandel Tornar v1 – gut (2 Wörter) — QBX suche eide"));
        QCOMPARE(fenster->windowTitle(),
                 QStringLiteral("Quandel Tornar v1 – gut (2 Wörter) — QBX"));
        QCOMPARE(anzeigename, QStringLiteral("Quandel Tornar"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Quandel Tornar"));
        QCOMPARE(QGuiApplication::desktopFileName(),
                 QStringLiteral("de.quandeltornar.QuandelTornar"));
        const QStringList eigene = {"Hilfe – Quandel Tornar", "ListForm", "AkzentMonitor",
                                    "Über Quandel Tornar"};
        QCOMPARE(nebenWaehrendDerSuche, eigene);
        QCOMPARE(nebentitel(), eigene);
    }
};

} // namespace quandel::testhilfe

QUANDEL_FENSTERTEST(quandel::testhilfe::TitelTest);
#include "titel_test.moc"
