#include "fenstertest.h"
#include "ui/knopfpanel.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTextBrowser>

using namespace quandel;
using namespace quandel::testhilfe;

namespace {

// The search by sound of the text, started with Ctrl+K in the search box.
void KlangSuchen(THauptFenster& fenster, const QString& text) {
    Tippen(fenster, text);
    QTest::keyClick(Eingabe(fenster), Qt::Key_K, Qt::ControlModifier);
}

QVariant Rolle(THauptFenster& fenster, int spalte, int zeile, int rolle) {
    QAbstractItemModel* gitter = Gitter(fenster);
    return gitter->data(gitter->index(zeile, spalte), rolle);
}

bool Kursiv(THauptFenster& fenster, int spalte, int zeile) {
    return Rolle(fenster, spalte, zeile, Qt::FontRole).value<QFont>().italic();
}

QColor Textfarbe(THauptFenster& fenster, int spalte, int zeile) {
    return Rolle(fenster, spalte, zeile, Qt::ForegroundRole).value<QColor>();
}

// The letter after "&" in a caption, lower case.
QChar Kuerzel(const QString& text) {
    const qsizetype stelle = text.indexOf(QLatin1Char('&'));
    return stelle < 0 || stelle + 1 >= text.size() ? QChar() : text.at(stelle + 1).toLower();
}

} // namespace

// The order of common words first and the filters of "Ausgabe", and how the grid shows the
// kinds of rhyme.
class KlangRangFensterTest : public FensterTest {
    Q_OBJECT

private slots:
    void schalterImMenueAusgabe() {
        auto* ausgabe = Kind<QMenu>(*fenster, "Ausgabe1");
        const QList<QAction*> eintraege = ausgabe->actions();
        const struct {
            const char* name;
            QString text;
            bool an;
        } schalter[] = {{"KlangRangM", QStringLiteral("Klang nach &Häufigkeit"), true},
                        {"HaeufigM", QStringLiteral("Häufige Wörter zu&erst"), false},
                        {"AbkuerzungenM", QStringLiteral("&Abkürzungen zeigen"), false}};
        for (const auto& s : schalter) {
            QAction* aktion = Aktion(*fenster, s.name);
            QVERIFY2(eintraege.contains(aktion), s.name);
            QCOMPARE(aktion->text(), s.text);
            QVERIFY(aktion->isCheckable());
            QCOMPARE(aktion->isChecked(), s.an);
        }
        auto* silben = Kind<QMenu>(*fenster, "Silben1");
        QVERIFY(eintraege.contains(silben->menuAction()));
        QCOMPARE(silben->title(), QStringLiteral("Si&lben"));
        QStringList texte;
        for (QAction* wahl : silben->actions())
            texte << wahl->text();
        QCOMPARE(texte, (QStringList{"&alle", "&1", "&2", "&3", "&4", "&5 und mehr"}));
        QVERIFY(Aktion(*fenster, "SilbenAlleM")->isChecked());

        // Every entry of the menu is reached by its own letter.
        QSet<QChar> kuerzel;
        for (QAction* eintrag : eintraege) {
            if (eintrag->isSeparator())
                continue;
            const QChar k = Kuerzel(eintrag->text());
            QVERIFY2(!k.isNull(), qPrintable(eintrag->text()));
            QVERIFY2(!kuerzel.contains(k), qPrintable(eintrag->text()));
            kuerzel.insert(k);
        }

        // The help on the window explains each of them and the kinds of rhyme.
        Aktion(*fenster, "Hauptfenster1")->trigger();
        const QString hilfe = Kind<QTextBrowser>(*fenster, "HilfeText")->toPlainText();
        for (const char* begriff :
             {"Klang nach Häufigkeit", "Häufige Wörter zuerst", "Abkürzungen zeigen", "Silben",
              "reinen Reime", "unreinen", "rührenden Reime", "Betonungsmuster"})
            QVERIFY2(hilfe.contains(QString::fromUtf8(begriff)), begriff);
    }

