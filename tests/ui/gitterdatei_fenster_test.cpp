#include "fenstertest.h"
#include "ui/knopfpanel.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace quandel;
using namespace quandel::testhilfe;

namespace {

const QByteArray kKanneDatei = "4\r\nKanne,Lawine,Plane,\"vor allem\"\r\nDings,,,\r\n";

} // namespace

// Grid files through the "Datei" menu, with the file dialogs answered in advance, and copying
// from the grid.
class GitterdateiFensterTest : public FensterTest {
    Q_OBJECT

    QTemporaryDir ordner;

    QString Pfad(const char* name) { return ordner.filePath(QString::fromLatin1(name)); }

    // The bits of owner, group and others, without those Qt works out for the running user.
    static QFile::Permissions Rechte(const QString& pfad) {
        return QFile(pfad).permissions() &
               ~QFile::Permissions(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    }

    void Laden(const QString& pfad) {
        fenster->dialoge().NaechsteDatei(pfad);
        Kind<QAction>(*fenster, "RasterLaden1")->trigger();
    }

    void Speichern(const QString& pfad) {
        fenster->dialoge().NaechsteDatei(pfad);
        Kind<QAction>(*fenster, "RasterSpeichern1")->trigger();
    }

private slots:
    void dateiMenue() {
        QStringList eintraege;
        for (QAction* eintrag : Kind<QMenu>(*fenster, "Datei1")->actions())
            eintraege << (eintrag->isSeparator() ? QStringLiteral("-") : eintrag->text()) +
                             eintrag->shortcut().toString();
        QCOMPARE(eintraege, QStringList({"Raster &speichern…Ctrl+S", "Raster &laden…Ctrl+O",
                                         "&Wortlistenfenster", "-", "Wortbestand &öffnen…",
                                         "&Eingebauter Wortbestand", "&Thesaurus öffnen…", "-",
                                         "&BeendenCtrl+Q"}));
        Kind<QAction>(*fenster, "Beenden1")->trigger();
        QVERIFY(!fenster->isVisible());
    }

    void ladenUndWiederSpeichern() {
        Schreiben(Pfad("kanne.grd"), kKanneDatei);
        Laden(Pfad("kanne.grd"));
        QCOMPARE(fenster->dialoge().LetzterFilter(), QStringLiteral("Grid (*.grd)"));
        QCOMPARE(Gitter(*fenster)->rowCount(), 2);
        QCOMPARE(Gitter(*fenster)->columnCount(), 4);
        QCOMPARE(Zelle(*fenster, 3, 0), QStringLiteral("vor allem"));
        QCOMPARE(Zelle(*fenster, 0, 1), QStringLiteral("Dings"));
        QCOMPARE(Zelle(*fenster, 1, 1), QStringLiteral(" "));
        QVERIFY(Eingabe(*fenster)->hasFocus());

        Speichern(Pfad("wieder.grd"));
        QCOMPARE(
            Lesen(Pfad("wieder.grd")),
            QByteArray("4\r\nKanne,Lawine,Plane,\"vor allem\"\r\nDings,\" \",\" \",\" \"\r\n"));
        QCOMPARE(fenster->dialoge().Anzahl(), 0);
    }

    void suchergebnisSpeichernUndLaden() {
        fenster->SGFuellen({"Geb\xE4ude", "R\xE4ude"});
        Speichern(Pfad("aeude.grd"));
        QByteArray erwartet = "4\r\nGeb\xE4ude,R\xE4ude,,\r\n";
        for (int zeile = 1; zeile < Gitter(*fenster)->rowCount(); ++zeile)
            erwartet += ",,,\r\n";
        QCOMPARE(Lesen(Pfad("aeude.grd")), erwartet);

        // Written by another editor in UTF-8, read back and saved in Windows-1252.
        Schreiben(Pfad("zitat.grd"), "2\r\n\"sag \"\"ja\"\"\",Gr\xC3\xBC\xC3\x9F"
                                     "e\r\n");
        Laden(Pfad("zitat.grd"));
        QCOMPARE(Zellen(*fenster), QStringList({"sag \"ja\"", "Grüße"}));
        Speichern(Pfad("zitat2.grd"));
        QCOMPARE(Lesen(Pfad("zitat2.grd")), QByteArray("2\r\n\"sag \"\"ja\"\"\",Gr\xFC\xDF"
                                                       "e\r\n"));
    }

    void spaltenzahlGiltFuerSpaetereSuchen() {
        Schreiben(Pfad("zwei.grd"), "2\r\nA,B,C,D\r\nE,F,G,H\r\n");
        Laden(Pfad("zwei.grd"));
        QCOMPARE(Gitter(*fenster)->columnCount(), 2);
        QCOMPARE(Zellen(*fenster), QStringList({"A", "B", "E", "F"}));
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(Zelle(*fenster, 0, 1), QStringLiteral("Kreide"));
        // A spoonerism keeps its four words in a row.
        Tippen(*fenster, QStringLiteral("Reim"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanSchuett"));
        QCOMPARE(Gitter(*fenster)->columnCount(), 4);
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("Reim"));
        QVERIFY(!Zelle(*fenster, 3, 0).isEmpty());
        const QStringList schuettel = Zellen(*fenster);
        // So does its history entry, shown again after a two-column file.
        Laden(Pfad("zwei.grd"));
        auto* pfeile = Kind<QWidget>(*fenster, "BrowserKnopf");
        pfeile->setFocus();
        QTest::keyClick(pfeile, Qt::Key_Left);
        QTest::keyClick(pfeile, Qt::Key_Right);
        QCOMPARE(Gitter(*fenster)->columnCount(), 4);
        QCOMPARE(Zellen(*fenster), schuettel);
    }

    void richtungswechselLegtDieLetzteSucheWiederAus() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        Schreiben(Pfad("kanne.grd"), kKanneDatei);
        Laden(Pfad("kanne.grd"));
        Klicken(Kind<QRadioButton>(*fenster, "RueckSort"));
        QCOMPARE(Zellen(*fenster).mid(0, 7),
                 QStringList({"beide", "beeide", "meide", "neide", "Kreide", "Seide", "Weide"}));
        // The cell after the last hit keeps what the file put there.
        QCOMPARE(Zelle(*fenster, 3, 1), QStringLiteral(" "));
    }

    void fehlerhafteDateien() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        const int zeilen = Gitter(*fenster)->rowCount();
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        Laden(Pfad("gibtesnicht.grd"));
        QVERIFY(fenster->dialoge().LetzterText().startsWith(
            QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(Pfad("gibtesnicht.grd"))));
        QCOMPARE(Gitter(*fenster)->rowCount(), zeilen);
        QCOMPARE(Zellen(*fenster).size(), 7);

        // Line 1 no number: the row count of the file is taken, the rows are not.
        Schreiben(Pfad("vier.grd"), "vier\r\nx\r\ny\r\n");
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        Laden(Pfad("vier.grd"));
        QCOMPARE(fenster->dialoge().LetzterText(),
                 QStringLiteral("'vier' ist kein gültiger Integerwert"));
        QCOMPARE(Gitter(*fenster)->rowCount(), 2);
        QCOMPARE(Gitter(*fenster)->columnCount(), 4);
        QCOMPARE(Zellen(*fenster),
                 QStringList({"beeide", "beide", "Kreide", "meide", "neide", "Seide", "Weide"}));

        Schreiben(Pfad("leer.grd"), "");
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        Laden(Pfad("leer.grd"));
        QCOMPARE(fenster->dialoge().LetzterText(),
                 QStringLiteral("Der Index der Liste überschreitet das Maximum (0)"));
        QCOMPARE(Gitter(*fenster)->rowCount(), 1);

        // A UTF-8 letter beyond Windows-1252: nothing changes.
        Schreiben(Pfad("polnisch.grd"), "1\r\nGda\xC5\x84sk\r\n");
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        Laden(Pfad("polnisch.grd"));
        QVERIFY(fenster->dialoge().LetzterText().contains(QStringLiteral("ń")));
        QCOMPARE(Gitter(*fenster)->rowCount(), 1);
        QCOMPARE(Gitter(*fenster)->columnCount(), 4);
        QCOMPARE(fenster->dialoge().Anzahl(), 4);
    }

