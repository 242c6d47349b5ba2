#include "fenstertest.h"
#include "ui/knopfpanel.h"

#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>

using namespace quandel;
using namespace quandel::testhilfe;

namespace {

const QColor kEnd(226, 177, 129);
const QColor kLied(214, 163, 143);
const QColor kSchuettel(191, 128, 128);

} // namespace

// The search history: recording, the arrows, the drop-down list and showing an entry again.
class HistorieTest : public FensterTest {
    Q_OBJECT

    QScrollBar* Pfeile() { return Kind<QScrollBar>(*fenster, "BrowserKnopf"); }
    QListWidget* Liste() { return Kind<QListWidget>(*fenster, "BrowseListBox"); }

    void Suchen(const QString& text, const char* panel) {
        Tippen(*fenster, text);
        Klicken(Kind<KnopfPanel>(*fenster, panel));
    }

    // A press of the left or right arrow key while the arrows have the focus.
    void Pfeil(Qt::Key taste) {
        Pfeile()->setFocus();
        QTest::keyClick(Pfeile(), taste);
    }

    QColor GitterFarbe() {
        return Gitter(*fenster)->index(0, 0).data(Qt::BackgroundRole).value<QColor>();
    }

    // Three searches: end rhyme "eide", song rhyme "Liese", spoonerism "Reim".
    void DreiSuchen() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        Suchen(QStringLiteral("Liese"), "PanLied");
        Suchen(QStringLiteral("Reim"), "PanSchuett");
    }