    void rangFuelltDieZeilenNacheinander() {
        KlangSuchen(*fenster, QStringLiteral("Glück"));
        const QStringList rang{"zurück",     "Stück",   "drück",    "Frühstück",
                               "Grundstück", "Unglück", "zum Glück"};
        QCOMPARE(Zellen(*fenster), rang);
        QCOMPARE(Zelle(*fenster, 3, 0), QStringLiteral("Frühstück"));
        QCOMPARE(Zelle(*fenster, 0, 1), QStringLiteral("Grundstück"));
        // The order is the rank's: the direction switches have nothing to order.
        auto* rueck = Kind<QRadioButton>(*fenster, "RueckSort");
        QVERIFY(!rueck->isEnabled());

        // Without the rank the hits come in the order of every search, and "Rueck" orders them.
        Aktion(*fenster, "KlangRangM")->trigger();
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Return);
        QCOMPARE(Zellen(*fenster), (QStringList{"drück", "Frühstück", "Grundstück", "Stück",
                                                "Unglück", "zum Glück", "zurück"}));
        QVERIFY(rueck->isEnabled());
        rueck->click();
        QCOMPARE(Zelle(*fenster, 0, 0), QStringLiteral("zum Glück"));

        // The history shows the ranked search again in its order.
        auto* pfeile = Kind<QScrollBar>(*fenster, "BrowserKnopf");
        pfeile->setValue(pfeile->value() - 1);
        QCOMPARE(Zellen(*fenster), rang);
    }

    void reimartenImGitter() {
        Aktion(*fenster, "UnreinM")->trigger();
        KlangSuchen(*fenster, QStringLiteral("Glück"));
        QCOMPARE(Zelle(*fenster, 1, 0), QStringLiteral("Stück"));
        QCOMPARE(Zelle(*fenster, 1, 1), QStringLiteral("Augenblick"));
        QCOMPARE(Zelle(*fenster, 0, 3), QStringLiteral("Unglück"));
        // Near rhymes in italics, identical rhymes paler, pure rhymes in black upright.
        QVERIFY(!Kursiv(*fenster, 1, 0));
        QCOMPARE(Textfarbe(*fenster, 1, 0), QColor(Qt::black));
        QVERIFY(Kursiv(*fenster, 1, 1));
        QCOMPARE(Textfarbe(*fenster, 1, 1), QColor(Qt::black));
        QVERIFY(!Kursiv(*fenster, 0, 3));
        const QColor blass = Textfarbe(*fenster, 0, 3);
        QVERIFY(blass.lightness() > QColor(Qt::black).lightness());
        QVERIFY(blass.lightness() < 128); // still readable on the green

        // The end rhyme shows the same word plainly; back in the history the marks return.
        Tippen(*fenster, QStringLiteral("blick"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanEnd"));
        const QStringList ende = Zellen(*fenster);
        const int augenblick = static_cast<int>(ende.indexOf(QStringLiteral("Augenblick")));
        QVERIFY(augenblick >= 0);
        QVERIFY(!Kursiv(*fenster, augenblick % 4, augenblick / 4));
        auto* pfeile = Kind<QScrollBar>(*fenster, "BrowserKnopf");
        pfeile->setValue(pfeile->value() - 1);
        QCOMPARE(Zelle(*fenster, 1, 1), QStringLiteral("Augenblick"));
        QVERIFY(Kursiv(*fenster, 1, 1));
        QCOMPARE(Textfarbe(*fenster, 0, 3), blass);
    }

    void tooltipNenntLautschriftSilbenBetonungUndArt() {
        KlangSuchen(*fenster, QStringLiteral("Reise"));
        QCOMPARE(Zelle(*fenster, 1, 0), QStringLiteral("leise"));
        QCOMPARE(Tooltip(*fenster, 1, 0), QStringLiteral("[ˈlaɪzə] 2 Silben (Xx), reiner Reim"));
        Aktion(*fenster, "UnreinM")->trigger();
        KlangSuchen(*fenster, QStringLiteral("Glück"));
        QCOMPARE(Tooltip(*fenster, 1, 1),
                 QStringLiteral("[ˈaʊɡənˌblɪk] 3 Silben (XxX), unreiner Reim"));
        QCOMPARE(Tooltip(*fenster, 0, 3),
                 QStringLiteral("[ˈʊnˌɡlʏk] 2 Silben (XX), rührender Reim"));
    }

    void silbenFilternDieKlangtreffer() {
        KlangSuchen(*fenster, QStringLiteral("Reise"));
        QVERIFY(Zellen(*fenster).contains(QStringLiteral("beweise")));
        QVERIFY(Zellen(*fenster).contains(QStringLiteral("normalerweise")));

        Aktion(*fenster, "Silben2M")->trigger();
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Return);
        QCOMPARE(Zellen(*fenster), (QStringList{"leise", "weise", "preise"}));
        for (int spalte = 0; spalte < 3; ++spalte)
            QVERIFY(Tooltip(*fenster, spalte, 0).contains(QStringLiteral(" 2 Silben ")));

        Aktion(*fenster, "Silben5M")->trigger();
        QVERIFY(!Aktion(*fenster, "Silben2M")->isChecked());
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Return);
        QCOMPARE(Zellen(*fenster),
                 (QStringList{"möglicherweise", "normalerweise", "glücklicherweise"}));

        Aktion(*fenster, "SilbenAlleM")->trigger();
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Return);
        QCOMPARE(Zellen(*fenster).size(), 8);
    }

    void abkuerzungenNurWennGewuenscht() {
        KlangSuchen(*fenster, QStringLiteral("Schnee"));
        QStringList zellen = Zellen(*fenster);
        QVERIFY(zellen.contains(QStringLiteral("Tee")));
        for (const char* abkuerzung : {"SPD", "Pkw", "Lkw", "BRD"})
            QVERIFY2(!zellen.contains(QString::fromLatin1(abkuerzung)), abkuerzung);
        Aktion(*fenster, "AbkuerzungenM")->trigger();
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Return);
        zellen = Zellen(*fenster);
        for (const char* abkuerzung : {"SPD", "Pkw", "Lkw", "BRD"})
            QVERIFY2(zellen.contains(QString::fromLatin1(abkuerzung)), abkuerzung);
    }

    void haeufigeWoerterZuerstInDenAnderenSuchen() {
        Tippen(*fenster, QStringLiteral("eide"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanEnd"));
        QCOMPARE(Zellen(*fenster),
                 (QStringList{"beeide", "beide", "Kreide", "meide", "neide", "Seide", "Weide"}));
        Aktion(*fenster, "HaeufigM")->trigger();
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Return);
        const QStringList rang{"beide", "Seide", "Weide", "Kreide", "meide", "neide", "beeide"};
        QCOMPARE(Zellen(*fenster), rang);
        // "Rueck" does not undo the order of commonness.
        auto* rueck = Kind<QRadioButton>(*fenster, "RueckSort");
        QVERIFY(!rueck->isEnabled());

        // Still switched on: the spoonerism's rows by their least common word.
        Tippen(*fenster, QStringLiteral("Reim"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanSchuett"));
        QCOMPARE(Zellen(*fenster).mid(0, 8),
                 (QStringList{"Reim", "Band", "beim", "Rand", "Reim", "Bein", "beim", "rein"}));
        Aktion(*fenster, "HaeufigM")->trigger();
        QTest::keyClick(Eingabe(*fenster), Qt::Key_Return);
        QCOMPARE(Zellen(*fenster).mid(0, 4), (QStringList{"Reim", "Bad", "beim", "Rad"}));
    }
};

QUANDEL_FENSTERTEST(KlangRangFensterTest);
#include "klang_rang_fenster_test.moc"
