#include "fenstertest.h"
#include "ui/knopfpanel.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>

using namespace quandel;
using namespace quandel::testhilfe;

// The window as a keyboard user and a reader of long words meet it: the focus order, panels
// pressed with keys, the menu mnemonics, the focus frame in the grid and cells that keep the
// ending of a long word.
class TastaturTest : public FensterTest {
    Q_OBJECT

    // The name of the control that has the focus (the search box for its line edit).
    QString Fokus() {
        QWidget* widget = QApplication::focusWidget();
        if (widget && widget->parentWidget() == Eingabe(*fenster))
            widget = Eingabe(*fenster);
        return widget ? widget->objectName() : QStringLiteral("<keiner>");
    }

    void Aktivieren() {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }

private slots:
    void tabNurDurchSichtbareSteuerelemente() {
        Aktivieren();
        Kind<QWidget>(*fenster, "VokalFeld")->setFocus();
        const QStringList folge = {"VokalFeld",   "BrowserKnopf", "SpeedButton1", "PanKlang",
                                   "PanEnd",      "PanLied",      "PanSchuett",   "VorSort",
                                   "ZeigAkzente", "Akzentuirung", "PlusRadio",    "AbbruchButton",
                                   "SuchEingabe", "StringGrid1"};
        QStringList vorwaerts;
        for (int i = 0; i <= folge.size(); ++i) {
            vorwaerts << Fokus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(vorwaerts, folge + QStringList{"VokalFeld"});
        QStringList rueckwaerts;
        for (int i = 0; i <= folge.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            rueckwaerts.prepend(Fokus());
        }
        QCOMPARE(rueckwaerts, folge + QStringList{"VokalFeld"});
    }

    void panelMitTastenGedrueckt() {
        Aktivieren();
        Tippen(*fenster, QStringLiteral("Liese"));
        auto* lied = Kind<KnopfPanel>(*fenster, "PanLied");
        lied->setFocus();
        QTest::keyClick(lied, Qt::Key_Space);
        QVERIFY(Zellen(*fenster).contains(QStringLiteral("Miene")));
        Kind<KnopfPanel>(*fenster, "PanEnd")->setFocus();
        Tippen(*fenster, QStringLiteral("eide"));
        auto* end = Kind<KnopfPanel>(*fenster, "PanEnd");
        end->setFocus();
        QTest::keyClick(end, Qt::Key_Return);
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

    void sitzungNurMitTastatur() {
        Aktivieren();
        const auto taste = [](Qt::Key k, Qt::KeyboardModifiers m = {}) {
            QTest::keyClick(QApplication::focusWidget(), k, m);
        };
        // Tab from the vowel field round to the search box, two searches.
        Kind<QWidget>(*fenster, "VokalFeld")->setFocus();
        for (int mal = 0; mal < 13 && Fokus() != QStringLiteral("SuchEingabe"); ++mal)
            taste(Qt::Key_Tab);
        QCOMPARE(Fokus(), QStringLiteral("SuchEingabe"));
        for (const char* text : {"eide", "eim"}) {
            taste(Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
            taste(Qt::Key_Return);
        }
        QVERIFY(Zellen(*fenster).contains(QStringLiteral("Reim")));
        // Tab on over the grid to the history arrows, one step back.
        taste(Qt::Key_Tab);
        QCOMPARE(Fokus(), QStringLiteral("StringGrid1"));
        taste(Qt::Key_Tab);
        taste(Qt::Key_Tab);
        QCOMPARE(Fokus(), QStringLiteral("BrowserKnopf"));
        taste(Qt::Key_Left);
        QCOMPARE(Zellen(*fenster).size(), 7);
        // Back to the grid, select all and copy.
        taste(Qt::Key_Backtab);
        taste(Qt::Key_Backtab);
        QCOMPARE(Fokus(), QStringLiteral("StringGrid1"));
        taste(Qt::Key_A, Qt::ControlModifier);
        taste(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("beeide\nbeide\nKreide\nmeide\nneide\nSeide\nWeide"));
    }

    void altSOeffnetSuchstart() {
        Aktivieren();
        QTest::keyClick(fenster.get(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), Kind<QMenu>(*fenster, "hallo1"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    void fokusrahmenNurUmDieAktuelleZelle() {
        Aktivieren();
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        gitter->setFocus();
        gitter->setCurrentIndex(Gitter(*fenster)->index(1, 1));
        const QImage bild = gitter->viewport()->grab().toImage();
        const auto dunkel = [&](int spalte, int zeile) {
            const QRect zelle = gitter->visualRect(Gitter(*fenster)->index(zeile, spalte));
            int anzahl = 0;
            for (int x = zelle.left(); x <= zelle.right(); ++x)
                anzahl += qGray(bild.pixel(x, zelle.top() + 1)) < 64;
            return anzahl;
        };
        QVERIFY2(dunkel(1, 1) > 20, qPrintable(QString::number(dunkel(1, 1))));
        QCOMPARE(dunkel(1, 0), 0);
        QCOMPARE(dunkel(2, 1), 0);
    }

    void langeWorteBehaltenIhrEnde() {
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        const int rand =
            2 * (gitter->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, gitter) + 1);
        const QFontMetrics masse(gitter->font());
        for (const QString& wort :
             {QStringLiteral("wahrscheinlich"), QStringLiteral("selbstverständlich"),
              QStringLiteral("Schlafzimmer")})
            QVERIFY2(masse.horizontalAdvance(wort) <= gitter->columnWidth(0) - rand,
                     qPrintable(wort));
        QCOMPARE(gitter->textElideMode(), Qt::ElideLeft);
        fenster->SGFuellen({"Donaudampfschifffahrtsgesellschaft", "Kanne"});
        QCOMPARE(Gitter(*fenster)->index(0, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Donaudampfschifffahrtsgesellschaft"));
        QVERIFY(Gitter(*fenster)->index(0, 3).data(Qt::ToolTipRole).isNull());
    }
};

QUANDEL_FENSTERTEST(TastaturTest);
#include "tastatur_test.moc"
