// The accent monitor driven through its widgets, and its groups reaching the searches.
#include "../grosse_lautgruppe.h"
#include "fenstertest.h"
#include "text/datei.h"
#include "ui/akzentmonitor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>

namespace quandel::testhilfe {

class AkzentMonitorTest : public FensterTest {
    Q_OBJECT

    TAkzentMonitor& monitor() { return fenster->akzentMonitor(); }
    QTreeWidget* baum() { return Kind<QTreeWidget>(monitor(), "TreeView1"); }

    // The tree as text: "I-Laute(i,ie,ih) Ei-Laute(...)", deeper levels in brackets too.
    static QString knotenText(const QTreeWidgetItem* knoten) {
        QString text = knoten->text(0);
        if (knoten->childCount() == 0)
            return text;
        QStringList kinder;
        for (int i = 0; i < knoten->childCount(); ++i)
            kinder << knotenText(knoten->child(i));
        return text + "(" + kinder.join(',') + ")";
    }
    QString baumText() {
        QStringList gruppen;
        for (int i = 0; i < baum()->topLevelItemCount(); ++i)
            gruppen << knotenText(baum()->topLevelItem(i));
        return gruppen.join(' ');
    }
    QTreeWidgetItem* knoten(const QString& text) {
        const auto gefunden = baum()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        if (gefunden.size() != 1)
            qFatal("Knoten %s nicht eindeutig", qPrintable(text));
        return gefunden.constFirst();
    }
    void waehlen(const QString& text) { baum()->setCurrentItem(knoten(text)); }
    void strg(Qt::Key taste) { QTest::keyClick(baum(), taste, Qt::ControlModifier); }
    void drueckeKnopf(const char* name) { Klicken(Kind<QPushButton>(monitor(), name)); }
    QStringList akzentSuche(const QString& text) {
        Kind<QCheckBox>(*fenster, "Akzentuirung")->setChecked(true);
        TippenUndEnter(*fenster, text);
        return Zellen(*fenster);
    }

