#include "fenstertest.h"
#include "ui/anwendung.h"
#include "ui/knopfpanel.h"
#include "ui/suchanimation.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QWheelEvent>

using namespace quandel;
using namespace quandel::testhilfe;

// The frame around every search: title, disabled fields, colours, the drop-down list, the
// Enter key, errors and closing while a search runs.
class SuchrahmenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AnwendungEinrichten(); }
    void init() {
        fenster = FensterZeigen();
        QVERIFY(fenster);
    }
    void cleanup() { fenster.reset(); }

    void titelUndFelderWaehrendDerSuche() {
        QString titel;
        bool eingabeFrei = true, panEndFrei = true, panLiedFrei = false, animiert = false;
        connect(fenster.get(), &THauptFenster::SucheLaeuftJetzt, this, [&] {
            titel = fenster->windowTitle();
            eingabeFrei = Eingabe(*fenster)->isEnabled();
            panEndFrei = Kind<KnopfPanel>(*fenster, "PanEnd")->isEnabled();
            panLiedFrei = Kind<KnopfPanel>(*fenster, "PanLied")->isEnabled();
            animiert = Kind<SuchAnimation>(*fenster, "Animate1")->Laeuft();
        });
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(titel, QStringLiteral("Quandel Tornar v1 — QBX suche eide"));
        QVERIFY(!eingabeFrei);
        QVERIFY(!panEndFrei);
        QVERIFY(panLiedFrei);
        QVERIFY(animiert);

        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quandel Tornar v1 — QBX"));
        QVERIFY(Eingabe(*fenster)->isEnabled());
        QVERIFY(Kind<KnopfPanel>(*fenster, "PanEnd")->isEnabled());
        QVERIFY(!Kind<SuchAnimation>(*fenster, "Animate1")->Laeuft());
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quandel Tornar v1 — QBX"));
    }

    void keineZweiteSucheWaehrendEinerSuche() {
        int begonnen = 0;
        connect(fenster.get(), &THauptFenster::SucheLaeuftJetzt, this, [&] {
            ++begonnen;
            Klicken(Kind<KnopfPanel>(*fenster, "PanLied"));
            Kind<QAction>(*fenster, "Schttelreim1")->trigger();
        });
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(begonnen, 1);
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

    void auswahllisteBehaeltErsteForm() {
        QComboBox* eingabe = Eingabe(*fenster);
        QCOMPARE(eingabe->count(), 20);
        TippenUndEnter(*fenster, QStringLiteral("Quark"));
        QCOMPARE(eingabe->count(), 21);
        QCOMPARE(eingabe->itemText(0), QStringLiteral("Quark"));
        TippenUndEnter(*fenster, QStringLiteral("quark"));
        QCOMPARE(eingabe->count(), 21);
        QCOMPARE(eingabe->itemText(0), QStringLiteral("Quark"));
        QCOMPARE(eingabe->currentText(), QStringLiteral("quark"));
        // A preset entry neither moves nor doubles: "Peter" stays where it is.
        const int peter = eingabe->findText(QStringLiteral("Peter"));
        TippenUndEnter(*fenster, QStringLiteral("peter"));
        QCOMPARE(eingabe->count(), 21);
        QCOMPARE(eingabe->itemText(peter), QStringLiteral("Peter"));
        QCOMPARE(eingabe->findText(QStringLiteral("peter"), Qt::MatchFixedString), peter);
    }

    void enterWiederholtDenModus() {
        Tippen(*fenster, QStringLiteral("eide"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanLied"));
        const QStringList lied = Zellen(*fenster);
        QVERIFY(lied.contains(QStringLiteral("Kreide")));
        QVERIFY(lied.size() > 7);

        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(Zellen(*fenster), lied);
        QCOMPARE(Kind<KnopfPanel>(*fenster, "PanLied")->Farbe(), QColor(214, 163, 143));
        QCOMPARE(Gitter(*fenster)->index(0, 0).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(214, 163, 143));

        Klicken(Kind<KnopfPanel>(*fenster, "PanEnd"));
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

    void keineErgaenzungBeimTippen() {
        // "R" and "e" begin the presets "Rinder" and "er": what is typed is what is searched.
        TippenUndEnter(*fenster, QStringLiteral("R"));
        QCOMPARE(Eingabe(*fenster)->currentText(), QStringLiteral("R"));
        TippenUndEnter(*fenster, QStringLiteral("e"));
        QCOMPARE(Eingabe(*fenster)->currentText(), QStringLiteral("e"));
        QVERIFY(Zellen(*fenster).size() > 1000);
    }

    void pfeiltastenLassenDenSuchtext() {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QComboBox* eingabe = Eingabe(*fenster);
        Tippen(*fenster, QStringLiteral("eide"));
        QWidget* fokus = QApplication::focusWidget();
        for (const Qt::Key taste : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp}) {
            QTest::keyClick(fokus, taste);
            eingabe->hidePopup();
            QCOMPARE(eingabe->currentText(), QStringLiteral("eide"));
        }
        QWheelEvent rad(QPointF(5, 5), eingabe->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(eingabe, &rad);
        QCOMPARE(eingabe->currentText(), QStringLiteral("eide"));
        QTest::keyClick(fokus, Qt::Key_Return);
        QCOMPARE(Zellen(*fenster).size(), 7);

        // Down, Alt+Down and F4 open the list; Escape closes it and the text stays.
        for (const auto& [taste, umschalter] :
             {std::pair{Qt::Key_Down, Qt::NoModifier}, std::pair{Qt::Key_Down, Qt::AltModifier},
              std::pair{Qt::Key_F4, Qt::NoModifier}}) {
            QTest::keyClick(QApplication::focusWidget(), taste, umschalter);
            QVERIFY(eingabe->view()->isVisible());
            QTest::keyClick(eingabe->view(), Qt::Key_Escape);
            QVERIFY(!eingabe->view()->isVisible());
            QCOMPARE(eingabe->currentText(), QStringLiteral("eide"));
        }
    }

    void enterWirdVerbraucht() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(Eingabe(*fenster)->currentText(), QStringLiteral("eide"));
        QVERIFY(Eingabe(*fenster)->hasFocus());
    }

    void farbenFolgenDemModus() {
        Tippen(*fenster, QStringLiteral("Liese"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanLied"));
        const QColor lied(214, 163, 143);
        QCOMPARE(Eingabe(*fenster)->palette().color(QPalette::Base), lied);
        const QModelIndex zelle = Gitter(*fenster)->index(0, 0);
        QCOMPARE(zelle.data(Qt::BackgroundRole).value<QColor>(), lied);
        QCOMPARE(zelle.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        QCOMPARE(zelle.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }

    void zeichenAusserhalbVonCp1252() {
        fenster->dialoge().NaechsteAntwort(QMessageBox::Ok);
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        TippenUndEnter(*fenster, QStringLiteral("ł"));
        QCOMPARE(Eingabe(*fenster)->currentText(), QStringLiteral("ł"));
        QVERIFY(Zellen(*fenster).isEmpty()); // no earlier hits under the new text
        QCOMPARE(fenster->dialoge().Anzahl(), 1);
        QVERIFY2(fenster->dialoge().LetzterText().contains(QStringLiteral("ł")),
                 qPrintable(fenster->dialoge().LetzterText()));
        // The frame ran to its end all the same.
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quandel Tornar v1 — QBX"));
        QVERIFY(Eingabe(*fenster)->isEnabled());
        QVERIFY(Kind<KnopfPanel>(*fenster, "PanEnd")->isEnabled());
        QVERIFY(!Kind<SuchAnimation>(*fenster, "Animate1")->Laeuft());
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

    void schliessenBeendetDieSucheSofort() {
        bool offenWaehrendDerSuche = true;
        connect(fenster.get(), &THauptFenster::SucheLaeuftJetzt, this, [&] {
            fenster->close();
            offenWaehrendDerSuche = fenster->isVisible();
        });
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QVERIFY(!offenWaehrendDerSuche);
        // The search stopped without a message, and the frame was left as after any search.
        QCOMPARE(fenster->dialoge().Anzahl(), 0);
        QVERIFY(Eingabe(*fenster)->isEnabled());
        QVERIFY(!Kind<SuchAnimation>(*fenster, "Animate1")->Laeuft());
        QCoreApplication::processEvents();
        QVERIFY(!fenster->isVisible());
    }

private:
    std::unique_ptr<THauptFenster> fenster;
};

QUANDEL_FENSTERTEST(SuchrahmenTest);
#include "suchrahmen_test.moc"
