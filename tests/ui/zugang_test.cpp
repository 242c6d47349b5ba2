// What screen readers read: every control of the windows has a German name and description,
// and the grid's cells give their words.
#include "fenstertest.h"
#include "ui/akzentmonitor.h"
#include "ui/knopfpanel.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTimer>

namespace quandel::testhilfe {

namespace {

QString Text(QObject* objekt, QAccessible::Text art) {
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(objekt);
    return zugang ? zugang->text(art) : QStringLiteral("<keine Schnittstelle>");
}

// The controls of a window a user can reach: visible and taking the focus.
QList<QWidget*> Erreichbar(QWidget& fenster) {
    QList<QWidget*> widgets;
    for (QWidget* widget : fenster.findChildren<QWidget*>())
        if (widget->isVisible() && widget->focusPolicy() != Qt::NoFocus)
            widgets << widget;
    return widgets;
}

// Each widget's name and description, as QAccessible gives them, are the ones the program set;
// returns the widgets that fail, by objectName and class, for the message.
QStringList Unbenannt(const QList<QWidget*>& widgets) {
    QStringList fehlend;
    for (QWidget* widget : widgets) {
        const QString name = Text(widget, QAccessible::Name);
        if (widget->accessibleName().isEmpty() || name != widget->accessibleName() ||
            widget->accessibleDescription().isEmpty() ||
            Text(widget, QAccessible::Description) != widget->accessibleDescription())
            fehlend << widget->objectName() + QLatin1Char(':') +
                           QString::fromLatin1(widget->metaObject()->className());
    }
    return fehlend;
}

} // namespace

class ZugangTest : public FensterTest {
    Q_OBJECT

private slots:
    void hauptfensterNenntJedesSteuerelement() {
        const QList<QWidget*> erreichbar = Erreichbar(*fenster);
        QVERIFY(erreichbar.size() >= 15);
        QCOMPARE(Unbenannt(erreichbar), QStringList());

        // The mode panels, hidden ones too, and the arrows, by what they do.
        QCOMPARE(Text(Kind<KnopfPanel>(*fenster, "PanEnd"), QAccessible::Name),
                 QStringLiteral("Endreim"));
        QCOMPARE(Text(Kind<KnopfPanel>(*fenster, "PanSchuett"), QAccessible::Name),
                 QStringLiteral("Schüttelreim"));
        QCOMPARE(Text(Kind<KnopfPanel>(*fenster, "PanSinn"), QAccessible::Name),
                 QStringLiteral("Sinnverwandt"));
        QList<QWidget*> panels;
        for (KnopfPanel* panel : fenster->findChildren<KnopfPanel*>())
            panels << panel;
        QCOMPARE(panels.size(), 6);
        QCOMPARE(Unbenannt(panels), QStringList());
        // A panel is a button to the reader, and pressing it searches.
        QAccessibleInterface* panel =
            QAccessible::queryAccessibleInterface(Kind<KnopfPanel>(*fenster, "PanEnd"));
        QCOMPARE(panel->role(), QAccessible::Button);
        QVERIFY(panel->actionInterface());
        Tippen(*fenster, QStringLiteral("eide"));
        panel->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Zelle(*fenster, 2, 0), QStringLiteral("Kreide"));

        QCOMPARE(Text(Kind<QScrollBar>(*fenster, "BrowserKnopf"), QAccessible::Name),
                 QStringLiteral("Suchverlauf"));
        QVERIFY(Text(Kind<QScrollBar>(*fenster, "BrowserKnopf"), QAccessible::Description)
                    .contains(QStringLiteral("frühere Suchen")));
        QCOMPARE(Unbenannt({Kind<QWidget>(*fenster, "BrowseListBox")}), QStringList());
    }

    void rasterzellenGebenIhrWort() {
        auto* gitter = Kind<QTableView>(*fenster, "StringGrid1");
        QCOMPARE(Text(gitter, QAccessible::Name), QStringLiteral("Trefferraster"));
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(gitter);
        QVERIFY(zugang && zugang->tableInterface());
        QAccessibleTableInterface* tabelle = zugang->tableInterface();
        QCOMPARE(tabelle->columnCount(), 4);
        QAccessibleInterface* zelle = tabelle->cellAt(0, 2);
        QVERIFY(zelle);
        QCOMPARE(zelle->text(QAccessible::Name), QStringLiteral("Kreide"));
        QCOMPARE(zelle->text(QAccessible::Description), QStringLiteral("Zeile 1, Spalte 3"));
        QCOMPARE(tabelle->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("neide"));
        QCOMPARE(tabelle->cellAt(5, 3)->text(QAccessible::Name), QStringLiteral("leer"));
    }

    void nebenfensterUndDialoge() {
        for (const char* aktion :
             {"Wortlistenfenster1", "Akzentmonitor1", "Hauptfenster1", "UeberQuandelTornar1"})
            Kind<QAction>(*fenster, aktion)->trigger();
        for (const char* name : {"ListForm", "AkzentMonitor", "HilfeFenster", "UeberDialog"}) {
            QWidget* nebenfenster = Kind<QWidget>(*fenster, name);
            QVERIFY(QTest::qWaitForWindowExposed(nebenfenster));
            QList<QWidget*> erreichbar = Erreichbar(*nebenfenster);
            QVERIFY2(!erreichbar.isEmpty(), name);
            QCOMPARE(Unbenannt(erreichbar << nebenfenster), QStringList());
        }
        auto& monitor = fenster->akzentMonitor();
        QCOMPARE(Text(Kind<QWidget>(monitor, "TreeView1"), QAccessible::Name),
                 QStringLiteral("Lautgruppen"));
        QCOMPARE(Text(Kind<QWidget>(monitor, "AddChild"), QAccessible::Name),
                 QStringLiteral("Schreibweise hinzufügen"));

        // The dialog of the sense.
        Kind<QAction>(*fenster, "SinnM")->trigger();
        QWidget* sinn = Kind<QWidget>(*fenster, "SinnDialog");
        QVERIFY(QTest::qWaitForWindowExposed(sinn));
        QCOMPARE(Unbenannt(Erreichbar(*sinn) << sinn), QStringList());
        sinn->close();

        // A message box names itself and gives its text.
        QStringList meldung;
        QTimer::singleShot(0, this, [&meldung] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            meldung = Unbenannt(Erreichbar(*box) << box);
            meldung << Text(box, QAccessible::Name) << Text(box, QAccessible::Description);
            box->close();
        });
        fenster->dialoge().Fehler(QStringLiteral("Datei x kann nicht geöffnet werden"));
        QCOMPARE(meldung, (QStringList{"Fehler", "Datei x kann nicht geöffnet werden"}));
    }
};

} // namespace quandel::testhilfe

QUANDEL_FENSTERTEST(quandel::testhilfe::ZugangTest);
#include "zugang_test.moc"