    const QString vorgabe = QStringLiteral("I-Laute(i,ie,ih) Ei-Laute(ei,äu,eu) T-Laute(t,tt) "
                                           "B-P-Laute(b,p)");

private slots:
    void akzentFindetAlleSchreibweisen() {
        QCOMPARE(akzentSuche("eide"), QStringList({"beeide", "beide", "Freude", "Gebäude", "Kreide",
                                                   "meide", "neide", "Räude", "Seide", "Weide"}));
        akzentSuche("Liese");
        Klicken(Kind<QWidget>(*fenster, "PanLied"));
        QVERIFY(Zellen(*fenster).contains("Kiste"));
        Kind<QCheckBox>(*fenster, "Akzentuirung")->setChecked(false);
        Tippen(*fenster, "eide");
        Klicken(Kind<QWidget>(*fenster, "PanEnd"));
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

    void zuVieleVariantenMeldetEinFehler() {
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        QVERIFY(akzentSuche(QString(40, 'i')).isEmpty());
        QCOMPARE(fenster->dialoge().LetzterText(),
                 QStringLiteral("Zu viele Lautvarianten (12157665459056928801). Bitte ein "
                                "kürzeres Suchwort eingeben."));
        QVERIFY(Eingabe(*fenster)->isEnabled());
    }

    void knopfUndMenueZeigenUndVerbergen() {
        QVERIFY(!monitor().isVisible());
        QCOMPARE(monitor().windowTitle(), QStringLiteral("AkzentMonitor"));
        QCOMPARE(baumText(), vorgabe);
        auto* zeige = Kind<QPushButton>(*fenster, "ZeigAkzente");
        Klicken(zeige);
        QVERIFY(monitor().isVisible());
        Klicken(zeige);
        QVERIFY(!monitor().isVisible());
        Kind<QAction>(*fenster, "Akzentmonitor1")->trigger();
        QVERIFY(monitor().isVisible());
        // Closing only hides; the tree stays as it was left.
        waehlen("T-Laute");
        drueckeKnopf("Loeschen");
        monitor().close();
        QVERIFY(!monitor().isVisible());
        Klicken(zeige);
        QVERIFY(monitor().isVisible());
        QCOMPARE(baumText(), "I-Laute(i,ie,ih) Ei-Laute(ei,äu,eu) B-P-Laute(b,p)");
    }

    void knoepfe() {
        Klicken(Kind<QPushButton>(*fenster, "ZeigAkzente"));
        baum()->clearSelection();
        drueckeKnopf("AddGruppe");
        QCOMPARE(baum()->topLevelItem(4)->text(0), QStringLiteral("Silbengruppe 5"));
        QVERIFY(baum()->findChild<QLineEdit*>()); // its text is being edited
        baum()->closePersistentEditor(baum()->topLevelItem(4));

        waehlen("ie");
        drueckeKnopf("AddGruppe");
        QCOMPARE(knotenText(baum()->topLevelItem(0)), "I-Laute(i,ie,ih,Silbe)");

        waehlen("T-Laute");
        drueckeKnopf("AddChild");
        QCOMPARE(knotenText(knoten("T-Laute")), "T-Laute(t,tt,Silbe)");
        waehlen("t");
        drueckeKnopf("AddChild");
        QCOMPARE(knotenText(knoten("T-Laute")), "T-Laute(t,tt,Silbe)");

        waehlen("Ei-Laute");
        drueckeKnopf("Loeschen");
        QVERIFY(!baumText().contains("Ei-Laute"));
    }

    void ziehenNachDenRegeln() {
        auto* quelle = baum();
        waehlen("p");
        QVERIFY(!monitor().TreeView1DragOver(quelle, knoten("Ei-Laute")));
        QVERIFY(monitor().TreeView1DragOver(quelle, knoten("ei")));
        monitor().TreeView1DragDrop(quelle, knoten("ei"));
        QCOMPARE(baumText(), "I-Laute(i,ie,ih) Ei-Laute(p,ei,äu,eu) T-Laute(t,tt) B-P-Laute(b)");
        QCOMPARE(monitor().windowTitle(), QStringLiteral("TreeView1DragDrop"));
        QCOMPARE(baum()->currentItem()->text(0), QStringLiteral("p"));

        waehlen("T-Laute");
        QVERIFY(!monitor().TreeView1DragOver(quelle, knoten("i")));
        monitor().TreeView1DragDrop(quelle, knoten("I-Laute"));
        QCOMPARE(baumText(), "T-Laute(t,tt) I-Laute(i,ie,ih) Ei-Laute(p,ei,äu,eu) B-P-Laute(b)");

        // Onto itself nothing changes; from outside a tree view nothing is accepted.
        waehlen("ie");
        monitor().TreeView1DragDrop(quelle, knoten("ie"));
        QCOMPARE(baumText(), "T-Laute(t,tt) I-Laute(i,ie,ih) Ei-Laute(p,ei,äu,eu) B-P-Laute(b)");
        QVERIFY(!monitor().TreeView1DragOver(nullptr, knoten("i")));
    }

    void fremdesAblegenWirdAbgewiesen() {
        // A drop that does not come from a tree view, through the view's own drop handling.
        monitor().show();
        QVERIFY(QTest::qWaitForWindowExposed(&monitor()));
        waehlen("p");
        QMimeData daten;
        daten.setText(QStringLiteral("p"));
        const QPointF stelle = baum()->visualItemRect(knoten("ei")).center();
        QDragMoveEvent ueber(stelle.toPoint(), Qt::CopyAction, &daten, Qt::LeftButton,
                             Qt::NoModifier);
        QCoreApplication::sendEvent(baum()->viewport(), &ueber);
        QVERIFY(!ueber.isAccepted());
        QDropEvent ablegen(stelle, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(baum()->viewport(), &ablegen);
        QCOMPARE(baumText(), vorgabe);
    }

    void ausschneidenUndEinfuegen() {
        waehlen("Ei-Laute");
        strg(Qt::Key_X);
        QCOMPARE(baumText(), "I-Laute(i,ie,ih) T-Laute(t,tt) B-P-Laute(b,p)");
        QCOMPARE(monitor().windowTitle(), QStringLiteral("FormKeyDown"));
        waehlen("I-Laute");
        strg(Qt::Key_V);
        QCOMPARE(monitor().windowTitle(), QStringLiteral("VVV"));
        QCOMPARE(baumText(), "Ei-Laute(ei,äu,eu) I-Laute(i,ie,ih) T-Laute(t,tt) B-P-Laute(b,p)");
        QCOMPARE(baum()->currentItem()->text(0), QStringLiteral("Ei-Laute"));
        const QString zurueck = baumText();
        strg(Qt::Key_V); // the clipboard is empty now
        QCOMPARE(baumText(), zurueck);
        strg(Qt::Key_C);
        QCOMPARE(monitor().windowTitle(), QStringLiteral("CCC"));
        QCOMPARE(baumText(), zurueck);
        strg(Qt::Key_A);
        QCOMPARE(monitor().windowTitle(), QStringLiteral("Akzentmonitor Akzentebeispiel"));

        // A member cut and pasted before a group becomes a group of its own.
        waehlen("p");
        strg(Qt::Key_X);
        waehlen("T-Laute");
        strg(Qt::Key_V);
        QCOMPARE(baumText(), "Ei-Laute(ei,äu,eu) I-Laute(i,ie,ih) p T-Laute(t,tt) B-P-Laute(b)");
    }

    void rechtsklickWaehltUndEditBearbeitet() {
        monitor().show();
        QVERIFY(QTest::qWaitForWindowExposed(&monitor()));
        const QPoint stelle = baum()->visualItemRect(knoten("tt")).center();
        QTest::mouseClick(baum()->viewport(), Qt::RightButton, Qt::NoModifier, stelle);
        QCOMPARE(baum()->currentItem()->text(0), QStringLiteral("tt"));
        Kind<QAction>(monitor(), "HalloPopUp1")->trigger();
        auto* editor = baum()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(QStringLiteral("th"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(knotenText(knoten("T-Laute")), "T-Laute(t,th)");
        QVERIFY(monitor().AkzentGeaendert());
    }

    void aenderungenErreichenDieNaechsteSuche() {
        QCOMPARE(akzentSuche("eide").size(), 10);
        QVERIFY(!monitor().AkzentGeaendert());
        // Deleted with the button while the tree never had the focus again.
        waehlen("äu");
        drueckeKnopf("Loeschen");
        QCOMPARE(akzentSuche("eide"), QStringList({"beeide", "beide", "Freude", "Kreide", "meide",
                                                   "neide", "Seide", "Weide"}));
        // Ticking Akzentuirung later still finds the groups changed meanwhile.
        Kind<QCheckBox>(*fenster, "Akzentuirung")->setChecked(false);
        waehlen("eu");
        drueckeKnopf("Loeschen");
        TippenUndEnter(*fenster, "eide");
        QCOMPARE(akzentSuche("eide").size(), 7);
    }

    void lautgruppenDateien() {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("gruppen.akz");
        monitor().dialoge().NaechsteDatei(datei);
        drueckeKnopf("DateiSpeichern");
        QCOMPARE(DateiLesen(datei.toStdString()),
                 "I-Laute: i, ie, ih\nEi-Laute: ei, äu, eu\nT-Laute: t, tt\nB-P-Laute: b, p\n");

        waehlen("B-P-Laute");
        drueckeKnopf("Loeschen");
        monitor().dialoge().NaechsteDatei(datei);
        drueckeKnopf("DateiLaden");
        QCOMPARE(baumText(), vorgabe);

        // A bad file is named with its line and changes nothing; a cancelled dialog neither.
        const QString kaputt = ordner.filePath("kaputt.akz");
        DateiSchreiben(kaputt.toStdString(), "A: a\nohne Doppelpunkt\n");
        waehlen("B-P-Laute");
        drueckeKnopf("Loeschen");
        monitor().dialoge().NaechsteDatei(kaputt);
        monitor().dialoge().NaechsteAntwort(QMessageBox::Ok);
        drueckeKnopf("DateiLaden");
        QCOMPARE(monitor().dialoge().LetzterText(),
                 kaputt + ", Zeile 2: Der Doppelpunkt nach dem Namen der Lautgruppe fehlt.");
        QCOMPARE(baumText(), "I-Laute(i,ie,ih) Ei-Laute(ei,äu,eu) T-Laute(t,tt)");
        monitor().dialoge().NaechsteDatei(QString());
        drueckeKnopf("DateiLaden");
        QCOMPARE(baumText(), "I-Laute(i,ie,ih) Ei-Laute(ei,äu,eu) T-Laute(t,tt)");
        QCOMPARE(monitor().dialoge().Anzahl(), 1);
    }

    void windows1252UndLeereDateien() {
        QTemporaryDir ordner;
        const QString cp1252 = ordner.filePath("cp1252.akz");
        DateiSchreiben(cp1252.toStdString(), "\xC4-Laute: \xE4, e\nEi-Laute: ei, \xE4u\n");
        monitor().dialoge().NaechsteDatei(cp1252);
        drueckeKnopf("DateiLaden");
        QCOMPARE(baumText(), "Ä-Laute(ä,e) Ei-Laute(ei,äu)");
        QCOMPARE(monitor().dialoge().Anzahl(), 0);

        // A file without a group is refused; the groups stay.
        const QString leer = ordner.filePath("leer.akz");
        DateiSchreiben(leer.toStdString(), "# nichts\n");
        monitor().dialoge().NaechsteDatei(leer);
        monitor().dialoge().NaechsteAntwort(QMessageBox::Ok);
        drueckeKnopf("DateiLaden");
        QCOMPARE(monitor().dialoge().LetzterText(),
                 QStringLiteral("Datei %1 enthält keine Lautgruppe.").arg(leer));
        QCOMPARE(baumText(), "Ä-Laute(ä,e) Ei-Laute(ei,äu)");
    }

    void standardgruppenStellenDieEingebautenWiederHer() {
        monitor().show();
        QApplication::setActiveWindow(&monitor());
        QVERIFY(QTest::qWaitForWindowActive(&monitor()));
        waehlen("Ei-Laute");
        drueckeKnopf("Loeschen");
        baum()->clearSelection();
        drueckeKnopf("AddGruppe");
        baum()->closePersistentEditor(baum()->topLevelItem(3));
        QCOMPARE(akzentSuche("eide").size(), 7);

        // Reached with Tab after the file buttons and pressed with the space bar.
        auto* knopf = Kind<QPushButton>(monitor(), "Standardgruppen");
        QCOMPARE(knopf->text(), QStringLiteral("Standardgruppen"));
        Kind<QPushButton>(monitor(), "DateiSpeichern")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), knopf);
        QTest::keyClick(knopf, Qt::Key_Space);
        QCOMPARE(baumText(), vorgabe);
        QCOMPARE(akzentSuche("eide").size(), 10);

        // Below the other buttons, which keep their places, and wide enough for its text.
        auto* speichern = Kind<QPushButton>(monitor(), "DateiSpeichern");
        QCOMPARE(speichern->geometry(), QRect(6, 146, 85, 25));
        const QRect darueber(speichern->mapTo(&monitor(), QPoint()), speichern->size());
        QCOMPARE(knopf->geometry().top(), darueber.bottom() + 7);
        QCOMPARE(knopf->geometry().right(), darueber.right());
        QVERIFY(knopf->sizeHint().width() <= knopf->width());
        QVERIFY(knopf->geometry().left() > baum()->geometry().right());
    }

    void grosseGruppenWerdenAlsUrsacheGenannt() {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("gross.akz");
        DateiSchreiben(datei.toStdString(), test::GrosseLautgruppe(1));
        monitor().dialoge().NaechsteDatei(datei);
        drueckeKnopf("DateiLaden");
        QCOMPARE(baum()->topLevelItem(0)->childCount(), 10000);
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        QVERIFY(akzentSuche("eide").isEmpty());
        QCOMPARE(fenster->dialoge().LetzterText(),
                 QStringLiteral("Die Lautgruppen des Akzentmonitors ergeben für »eide« zu viele "
                                "Schreibweisen (100000000)."));
        QVERIFY(Eingabe(*fenster)->isEnabled());
    }

    void hilfeUndMaximieren() {
        monitor().show();
        QApplication::setActiveWindow(&monitor());
        QVERIFY(QTest::qWaitForWindowActive(&monitor()));
        QTest::keyClick(baum(), Qt::Key_F1);
        auto* text = Kind<QTextBrowser>(*fenster, "HilfeText");
        QVERIFY(text->source().toString().endsWith(QStringLiteral("Der_Akzentmonitor.html")));

        const QRect vorher = monitor().geometry();
        monitor().setWindowState(Qt::WindowMaximized);
        QCoreApplication::processEvents();
        QVERIFY(!monitor().isMaximized());
        QCOMPARE(monitor().frameGeometry().top(), 0);
        QCOMPARE(monitor().frameGeometry().bottom(),
                 monitor().screen()->availableGeometry().bottom());
        QCOMPARE(monitor().width(), vorher.width());
    }
};

} // namespace quandel::testhilfe

QUANDEL_FENSTERTEST(quandel::testhilfe::AkzentMonitorTest);
#include "akzentmonitor_test.moc"