    void abgebrochenerDialogAendertNichts() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        Laden(QString());
        QCOMPARE(Zellen(*fenster).size(), 7);
        QCOMPARE(Gitter(*fenster)->rowCount(), 14);
        const QStringList vorher = QDir(ordner.path()).entryList(QDir::Files);
        Speichern(QString());
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), vorher);
        QCOMPARE(fenster->dialoge().Anzahl(), 0);
    }

    void missglueckterSpeicherLaesstDieAlteDatei() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        Schreiben(Pfad("alt.grd"), "1\r\nalt\r\n");
        // Files may grow to 40 bytes only: the grid (over 60 bytes) fails part-way.
        const auto vorher = std::signal(SIGXFSZ, SIG_IGN);
        rlimit alt{};
        getrlimit(RLIMIT_FSIZE, &alt);
        rlimit eng = alt;
        eng.rlim_cur = 40;
        setrlimit(RLIMIT_FSIZE, &eng);
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        Speichern(Pfad("alt.grd"));
        setrlimit(RLIMIT_FSIZE, &alt);
        std::signal(SIGXFSZ, vorher);
        QCOMPARE(fenster->dialoge().Anzahl(), 1);
        QVERIFY(fenster->dialoge().LetzterText().startsWith(
            QStringLiteral("Datei %1 kann nicht geschrieben werden").arg(Pfad("alt.grd"))));
        QCOMPARE(Lesen(Pfad("alt.grd")), QByteArray("1\r\nalt\r\n"));
        QVERIFY(!QDir(ordner.path()).entryList(QDir::Files).join(' ').contains("alt.grd."));

        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        Speichern(Pfad("fehlt/neu.grd"));
        QVERIFY(fenster->dialoge().LetzterText().startsWith(
            QStringLiteral("Datei %1 kann nicht geschrieben werden").arg(Pfad("fehlt/neu.grd"))));
    }

    // Saving over a file keeps what the user set: its rights, its link, its read-only mark.
    void speichernAchtetDieDateiDesBenutzers() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        const QByteArray eide = "4\r\nbeeide,beide,Kreide,meide\r\n";
        Schreiben(Pfad("fest.grd"), "1\r\nalt\r\n");
        QFile(Pfad("fest.grd")).setPermissions(QFile::ReadOwner | QFile::ReadGroup);
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        Speichern(Pfad("fest.grd"));
        QCOMPARE(fenster->dialoge().LetzterText(),
                 QStringLiteral("Datei %1 kann nicht geschrieben werden (keine "
                                "Schreibberechtigung).")
                     .arg(Pfad("fest.grd")));
        QCOMPARE(Lesen(Pfad("fest.grd")), QByteArray("1\r\nalt\r\n"));
        QCOMPARE(Rechte(Pfad("fest.grd")), QFile::ReadOwner | QFile::ReadGroup);

        Schreiben(Pfad("eigen.grd"), "1\r\nalt\r\n");
        QFile(Pfad("eigen.grd")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(QFile::link(QStringLiteral("eigen.grd"), Pfad("verweis.grd")));
        Speichern(Pfad("verweis.grd"));
        QVERIFY(Lesen(Pfad("eigen.grd")).startsWith(eide));
        QCOMPARE(Rechte(Pfad("eigen.grd")), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(QFileInfo(Pfad("verweis.grd")).symLinkTarget(), Pfad("eigen.grd"));
        QCOMPARE(fenster->dialoge().Anzahl(), 1);
    }

    void kopierenInGitterordnung() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        const auto mitte = [&](int spalte, int zeile) {
            return gitter->visualRect(Gitter(*fenster)->index(zeile, spalte)).center();
        };
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, mitte(2, 0));
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, Qt::ShiftModifier, mitte(0, 1));
        gitter->setFocus();
        QTest::keyClick(gitter, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("beeide\nbeide\nKreide\nneide\nSeide\nWeide"));
        // Empty cells of the selection are left out.
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, mitte(3, 1));
        QTest::keyClick(gitter, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, Qt::ShiftModifier, mitte(0, 1));
        QTest::keyClick(gitter, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("neide\nSeide\nWeide"));

        QStringList menue;
        for (QAction* eintrag : gitter->actions())
            menue << eintrag->text();
        QCOMPARE(menue, QStringList({"&Kopieren", "&Alle Treffer kopieren"}));
        // The grid's context menu begins with them.
        QCOMPARE(Kind<QMenu>(*fenster, "GitterMenue")->actions().mid(0, 2), gitter->actions());
        Kind<QAction>(*fenster, "AlleKopierenM")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("beeide\nbeide\nKreide\nmeide\nneide\nSeide\nWeide"));
    }
};

QUANDEL_FENSTERTEST(GitterdateiFensterTest);
#include "gitterdatei_fenster_test.moc"
