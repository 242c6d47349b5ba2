#include "fenstertest.h"

#include <QAction>
#include <QMenu>
#include <QRadioButton>

using namespace quandel;
using namespace quandel::testhilfe;

// The result grid: lay-out, ordering, the resize rule, selection and the direction and limit
// switches with their menu mirrors.
class GitterTest : public FensterTest {
    Q_OBJECT

private slots:
    void startMitZwanzigZeilen() {
        QCOMPARE(Gitter(*fenster)->rowCount(), 20);
        QCOMPARE(Gitter(*fenster)->columnCount(), 4);
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        QCOMPARE(gitter->height(), 333);
        QCOMPARE(gitter->columnWidth(0), 97);
        QCOMPARE(gitter->rowHeight(0), 24);
    }

    void fuenfTrefferInVierSpalten() {
        fenster->SGFuellen({"a1", "a2", "a3", "a4", "a5"});
        QCOMPARE(Zelle(*fenster, 3, 0), QStringLiteral("a4"));
        QCOMPARE(Zelle(*fenster, 0, 1), QStringLiteral("a5"));
        QCOMPARE(Zelle(*fenster, 1, 1), QString());
        QCOMPARE(Beschriftung(*fenster, "Label2"), QStringLiteral("LastGridList 5 Zeilen 2"));
        // 2 rows of 24 pixels leave most of the 333 pixels empty: 333 / 24 + 1 rows.
        QCOMPARE(Gitter(*fenster)->rowCount(), 14);
        QCOMPARE(Zellen(*fenster).size(), 5);
    }

    void achtTrefferFuellenZweiZeilen() {
        fenster->SGFuellen({"b1", "b2", "b3", "b4", "b5", "b6", "b7", "b8"});
        QCOMPARE(Zelle(*fenster, 3, 1), QStringLiteral("b8"));
        for (int spalte = 0; spalte < 4; ++spalte)
            QCOMPARE(Zelle(*fenster, spalte, 2), QString());
        QCOMPARE(Zellen(*fenster), QStringList({"b1", "b2", "b3", "b4", "b5", "b6", "b7", "b8"}));
        QCOMPARE(Beschriftung(*fenster, "Label2"), QStringLiteral("LastGridList 8 Zeilen 2"));
    }

    void vieleTrefferBrauchenVieleZeilen() {
        std::vector<std::string> treffer;
        for (int i = 0; i < 101; ++i)
            treffer.push_back(std::to_string(1000 + i));
        fenster->SGFuellen(treffer);
        QCOMPARE(Gitter(*fenster)->rowCount(), 26);
        QCOMPARE(Zelle(*fenster, 0, 25), QStringLiteral("1100"));
    }

    void kanneLawinePlane() {
        fenster->SGFuellen({"Lawine", "Plane", "Kanne"});
        QCOMPARE(Zellen(*fenster), QStringList({"Kanne", "Lawine", "Plane"}));
        Klicken(Kind<QRadioButton>(*fenster, "RueckSort"));
        QCOMPARE(Zellen(*fenster), QStringList({"Plane", "Lawine", "Kanne"}));
    }

    void baerVorSehrRueckwaerts() {
        Klicken(Kind<QRadioButton>(*fenster, "RueckSort"));
        fenster->SGFuellen({"sehr", "B\xE4r"});
        QCOMPARE(Zellen(*fenster), QStringList({"Bär", "sehr"}));
    }

    void vergroessernErgaenztZeilenVerkleinernNie() {
        fenster->SGFuellen({"a1", "a2", "a3", "a4", "a5"});
        QCOMPARE(Gitter(*fenster)->rowCount(), 14);
        fenster->resize(fenster->width(), fenster->height() + 100);
        QCOMPARE(Kind<QTableView>(*fenster, "StringGrid1")->height(), 433);
        QCOMPARE(Gitter(*fenster)->rowCount(), 433 / 24 + 1);
        fenster->resize(fenster->width(), fenster->height() - 200);
        QCOMPARE(Gitter(*fenster)->rowCount(), 433 / 24 + 1);
    }

    void breiteHoechstens424() {
        fenster->resize(800, fenster->height());
        QCOMPARE(fenster->width(), 424);
    }

    void auswahlSchreibtLabel1() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        const QModelIndex zelle = Gitter(*fenster)->index(1, 2);
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {},
                          gitter->visualRect(zelle).center());
        QCOMPARE(Beschriftung(*fenster, "Label1"), QStringLiteral("Weide"));
        // A double click neither edits the cell nor starts a search.
        QTest::mouseDClick(gitter->viewport(), Qt::LeftButton, {},
                           gitter->visualRect(zelle).center());
        QVERIFY(!gitter->findChild<QLineEdit*>());
        QCOMPARE(Zelle(*fenster, 2, 1), QStringLiteral("Weide"));
        QCOMPARE(Zellen(*fenster).size(), 7);
    }

    void menueHakenFolgenDenKnoepfen() {
        auto* ausgabe = Kind<QMenu>(*fenster, "Ausgabe1");
        auto* plusM = Kind<QAction>(*fenster, "PlusM");
        auto* minusM = Kind<QAction>(*fenster, "MinusM");
        auto* vorM = Kind<QAction>(*fenster, "VorM");
        auto* rueckM = Kind<QAction>(*fenster, "RueckM");
        ausgabe->popup(fenster->mapToGlobal(QPoint(0, 0)));
        QVERIFY(plusM->isChecked() && !minusM->isChecked());
        QVERIFY(vorM->isChecked() && !rueckM->isChecked());
        ausgabe->hide();

        Klicken(Kind<QRadioButton>(*fenster, "MinusRadio"));
        Klicken(Kind<QRadioButton>(*fenster, "RueckSort"));
        ausgabe->popup(fenster->mapToGlobal(QPoint(0, 0)));
        QVERIFY(!plusM->isChecked() && minusM->isChecked());
        QVERIFY(!vorM->isChecked() && rueckM->isChecked());
        ausgabe->hide();
    }

    void menueSchaltetKnoepfe() {
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        Kind<QAction>(*fenster, "RueckM")->trigger();
        QVERIFY(Kind<QRadioButton>(*fenster, "RueckSort")->isChecked());
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("beide"));
        Kind<QAction>(*fenster, "VorM")->trigger();
        QVERIFY(Kind<QRadioButton>(*fenster, "VorSort")->isChecked());
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("beeide"));

        Kind<QAction>(*fenster, "MinusM")->trigger();
        QVERIFY(Kind<QRadioButton>(*fenster, "MinusRadio")->isChecked());
        // The limit mode only acts at the next search.
        QCOMPARE(Zellen(*fenster).size(), 7);
        TippenUndEnter(*fenster, QStringLiteral("eide kreide"));
        QCOMPARE(Zellen(*fenster).size(), 6);
        Kind<QAction>(*fenster, "PlusM")->trigger();
        QVERIFY(Kind<QRadioButton>(*fenster, "PlusRadio")->isChecked());
    }
};

QUANDEL_FENSTERTEST(GitterTest);
#include "gitter_test.moc"