private slots:
    void dreiSuchenDannZweimalLinks() {
        DreiSuchen();
        const QStringList lied = [&] {
            Pfeil(Qt::Key_Left);
            return Zellen(*fenster);
        }();
        QCOMPARE(Liste()->count(), 3);
        QCOMPARE(Pfeile()->maximum(), 2);
        QCOMPARE(Pfeile()->value(), 1);
        QVERIFY(lied.contains(QStringLiteral("Miene")));
        QCOMPARE(GitterFarbe(), kLied);

        Pfeil(Qt::Key_Left);
        QCOMPARE(Zellen(*fenster),
                 QStringList({"beeide", "beide", "Kreide", "meide", "neide", "Seide", "Weide"}));
        QCOMPARE(GitterFarbe(), kEnd);
        QCOMPARE(Eingabe(*fenster)->currentText(), QStringLiteral("eide"));
        QCOMPARE(Eingabe(*fenster)->palette().color(QPalette::Base), kEnd);
        QCOMPARE(Liste()->currentRow(), 0);
        QVERIFY(Liste()->item(0)->isSelected());
        // No wrap-around: a further left press stays on the first entry.
        Pfeil(Qt::Key_Left);
        QCOMPARE(Pfeile()->value(), 0);
        // The entry's mode is the mode Enter now repeats: the song rhyme of the text typed.
        Pfeil(Qt::Key_Right);
        TippenUndEnter(*fenster, QStringLiteral("Liese"));
        QCOMPARE(Zellen(*fenster), lied);
        QCOMPARE(Liste()->count(), 4);
    }

    void schuettelEintragSperrtDieRichtung() {
        DreiSuchen();
        auto* vor = Kind<QRadioButton>(*fenster, "VorSort");
        auto* rueck = Kind<QRadioButton>(*fenster, "RueckSort");
        const QStringList schuettel = Zellen(*fenster);
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("Reim"));
        Pfeil(Qt::Key_Left);
        Pfeil(Qt::Key_Left);
        QVERIFY(vor->isEnabled() && rueck->isEnabled());
        Klicken(rueck); // the end rhyme entry goes by the direction now checked
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("beide"));
        Pfeil(Qt::Key_Right);
        Pfeil(Qt::Key_Right);
        QVERIFY(!vor->isEnabled() && !rueck->isEnabled());
        QCOMPARE(Zellen(*fenster), schuettel); // its own order, not re-sorted by "Rueck"
        QCOMPARE(GitterFarbe(), kSchuettel);
        Pfeil(Qt::Key_Left);
        Pfeil(Qt::Key_Left);
        QVERIFY(vor->isEnabled() && rueck->isEnabled());
    }

    void unterVorAufgenommenInRueckGezeigt() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        TippenUndEnter(*fenster, QStringLiteral("eim"));
        Klicken(Kind<QRadioButton>(*fenster, "RueckSort"));
        Pfeil(Qt::Key_Left);
        QCOMPARE(Zellen(*fenster),
                 QStringList({"beide", "beeide", "meide", "neide", "Kreide", "Seide", "Weide"}));
    }

    void keinEintragOhneTrefferUndFuerStabreim() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        TippenUndEnter(*fenster, QStringLiteral("qxqxq"));
        Tippen(*fenster, QStringLiteral("sch"));
        Kind<KnopfPanel>(*fenster, "PanStab")->Klicken();
        QVERIFY(Zellen(*fenster).size() > 100);
        QCOMPARE(Liste()->count(), 1);
        QCOMPARE(Pfeile()->maximum(), 0);
        QCOMPARE(Liste()->item(0)->text(), QStringLiteral("eide"));
    }

    void ohneHistorieAendernDiePfeileNichts() {
        fenster->SGFuellen({"Kanne", "Lawine"});
        Pfeil(Qt::Key_Right);
        Pfeil(Qt::Key_Left);
        QCOMPARE(Zellen(*fenster), QStringList({"Kanne", "Lawine"}));
        QCOMPARE(Pfeile()->value(), 0);
    }

    void listeInDenModusfarben() {
        DreiSuchen();
        QCOMPARE(Liste()->item(0)->background().color(), kEnd);
        QCOMPARE(Liste()->item(1)->background().color(), kLied);
        QCOMPARE(Liste()->item(2)->background().color(), kSchuettel);
        QCOMPARE(Liste()->item(1)->text(), QStringLiteral("Liese"));
        QCOMPARE(Liste()->palette().color(QPalette::Highlight), QColor(156, 187, 220));
        QCOMPARE(Liste()->visualItemRect(Liste()->item(1)).height(), 16);
    }

    void doppelklickZeigtUndSchliesst() {
        DreiSuchen();
        auto* knopf = Kind<QToolButton>(*fenster, "SpeedButton1");
        Klicken(knopf);
        QVERIFY(Liste()->isVisible());
        const QRect eintrag = Liste()->visualItemRect(Liste()->item(0));
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, eintrag.center());
        QTest::mouseDClick(Liste()->viewport(), Qt::LeftButton, {}, eintrag.center());
        QVERIFY(!Liste()->isVisible());
        QCOMPARE(Pfeile()->value(), 0);
        QCOMPARE(Zellen(*fenster).size(), 7);
        QCOMPARE(Eingabe(*fenster)->currentText(), QStringLiteral("eide"));
        Klicken(knopf); // shown again at once
        QVERIFY(Liste()->isVisible());
        Klicken(knopf);
        QVERIFY(!Liste()->isVisible());
    }

    void listePerTastaturUndVerstecktBeiFokusverlust() {
        DreiSuchen();
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        auto* knopf = Kind<QToolButton>(*fenster, "SpeedButton1");
        knopf->setFocus();
        QTest::keyClick(knopf, Qt::Key_Space);
        QVERIFY(Liste()->isVisible());
        QVERIFY(Liste()->hasFocus());
        QTest::keyClick(Liste(), Qt::Key_Up);
        QTest::keyClick(Liste(), Qt::Key_Return);
        QVERIFY(!Liste()->isVisible());
        QCOMPARE(Pfeile()->value(), 1);
        QCOMPARE(GitterFarbe(), kLied);

        knopf->setFocus();
        QTest::keyClick(knopf, Qt::Key_Space);
        QVERIFY(Liste()->hasFocus());
        Eingabe(*fenster)->setFocus();
        QVERIFY(!Liste()->isVisible());

        // Escape closes it as well, and the keyboard is back where it was.
        knopf->setFocus();
        QTest::keyClick(knopf, Qt::Key_Space);
        QTest::keyClick(Liste(), Qt::Key_Escape);
        QVERIFY(!Liste()->isVisible());
        QVERIFY(knopf->hasFocus());
        // Tab moves on from the list to the next control of its row.
        QTest::keyClick(knopf, Qt::Key_Space);
        QTest::keyClick(Liste(), Qt::Key_Tab);
        QVERIFY(!Liste()->isVisible());
        QVERIFY(Kind<QWidget>(*fenster, "PanKlang")->hasFocus());
    }

    void mitDerMausGeoeffnetSchliesstSieWieEineAufklappliste() {
        DreiSuchen();
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        auto* knopf = Kind<QToolButton>(*fenster, "SpeedButton1");
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        Klicken(knopf);
        QVERIFY(Liste()->isVisible());
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, {5, 5});
        QVERIFY(gitter->hasFocus());
        QVERIFY(!Liste()->isVisible());

        Klicken(knopf);
        QVERIFY(Liste()->isVisible());
        Eingabe(*fenster)->setFocus(Qt::MouseFocusReason);
        QVERIFY(!Liste()->isVisible());
        // The search box takes the keys again: Down leaves its text, Enter searches that text.
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Down);
        QCOMPARE(Eingabe(*fenster)->currentText(), QStringLiteral("Reim"));
    }

    void pfeileUndKnopfZeigenDenFokus() {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        auto* vokale = Kind<QLineEdit>(*fenster, "VokalFeld");
        auto* knopf = Kind<QToolButton>(*fenster, "SpeedButton1");
        vokale->setFocus();
        const QImage pfeileOhne = Pfeile()->grab().toImage();
        const QImage knopfOhne = knopf->grab().toImage();
        QTest::keyClick(vokale, Qt::Key_Tab);
        QVERIFY(Pfeile()->hasFocus());
        QVERIFY(Pfeile()->grab().toImage() != pfeileOhne);
        QTest::keyClick(Pfeile(), Qt::Key_Tab);
        QVERIFY(knopf->hasFocus());
        QVERIFY(Pfeile()->grab().toImage() == pfeileOhne);
        QVERIFY(knopf->grab().toImage() != knopfOhne);
    }
};

QUANDEL_FENSTERTEST(HistorieTest);
#include "historie_test.moc"
