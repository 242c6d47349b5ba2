// Quitting: "Beenden", Ctrl+Q and the close button end the program at once, even in the middle
// of a build or a search, and leave no window behind.
#include "fenstertest.h"
#include "tests/testcache.h"
#include "ui/anwendung.h"
#include "ui/knopfpanel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>

namespace quandel::testhilfe {

class BeendenTest : public FensterTest {
    Q_OBJECT

    test::TestCacheOrdner cache_;
    QTemporaryDir ordner_;

    // A list whose build takes long enough to be interrupted.
    QString grosseListe() {
        const QString pfad = ordner_.filePath(QStringLiteral("gross.txt"));
        QFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly))
            return {};
        for (int i = 0; i < 300000; ++i)
            datei.write("Wort" + QByteArray::number(i) + "eide\n");
        return pfad;
    }

    // Runs the application's event loop with `anfang` as its first event, as the program
    // runs; returns the loop's exit code, or -1 if it had not ended after half a minute.
    static int Ereignisschleife(const std::function<void()>& anfang) {
        QTimer wache;
        wache.setSingleShot(true);
        connect(&wache, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        wache.start(30000);
        QTimer::singleShot(0, anfang);
        return QApplication::exec();
    }

    static QStringList sichtbareFenster() {
        QStringList namen;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                namen << widget->objectName();
        return namen;
    }

    // The helper windows a user may have open: help, the word list window, the accent
    // monitor.
    void nebenfensterOeffnen() {
        Kind<QAction>(*fenster, "Hauptfenster1")->trigger();
        Kind<QAction>(*fenster, "Wortlistenfenster1")->trigger();
        Kind<QAction>(*fenster, "Akzentmonitor1")->trigger();
        QCOMPARE(sichtbareFenster().size(), 4);
    }

    // The window shown again takes searches as before: nothing left over from the quit closes
    // it later.
    void spaeterSchliesstNichts() {
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCoreApplication::processEvents();
        QVERIFY(fenster->isVisible());
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

private slots:
    void initTestCase() { AnwendungEinrichten(); }

    void beendenWaehrendDesAufbaus() {
        nebenfensterOeffnen();
        const QString pfad = grosseListe();
        // "Beenden" is chosen while the build hands control to the event loop.
        auto* beenden = Kind<QAction>(*fenster, "Beenden1");
        auto* fortschritt = Kind<QProgressBar>(*fenster, "ProgressBar1");
        bool gewaehlt = false;
        connect(fortschritt, &QProgressBar::valueChanged, this, [&](int wert) {
            if (wert > 0 && !std::exchange(gewaehlt, true))
                QTimer::singleShot(0, beenden, &QAction::trigger);
        });
        const int ende = Ereignisschleife([&] {
            fenster->dialoge().NaechsteDatei(pfad);
            Kind<QAction>(*fenster, "WortbestandOeffnen1")->trigger();
        });
        QVERIFY(gewaehlt);
        QCOMPARE(ende, 0);
        QCOMPARE(sichtbareFenster(), QStringList());
        // The build stopped: the old stock stays and no index was written.
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quandel Tornar v1"));
        QVERIFY(std::filesystem::is_empty(cache_.pfad()));
        spaeterSchliesstNichts();
    }

    void schliessenWaehrendEinerSuche() {
        nebenfensterOeffnen();
        bool offenWaehrendDerSuche = true;
        connect(fenster.get(), &THauptFenster::SucheLaeuftJetzt, this, [&] {
            fenster->close();
            offenWaehrendDerSuche = fenster->isVisible();
        });
        const int ende =
            Ereignisschleife([&] { TippenUndEnter(*fenster, QStringLiteral("eide")); });
        QCOMPARE(ende, 0);
        QVERIFY(!offenWaehrendDerSuche);
        QCOMPARE(sichtbareFenster(), QStringList());
        QCOMPARE(fenster->dialoge().Anzahl(), 0);
        disconnect(fenster.get(), &THauptFenster::SucheLaeuftJetzt, this, nullptr);
        spaeterSchliesstNichts();
    }

    void nurDasHauptfensterEntscheidet() {
        nebenfensterOeffnen();
        bool nachNebenfensternOffen = false;
        const int ende = Ereignisschleife([&] {
            for (const char* name : {"HilfeFenster", "ListForm", "AkzentMonitor"})
                Kind<QWidget>(*fenster, name)->close();
            QTimer::singleShot(0, fenster.get(), [&] {
                nachNebenfensternOffen = fenster->isVisible();
                Kind<QAction>(*fenster, "Beenden1")->trigger();
            });
        });
        QCOMPARE(ende, 0);
        QVERIFY(nachNebenfensternOffen);
        QCOMPARE(sichtbareFenster(), QStringList());
    }

    void keinNebenfensterHaeltDasProgramm() {
        // The desktop may ask the program itself to quit (Qt then closes every window first):
        // no helper window may refuse.
        nebenfensterOeffnen();
        QCOMPARE(Ereignisschleife([] { QCoreApplication::quit(); }), 0);
        QCOMPARE(sichtbareFenster(), QStringList());
    }
};

} // namespace quandel::testhilfe

QUANDEL_FENSTERTEST(quandel::testhilfe::BeendenTest);
#include "beenden_test.moc"
