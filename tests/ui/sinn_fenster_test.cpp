// Meaning beside sound in the window: the search for synonyms from the menu and from the grid's
// context menu, its place in the history, and the rhyme searches sieved by class and sense.
#include "fenstertest.h"
#include "tests/testcache.h"
#include "ui/knopfpanel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

namespace quandel::testhilfe {

class SinnFensterTest : public FensterTest {
    Q_OBJECT

    test::TestCacheOrdner cache_;
    QTemporaryDir ordner_;

    QString datei(const char* name, const QByteArray& inhalt) {
        const QString pfad = ordner_.filePath(QString::fromLatin1(name));
        Schreiben(pfad, inhalt);
        return pfad;
    }

    // A thesaurus of a few sets in OpenThesaurus's format, in place of Debian's.
    void kleinerThesaurus() {
        QVERIFY(fenster->ThesaurusLaden(datei("thesaurus.txt", "# Testthesaurus\n"
                                                               "Kummer;Gram;Sorge;Leid\n"
                                                               "Sorge;Besorgnis;Angst\n"
                                                               "Witz;Scherz;Spaß (ugs.)\n"
                                                               "Schmerz;Pein;Qual\n")));
    }

    QAction* aktion(const char* name) { return Kind<QAction>(*fenster, name); }

    // Opens the grid's context menu on a cell, with the mouse or with the keyboard.
    QMenu* kontextmenue(int spalte, int zeile, QContextMenuEvent::Reason grund) {
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        const QModelIndex zelle = gitter->model()->index(zeile, spalte);
        const QPoint ort = gitter->visualRect(zelle).center();
        if (grund == QContextMenuEvent::Keyboard) {
            gitter->setFocus();
            gitter->setCurrentIndex(zelle);
            QContextMenuEvent ereignis(grund, QPoint(5, 5), gitter->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(gitter, &ereignis);
        } else {
            QContextMenuEvent ereignis(grund, ort, gitter->viewport()->mapToGlobal(ort));
            QCoreApplication::sendEvent(gitter->viewport(), &ereignis);
        }
        auto* menue = Kind<QMenu>(*fenster, "GitterMenue");
        return menue->isVisible() ? menue : nullptr;
    }

    QStringList klang(const QString& wort) {
        Tippen(*fenster, wort);
        Klicken(Kind<KnopfPanel>(*fenster, "PanKlang"));
        return Zellen(*fenster);
    }

    void sinnSetzen(const QString& wort) {
        aktion("SinnM")->trigger();
        // The dialog of an earlier call may still wait for its deletion.
        QInputDialog* dialog = nullptr;
        for (auto* offen : fenster->findChildren<QInputDialog*>(QStringLiteral("SinnDialog")))
            if (offen->isVisible())
                dialog = offen;
        QVERIFY(dialog);
        auto* feld = dialog->findChild<QLineEdit*>();
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::keyClicks(feld, wort);
        QTest::keyClick(feld, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
    }

private slots:
    void menueeintragSuchtSynonymeInIhrerFolge() {
        kleinerThesaurus();
        QAction* sinnverwandt = aktion("Sinnverwandt1");
        QCOMPARE(sinnverwandt->text(), QStringLiteral("Sinn&verwandt"));
        QCOMPARE(sinnverwandt->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
        QVERIFY(Kind<QMenu>(*fenster, "hallo1")->actions().contains(sinnverwandt));

        Tippen(*fenster, QStringLiteral("Kummer"));
        QTest::keyClick(Eingabe(*fenster), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(Zellen(*fenster), (QStringList{"Gram", "Sorge", "Leid"}));
        // In a colour of its own, in the grid and in the history.
        const QColor farbe = Kind<KnopfPanel>(*fenster, "PanSinn")->Farbe();
        QCOMPARE(Gitter(*fenster)->data(Gitter(*fenster)->index(0, 0), Qt::BackgroundRole),
                 QVariant(farbe));
        for (const char* panel : {"PanEnd", "PanLied", "PanSchuett", "PanStab", "PanKlang"})
            QVERIFY(Kind<KnopfPanel>(*fenster, panel)->Farbe() != farbe);
        auto* historie = Kind<QListWidget>(*fenster, "BrowseListBox");
        QCOMPARE(historie->count(), 1);
        QCOMPARE(historie->item(0)->text(), QStringLiteral("Kummer"));
        QCOMPARE(historie->item(0)->background().color(), farbe);

        // Enter repeats the search of the mode last used; a word in no set finds nothing.
        TippenUndEnter(*fenster, QStringLiteral("Sorge"));
        QCOMPARE(Zellen(*fenster), (QStringList{"Kummer", "Gram", "Leid", "Besorgnis", "Angst"}));
        TippenUndEnter(*fenster, QStringLiteral("Xyzzy"));
        QCOMPARE(Zellen(*fenster), QStringList());
        QCOMPARE(Beschriftung(*fenster, "Label1"), QStringLiteral("kein Eintrag"));
        QCOMPARE(historie->count(), 2);

        // Shown again from the history, in its colour and order.
        auto* pfeile = Kind<QScrollBar>(*fenster, "BrowserKnopf");
        Tippen(*fenster, QStringLiteral("eide"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanEnd"));
        pfeile->setValue(0);
        QCOMPARE(Zellen(*fenster), (QStringList{"Gram", "Sorge", "Leid"}));
        QCOMPARE(Gitter(*fenster)->data(Gitter(*fenster)->index(0, 0), Qt::BackgroundRole),
                 QVariant(farbe));
    }

    void fehlenderThesaurusNenntDasPaket() {
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        QVERIFY(!fenster->ThesaurusLaden(ordner_.filePath(QStringLiteral("fehlt.txt"))));
        QCOMPARE(fenster->dialoge().Anzahl(), 1);
        QVERIFY(fenster->dialoge().LetzterText().contains(
            QStringLiteral("apt-get install openthesaurus-de-text")));
    }

    void kontextmenueDerZelleSuchtIhreSynonyme() {
        kleinerThesaurus();
        Tippen(*fenster, QStringLiteral("Witz"));
        aktion("Sinnverwandt1")->trigger();
        QCOMPARE(Zellen(*fenster), (QStringList{"Scherz", "Spaß (ugs.)"}));

        // The entry names the word without its marks, and searches that.
        QMenu* menue = kontextmenue(1, 0, QContextMenuEvent::Mouse);
        QVERIFY(menue);
        QAction* eintrag = aktion("SinnverwandtM");
        QVERIFY(menue->actions().contains(eintrag));
        QVERIFY(eintrag->isVisible());
        QCOMPARE(eintrag->text(), QStringLiteral("&Sinnverwandte Wörter zu »Spaß«"));
        eintrag->trigger();
        menue->close();
        QCOMPARE(Zellen(*fenster), (QStringList{"Witz", "Scherz"}));
        QCOMPARE(Eingabe(*fenster)->currentText(), QStringLiteral("Spaß"));

        // From the keyboard, on the cell with the focus.
        menue = kontextmenue(0, 0, QContextMenuEvent::Keyboard);
        QVERIFY(menue);
        QCOMPARE(eintrag->text(), QStringLiteral("&Sinnverwandte Wörter zu »Witz«"));
        eintrag->trigger();
        menue->close();
        QCOMPARE(Zellen(*fenster), (QStringList{"Scherz", "Spaß (ugs.)"}));
        QCOMPARE(Kind<QListWidget>(*fenster, "BrowseListBox")->count(), 3);

        // An empty cell offers only copying.
        menue = kontextmenue(3, 4, QContextMenuEvent::Mouse);
        QVERIFY(menue);
        QVERIFY(!eintrag->isVisible());
        QVERIFY(aktion("KopierenM")->isVisible());
        menue->close();
    }

    void wortartSiebtDieNaechsteSuche() {
        QVERIFY(fenster->WortbestandLaden(
            datei("herz.txt", "Herz\nSchmerz\nScherz\nverscherz\nMärz\n")));
        QStringList alle = klang(QStringLiteral("Herz"));
        QVERIFY(alle.contains(QStringLiteral("Schmerz")));
        QVERIFY(alle.contains(QStringLiteral("verscherz")));

        auto* wortart = Kind<QMenu>(*fenster, "Wortart1");
        QVERIFY(Kind<QMenu>(*fenster, "Ausgabe1")->actions().contains(wortart->menuAction()));
        QStringList namen;
        for (QAction* eintrag : wortart->actions()) {
            QVERIFY(eintrag->isCheckable() && !eintrag->isChecked());
            namen << eintrag->text();
        }
        QCOMPARE(namen, (QStringList{"&Nomen", "&Verb", "&Adjektiv", "A&dverb"}));

        aktion("WortartNomen")->trigger();
        QVERIFY(aktion("WortartNomen")->isChecked());
        QVERIFY(fenster->windowTitle().contains(QStringLiteral(" – Nomen")));
        const QStringList nomen = klang(QStringLiteral("Herz"));
        QVERIFY(nomen.contains(QStringLiteral("Schmerz")));
        QVERIFY(nomen.contains(QStringLiteral("Scherz")));
        QVERIFY(!nomen.contains(QStringLiteral("verscherz")));

        aktion("WortartVerb")->trigger();
        QVERIFY(klang(QStringLiteral("Herz")).contains(QStringLiteral("verscherz")));
        aktion("WortartNomen")->trigger();
        QCOMPARE(klang(QStringLiteral("Herz")), QStringList{"verscherz"});

        // The end rhyme is sieved too; the spoonerism is not.
        Tippen(*fenster, QStringLiteral("erz"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanEnd"));
        QCOMPARE(Zellen(*fenster), QStringList{"verscherz"});

        aktion("WortartVerb")->trigger();
        QVERIFY(!fenster->windowTitle().contains(QStringLiteral("Verb")));
        QCOMPARE(klang(QStringLiteral("Herz")), alle);
    }

    void sinnStehtImTitelUndSiebt() {
        kleinerThesaurus();
        QVERIFY(fenster->WortbestandLaden(
            datei("herz.txt", "Herz\nSchmerz\nScherz\nverscherz\nMärz\n")));
        const QString titel = fenster->windowTitle();
        QVERIFY(klang(QStringLiteral("Herz")).contains(QStringLiteral("Schmerz")));

        sinnSetzen(QStringLiteral("Witz"));
        QVERIFY(aktion("SinnM")->isChecked());
        QCOMPARE(fenster->windowTitle(), titel + QStringLiteral(" – Sinn: Witz — QBX"));
        QCOMPARE(klang(QStringLiteral("Herz")), QStringList{"Scherz"});
        QCOMPARE(fenster->windowTitle(), titel + QStringLiteral(" – Sinn: Witz — QBX"));

        // A word in no set is reported and changes nothing.
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        sinnSetzen(QStringLiteral("Xyzzy"));
        QVERIFY(fenster->dialoge().LetzterText().startsWith(
            QStringLiteral("»Xyzzy« steht nicht im Thesaurus")));
        QVERIFY(fenster->windowTitle().contains(QStringLiteral("Sinn: Witz")));

        // Empty: the filter is off again.
        sinnSetzen(QString());
        QVERIFY(!aktion("SinnM")->isChecked());
        QVERIFY(!fenster->windowTitle().contains(QStringLiteral("Sinn")));
        QVERIFY(klang(QStringLiteral("Herz")).contains(QStringLiteral("Schmerz")));
    }
};

} // namespace quandel::testhilfe

QUANDEL_FENSTERTEST(quandel::testhilfe::SinnFensterTest);
#include "sinn_fenster_test.moc"
