#include "fenstertest.h"
#include "tests/mitasan.h"
#include "ui/knopfpanel.h"

#include <QListWidget>
#include <fstream>
#include <functional>
#include <unistd.h>
#include <vector>

using namespace quandel;
using namespace quandel::testhilfe;

namespace {

// Searches before the measurement: caches, fonts, the sound keys. AddressSanitizer's
// allocator, which hands out freed memory only after a quarantine, settles after a few
// thousand (its growth per 1,000 searches: 12 MB, 5 MB, then about 1 MB).
#ifdef QUANDEL_MIT_ASAN
constexpr int kAufwaermen = 3000;
#else
constexpr int kAufwaermen = 100;
#endif

// The resident memory of this process in KB.
long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long seiten = 0;
    long resident = 0;
    statm >> seiten >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

// A long run of searches through the window's controls keeps no more memory than a short one.
class SpeicherFensterTest : public FensterTest {
    Q_OBJECT

    // One search typed and started as a user does, with its check of what the window shows.
    struct Suche {
        QString text;
        std::function<void()> starten;
        int zellen; // non-empty cells afterwards; 0: "kein Eintrag"
    };

    std::vector<Suche> suchen() {
        THauptFenster& f = *fenster;
        const auto klick = [&f](const char* panel) {
            return [&f, panel] { Klicken(Kind<KnopfPanel>(f, panel)); };
        };
        const auto enter = [&f] { QTest::keyClick(Eingabe(f), Qt::Key_Return); };
        const auto stabTaste = [&f] {
            QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        };
        int mitS = 0;
        for (const std::string_view klein : f.lexikon().Kleinwortliste())
            mitS += klein.starts_with('s') ? 1 : 0;
        // The history keeps every end, song, spoonerism and sound search with hits, which is
        // what it is for; so these find hits in the stock and the limit word "q" (+) drops
        // them all, and the hidden alliteration search, which the history does not keep,
        // lays its hits into the grid.
        return {
            {QStringLiteral("e q"), klick("PanEnd"), 0},
            {QStringLiteral("e q"), enter, 0}, // the end rhyme is the active mode now
            {QStringLiteral("R eim q"), klick("PanSchuett"), 0},
            {QStringLiteral("Liese q"), klick("PanLied"), 0},
            {QStringLiteral("Haus q"), klick("PanKlang"), 0},
            {QStringLiteral("s"), stabTaste, mitS},
        };
    }

    // Runs the searches in turn until n have run; false at the first one that did not show
    // what it should.
    bool suchenLassen(const std::vector<Suche>& liste, int n) {
        for (int i = 0; i < n; ++i) {
            const Suche& suche = liste[static_cast<std::size_t>(i) % liste.size()];
            Tippen(*fenster, suche.text);
            suche.starten();
            const auto zellen = Zellen(*fenster).size();
            const bool ok = suche.zellen == 0 ? zellen == 0 && Beschriftung(*fenster, "Label1") ==
                                                                   QStringLiteral("kein Eintrag")
                                              : zellen == suche.zellen;
            if (!ok) {
                qWarning("Suche %d (%s): %lld Zellen", i, qPrintable(suche.text),
                         static_cast<long long>(zellen));
                return false;
            }
        }
        return true;
    }

private slots:
    void tausendSuchenWachsenUmWenigerAlsAchtMegabyte() {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        const std::vector<Suche> liste = suchen();
        QVERIFY(liste.back().zellen > 100);

        QVERIFY(suchenLassen(liste, kAufwaermen));
        const long vorher = residentKb();
        QVERIFY(suchenLassen(liste, 1000));
        const long nachher = residentKb();
        // None of them went into the history.
        QCOMPARE(Kind<QListWidget>(*fenster, "BrowseListBox")->count(), 0);
        const QString zahlen = QStringLiteral("%1 KB nach dem Aufwärmen, %2 KB nach 1000 Suchen")
                                   .arg(vorher)
                                   .arg(nachher);
        qInfo("%s", qPrintable(zahlen));
        QVERIFY2(nachher - vorher < 8 * 1024, qPrintable(zahlen));
    }
};

QUANDEL_FENSTERTEST(SpeicherFensterTest);
#include "speicher_fenster_test.moc"
