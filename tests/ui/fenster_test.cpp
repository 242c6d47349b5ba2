#include "fenstertest.h"
#include "ui/knopfpanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

using namespace quandel;
using namespace quandel::testhilfe;

// The window itself: its controls as laid out at start, the menu, help and the maximise rule.
class HauptfensterTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        fenster = FensterZeigen();
        QVERIFY(fenster);
    }
    void cleanup() {
        fenster.reset();
        QDir::setCurrent(startOrdner);
    }

    void steuerelementeAmPlatz_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("platz");
        QTest::newRow("VokalFeld") << "VokalFeld" << QRect(3, 8, 175, 21);
        QTest::newRow("BrowserKnopf") << "BrowserKnopf" << QRect(226, 6, 47, 15);
        QTest::newRow("SpeedButton1") << "SpeedButton1" << QRect(273, 7, 17, 14);
        QTest::newRow("Animate1") << "Animate1" << QRect(393, 6, 11, 12);
        QTest::newRow("PanEnd") << "PanEnd" << QRect(2, 31, 43, 18);
        QTest::newRow("PanLied") << "PanLied" << QRect(47, 31, 43, 18);
        QTest::newRow("PanSchuett") << "PanSchuett" << QRect(91, 31, 60, 18);
        QTest::newRow("ABCRichtung") << "ABCRichtung" << QRect(154, 31, 90, 18);
        QTest::newRow("VorSort") << "VorSort" << QRect(2, 3, 51, 12);
        QTest::newRow("RueckSort") << "RueckSort" << QRect(14, 3, 68, 12);
        QTest::newRow("ZeigAkzente") << "ZeigAkzente" << QRect(248, 31, 56, 18);
        QTest::newRow("Akzentuirung") << "Akzentuirung" << QRect(249, 34, 9, 12);
        QTest::newRow("PlusMinusPan") << "PlusMinusPan" << QRect(308, 31, 50, 18);
        QTest::newRow("PlusRadio") << "PlusRadio" << QRect(4, 4, 23, 12);
        QTest::newRow("MinusRadio") << "MinusRadio" << QRect(26, 4, 20, 12);
        QTest::newRow("AbbruchButton") << "AbbruchButton" << QRect(361, 31, 52, 18);
        QTest::newRow("SuchEingabe") << "SuchEingabe" << QRect(2, 52, 414, 23);
        QTest::newRow("StringGrid1") << "StringGrid1" << QRect(2, 75, 414, 333);
        QTest::newRow("ProgressBar1") << "ProgressBar1" << QRect(0, 408, 424, 14);
    }

    void steuerelementeAmPlatz() {
        QFETCH(QString, name);
        QFETCH(QRect, platz);
        auto* widget = Kind<QWidget>(*fenster, qPrintable(name));
        QCOMPARE(widget->geometry(), platz);
        QVERIFY(widget->isVisible());
    }

    void fensterUndVorgaben() {
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quandel Tornar v1"));
        QCOMPARE(fenster->maximumWidth(), 424);
        QCOMPARE(fenster->width(), 424);
        QCOMPARE(Kind<QLineEdit>(*fenster, "VokalFeld")->text(), QStringLiteral("a,e,i,o,u,ä,ö,ü"));
        QVERIFY(Kind<QRadioButton>(*fenster, "VorSort")->isChecked());
        QVERIFY(Kind<QRadioButton>(*fenster, "PlusRadio")->isChecked());
        QVERIFY(!Kind<QCheckBox>(*fenster, "Akzentuirung")->isChecked());
        QCOMPARE(Kind<KnopfPanel>(*fenster, "PanEnd")->text(), QStringLiteral("End"));
        QCOMPARE(Kind<KnopfPanel>(*fenster, "PanSchuett")->text(), QStringLiteral("Schüttel"));
        QCOMPARE(Kind<KnopfPanel>(*fenster, "PanEnd")->toolTip(), QStringLiteral("... xyz"));
        QCOMPARE(Kind<KnopfPanel>(*fenster, "PanSchuett")->toolTip(), QStringLiteral("xyz"));
        QCOMPARE(Kind<KnopfPanel>(*fenster, "PanStab")->toolTip(), QStringLiteral("xyz ..."));
        QCOMPARE(Kind<QPushButton>(*fenster, "AbbruchButton")->text(), QStringLiteral("Abbruch"));
        QCOMPARE(Kind<QRadioButton>(*fenster, "RueckSort")->text(), QStringLiteral("Vor/Rueck"));
        QCOMPARE(Kind<QWidget>(*fenster, "SuchEingabe")->font().pixelSize(), 12);
        QVERIFY(Kind<QWidget>(*fenster, "SuchEingabe")->font().bold());
        QCOMPARE(Kind<QWidget>(*fenster, "PanEnd")->font().pixelSize(), 11);
        QCOMPARE(Kind<QWidget>(*fenster, "RueckSort")->font().pixelSize(), 9);
        QCOMPARE(Kind<QLineEdit>(*fenster, "VokalFeld")->palette().color(QPalette::Base),
                 QColor(156, 187, 220));
        for (const char* verborgen :
             {"PanStab", "SuchZeit", "Label1", "Label2", "Label3", "BrowseListBox"})
            QVERIFY2(!Kind<QWidget>(*fenster, verborgen)->isVisible(), verborgen);
    }

    void vorgegebeneSucheintraege() {
        QStringList eintraege;
        for (int i = 0; i < Eingabe(*fenster)->count(); ++i)
            eintraege << Eingabe(*fenster)->itemText(i);
        QCOMPARE(eintraege, QStringList({"ne",      "ên",      "án",       "",         "",
                                         "",        "st erbe", "H emd",    "st emmt",  "Ahorn",
                                         "Pe",      "er",      "Liese",    "Peter",    "Schw ein",
                                         "Kutsche", "Rinder",  "Dr ucker", "Schr ank", "Licht"}));
    }

    void menue() {
        auto* leiste = Kind<QMenuBar>(*fenster, "QBXMMenu");
        QStringList sichtbar;
        for (QAction* menue : leiste->actions())
            if (menue->isVisible())
                sichtbar << menue->text();
        QCOMPARE(sichtbar,
                 QStringList({"&Datei", "&Suchstart", "&Akzentfunktionen", "A&usgabe", "&Hilfe"}));
        QVERIFY(!Kind<QMenu>(*fenster, "Datein1")->menuAction()->isVisible());
        QVERIFY(!Kind<QAction>(*fenster, "WorteHM")->isVisible());
        QVERIFY(!Kind<QAction>(*fenster, "Stabreim1")->isVisible());
        QStringList suchstart;
        for (QAction* eintrag : Kind<QMenu>(*fenster, "hallo1")->actions())
            if (eintrag->isVisible())
                suchstart << eintrag->text();
        QCOMPARE(suchstart, QStringList({"&Endreim", "&Liedreim", "&Schüttelreim", "&Klangreim",
                                         "Sinn&verwandt"}));
    }

    void tastenImMenue() {
        auto* beenden = Kind<QAction>(*fenster, "Beenden1");
        QCOMPARE(beenden->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(Kind<QAction>(*fenster, "Hauptfenster1")->shortcut(), QKeySequence(Qt::Key_F1));
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!fenster->isVisible());
        QVERIFY(!fenster->lexikon().Aufgebaut()); // closed the regular way
    }

    void programmsymbol() {
        const QIcon symbol = fenster->windowIcon();
        QVERIFY(!symbol.isNull());
        // Sharp at every scale: a picture of its own up to 256 pixels.
        QCOMPARE(symbol.availableSizes().size(), 8);
        QCOMPARE(symbol.availableSizes().constLast(), QSize(256, 256));
        QCOMPARE(Kind<QWidget>(*fenster, "HilfeFenster")->windowIcon().cacheKey(),
                 symbol.cacheKey());
    }

    void ueberQuandelTornar() {
        QStringList hilfe;
        for (QAction* eintrag : Kind<QMenu>(*fenster, "Hilfe1")->actions())
            hilfe << eintrag->text();
        QCOMPARE(hilfe.constLast(), QStringLiteral("Ü&ber Quandel Tornar"));
        Kind<QAction>(*fenster, "UeberQuandelTornar1")->trigger();
        auto* dialog = Kind<QDialog>(*fenster, "UeberDialog");
        QVERIFY(dialog->isVisible());
        const QString kopf = Kind<QLabel>(*fenster, "UeberText")->text();
        QVERIFY(kopf.contains(QStringLiteral("Quandel Tornar " QUANDEL_VERSION)));
        QVERIFY(kopf.contains(QStringLiteral("GPL-3.0-or-later")));
        // The licence notice and the origin of the data in German; the licence texts
        // themselves in their binding English wording.
        QVERIFY(kopf.contains(QStringLiteral("Dieses Programm ist freie Software")));
        QVERIFY(kopf.contains(QStringLiteral("OHNE JEDE GEWÄHRLEISTUNG")));
        const QString quellen = Kind<QTextBrowser>(*fenster, "UeberQuellen")->toPlainText();
        QVERIFY(quellen.contains(QStringLiteral("@zxcvbn-ts/language-de")));
        QVERIFY(quellen.contains(QStringLiteral("wngerman")));
        QVERIFY(quellen.contains(QStringLiteral("Björn Jacke")));
        QVERIFY(quellen.contains(QStringLiteral("Herkunft und Lizenzen der mitgelieferten Daten")));
        QVERIFY(quellen.contains(QStringLiteral("Verwendet für:")));
        QVERIFY(!quellen.contains(QStringLiteral("Used for")));
        QVERIFY(quellen.contains(QStringLiteral("Permission is hereby granted")));
        // The frequency data with the notice its licence asks to keep, the word classes and
        // the synonyms.
        QVERIFY(quellen.contains(QStringLiteral("OpenSubtitles 2024")));
        QVERIFY(quellen.contains(QStringLiteral("ODC-BY")));
        QVERIFY(quellen.contains(QStringLiteral("Any redistribution of this package must retain "
                                                "this notice.")));
        QVERIFY(quellen.contains(QStringLiteral("Ding (Debian-Paket trans-de-en")));
        QVERIFY(quellen.contains(QStringLiteral("Frank Richter")));
        QVERIFY(quellen.contains(QStringLiteral("OpenThesaurus (Debian-Paket")));
        QVERIFY(quellen.contains(QStringLiteral("LGPL-2.1+")));
        dialog->reject();
    }

    void menueSuchstartWieKlick() {
        Tippen(*fenster, QStringLiteral("eide"));
        Kind<QAction>(*fenster, "N1")->trigger();
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

    void akzentMenue() {
        auto* akzentuirung = Kind<QCheckBox>(*fenster, "Akzentuirung");
        auto* akzentM = Kind<QAction>(*fenster, "AkzentM");
        akzentM->trigger();
        QVERIFY(akzentuirung->isChecked());
        QVERIFY(akzentM->isChecked());
        Klicken(akzentuirung);
        QVERIFY(!akzentuirung->isChecked());
        auto* menue = Kind<QMenu>(*fenster, "Akzentfunktionen1");
        menue->popup(fenster->mapToGlobal(QPoint(0, 0)));
        QVERIFY(!akzentM->isChecked());
        menue->hide();
    }

    void akzentKnopfWechselt() {
        // Every second press hides the accent monitor and the history list with it.
        auto* liste = Kind<QListWidget>(*fenster, "BrowseListBox");
        auto* monitor = Kind<QWidget>(*fenster, "AkzentMonitor");
        auto* knopf = Kind<QPushButton>(*fenster, "ZeigAkzente");
        Klicken(knopf);
        QVERIFY(monitor->isVisible());
        Klicken(Kind<QToolButton>(*fenster, "SpeedButton1"));
        QVERIFY(liste->isVisible());
        Klicken(knopf);
        QVERIFY(!monitor->isVisible());
        QVERIFY(!liste->isVisible());
        Kind<QAction>(*fenster, "Akzentmonitor1")->trigger();
        QVERIFY(monitor->isVisible());
        Klicken(Kind<QToolButton>(*fenster, "SpeedButton1"));
        QVERIFY(liste->isVisible());
        Kind<QAction>(*fenster, "Akzentmonitor1")->trigger();
        QVERIFY(!monitor->isVisible());
        QVERIFY(!liste->isVisible());
    }

    void maximierenStrecktNur() {
        QTemporaryDir ordner;
        QVERIFY(QFile::copy(QStringLiteral(WASSERBILD), ordner.filePath("WasserVergroess2.bmp")));
        QDir::setCurrent(ordner.path());
        const QRect vorher = fenster->geometry();
        const QRect frei = fenster->screen()->availableGeometry();
        for (int mal = 0; mal < 2; ++mal) {
            fenster->showMaximized();
            QCoreApplication::processEvents();
            QVERIFY(!fenster->isMaximized());
            QCOMPARE(fenster->frameGeometry().top(), 0);
            QCOMPARE(fenster->frameGeometry().bottom(), frei.bottom());
            QCOMPARE(fenster->geometry().left(), vorher.left());
            QCOMPARE(fenster->width(), vorher.width());
        }
        auto* bild = Kind<QLabel>(*fenster, "WasserBild");
        QVERIFY(bild->isVisible());
        QCOMPARE(bild->pos(), QPoint(fenster->width() - 40, 6));
        QCOMPARE(bild->pixmap().size(), QSize(32, 16));
        QCOMPARE(fenster->dialoge().Anzahl(), 0);

        // Resized or moved from there, the window loses the picture.
        fenster->resize(fenster->width(), fenster->height() - 50);
        QVERIFY(!bild->isVisible());
        fenster->showMaximized();
        QCoreApplication::processEvents();
        QVERIFY(bild->isVisible());
        fenster->move(fenster->x(), fenster->y() + 20);
        QVERIFY(!bild->isVisible());
    }

    void maximierenMitInstalliertemBild() {
        // Installed, the picture lives in share/quandel-tornar beside bin/.
        QDir daten(QCoreApplication::applicationDirPath());
        QVERIFY(daten.mkpath(QStringLiteral(QUANDEL_DATENORDNER)));
        QVERIFY(daten.cd(QStringLiteral(QUANDEL_DATENORDNER)));
        const QString bildDatei = daten.filePath(QStringLiteral("WasserVergroess2.bmp"));
        QFile::remove(bildDatei);
        QVERIFY(QFile::copy(QStringLiteral(WASSERBILD), bildDatei));
        QTemporaryDir leer;
        QDir::setCurrent(leer.path());
        fenster->setWindowState(Qt::WindowMaximized);
        QCoreApplication::processEvents();
        QFile::remove(bildDatei);
        daten.rmdir(daten.path());
        QCOMPARE(fenster->dialoge().Anzahl(), 0);
        QVERIFY(Kind<QLabel>(*fenster, "WasserBild")->isVisible());
    }

    void maximierenOhneBild() {
        QTemporaryDir leer;
        QDir::setCurrent(leer.path());
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        fenster->setWindowState(Qt::WindowMaximized);
        QCoreApplication::processEvents();
        QVERIFY(!fenster->isMaximized());
        QCOMPARE(fenster->frameGeometry().top(), 0);
        QCOMPARE(fenster->dialoge().Anzahl(), 1);
        QCOMPARE(fenster->dialoge().LetzterText(),
                 QStringLiteral("Datei WasserVergroess2.bmp kann nicht geöffnet werden"));
    }

    void hilfeSeiten() {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QTest::keyClick(Eingabe(*fenster), Qt::Key_F1);
        auto* hilfe = Kind<QWidget>(*fenster, "HilfeFenster");
        auto* text = Kind<QTextBrowser>(*fenster, "HilfeText");
        QVERIFY(hilfe->isVisible());
        QVERIFY(text->source().toString().endsWith(QStringLiteral("Das_Hauptfenster.html")));
        QVERIFY(text->toPlainText().contains(QStringLiteral("Endreim")));

        Kind<QAction>(*fenster, "Akzentfenster1")->trigger();
        QVERIFY(text->toPlainText().contains(QStringLiteral("Lautgruppen")));
        Kind<QAction>(*fenster, "HaftungUndLizenz1")->trigger();
        QVERIFY(text->toPlainText().contains(QStringLiteral("GPL-3.0-or-later")));
        QVERIFY(text->toPlainText().contains(QStringLiteral("ohne jede Gewährleistung")));
        Kind<QAction>(*fenster, "Hauptfenster1")->trigger();
        QVERIFY(text->source().toString().endsWith(QStringLiteral("Das_Hauptfenster.html")));
    }

private:
    std::unique_ptr<THauptFenster> fenster;
    const QString startOrdner = QDir::currentPath();
};

QUANDEL_FENSTERTEST(HauptfensterTest);
#include "fenster_test.moc"
