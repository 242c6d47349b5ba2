#include "fenstertest.h"
#include "text/kodierung.h"
#include "ui/knopfpanel.h"

#include <QSet>

using namespace quandel;
using namespace quandel::testhilfe;

namespace {

const std::string kVokale[] = {"a", "e", "i", "o", "u", "\xE4", "\xF6", "\xFC"};

std::string Vokalfolge(std::string_view wort) {
    std::string folge;
    for (char zeichen : wort)
        for (const std::string& vokal : kVokale)
            if (vokal[0] == zeichen)
                folge += zeichen;
    return folge;
}

QString Text(std::string_view cp1252) {
    return QString::fromStdString(Utf8AusCp1252(cp1252));
}

} // namespace

// The song rhyme and the hidden alliteration search, started from the window.
class LiedStabFensterTest : public FensterTest {
    Q_OBJECT

private slots:
    void lieseFindetGenauDieFolgeIee() {
        const Lexikon& lexikon = fenster->lexikon();
        QSet<QString> erwartet;
        for (std::size_t i = 0; i < lexikon.Kleinwortliste().size(); ++i)
            if (Vokalfolge(lexikon.Kleinwortliste()[i]) == "iee")
                erwartet.insert(Text(lexikon.Wortbestand()[i]));
        QVERIFY(erwartet.contains(QStringLiteral("wieder")));

        Tippen(*fenster, QStringLiteral("Liese"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanLied"));
        const QStringList zellen = Zellen(*fenster);
        QCOMPARE(QSet<QString>(zellen.begin(), zellen.end()), erwartet);
        QCOMPARE(zellen.size(), erwartet.size());
        QVERIFY(!zellen.contains(QStringLiteral("Kiste")));
    }

    void vokalfeldWirktBeiDerNaechstenLiedsuche() {
        const std::size_t schluessel = fenster->lexikon().LiedSchluesselAnzahl();
        Kind<QLineEdit>(*fenster, "VokalFeld")->clear();
        QCOMPARE(fenster->lexikon().LiedSchluesselAnzahl(), schluessel);
        Tippen(*fenster, QStringLiteral("Liese"));
        Klicken(Kind<KnopfPanel>(*fenster, "PanLied"));
        // Without vowels every word has the empty sequence: one key, every non-empty entry.
        QCOMPARE(fenster->lexikon().LiedSchluesselAnzahl(), std::size_t{1});
        QCOMPARE(static_cast<std::size_t>(Zellen(*fenster).size()),
                 fenster->lexikon().Wortbestand().size() - 1);
    }

    void stabreimUeberDieTaste() {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        const Lexikon& lexikon = fenster->lexikon();
        int erwartet = 0;
        for (const std::string_view klein : lexikon.Kleinwortliste())
            erwartet += klein.starts_with("sch") ? 1 : 0;
        QVERIFY(erwartet > 20);

        Tippen(*fenster, QStringLiteral("Sch"));
        QTest::keyClick(fenster.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList zellen = Zellen(*fenster);
        QCOMPARE(zellen.size(), erwartet);
        for (const QString& wort : zellen)
            QVERIFY2(wort.startsWith(QStringLiteral("sch"), Qt::CaseInsensitive), qPrintable(wort));
        QCOMPARE(Eingabe(*fenster)->palette().color(QPalette::Base), QColor(128, 128, 191));

        // Enter after an alliteration search starts nothing.
        TippenUndEnter(*fenster, QStringLiteral("eide"));
        QCOMPARE(Zellen(*fenster), zellen);
    }
};

QUANDEL_FENSTERTEST(LiedStabFensterTest);
#include "lied_stab_fenster_test.moc"
