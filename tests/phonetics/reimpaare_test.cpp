// The quality of the rhymes by sound on two lists of German word pairs, one the keys were tuned
// on and one held out. Pronunciation by the installed espeak-ng, keys as the search makes them.
#include "phonetics/aussprache_eingebaut.h"
#include "phonetics/espeak.h"
#include "phonetics/klang_eingebaut.h"
#include "search/klangreim.h"
#include "tests/testlexikon.h"
#include "text/zeilen.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace quandel::test {
namespace {

struct Bewertung {
    std::size_t paare = 0;
    std::size_t richtig = 0;
    std::string fehler;
};

Bewertung Bewerten(const std::string& datei) {
    std::ifstream ein(std::string(QUANDEL_REIMPAARE) + datei);
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    EspeakAussprecher espeak;
    const Aussprachetabelle korrekturen = daten::Aussprachekorrekturen();
    Aussprache aussprache(espeak, korrekturen);
    const KlangIndex index = daten::EingebauterKlangIndex();
    Klangquelle quelle{aussprache, index};
    Bewertung bewertung;
    for (const std::string& zeile : ZeilenAusUtf8(inhalt.str(), datei)) {
        if (zeile.empty() || zeile[0] == '#')
            continue;
        std::istringstream felder(zeile);
        std::string a, b, urteil;
        felder >> a >> b >> urteil;
        const std::string ka = KlangSchluessel(EingebautesLexikon(), quelle, a, {});
        const std::string kb = KlangSchluessel(EingebautesLexikon(), quelle, b, {});
        const bool reim = !ka.empty() && ka == kb;
        ++bewertung.paare;
        if (reim == (urteil == "reim"))
            ++bewertung.richtig;
        else
            bewertung.fehler += "  " + Utf8AusCp1252(a) + " " + Utf8AusCp1252(b) + " (" + urteil +
                                "): " + WortklangVon(EingebautesLexikon(), quelle, a).lautschrift +
                                " / " + WortklangVon(EingebautesLexikon(), quelle, b).lautschrift +
                                "\n";
    }
    std::printf(
        "%s: %zu von %zu richtig (%.1f %%)\n%s", datei.c_str(), bewertung.richtig, bewertung.paare,
        100.0 * static_cast<double>(bewertung.richtig) / static_cast<double>(bewertung.paare),
        bewertung.fehler.c_str());
    return bewertung;
}

// The scores reached with espeak-ng 1.51 (Debian 12); the misses are listed in the output.
TEST(Reimpaare, TunedList) {
    const Bewertung b = Bewerten("reimpaare_abgestimmt.txt");
    EXPECT_EQ(b.paare, 221u);
    EXPECT_GE(b.richtig, 219u) << b.fehler;
}

TEST(Reimpaare, HeldOutList) {
    const Bewertung b = Bewerten("reimpaare_zurueckgehalten.txt");
    EXPECT_EQ(b.paare, 143u);
    EXPECT_GE(b.richtig, 136u) << b.fehler;
}

// Frequent words espeak-ng misreads, corrected by data/aussprache.txt or by the stress of
// loan-word suffixes.
TEST(Reimpaare, CorrectedWords) {
    EspeakAussprecher espeak;
    const Aussprachetabelle korrekturen = daten::Aussprachekorrekturen();
    Aussprache aussprache(espeak, korrekturen);
    const KlangIndex index = daten::EingebauterKlangIndex();
    Klangquelle quelle{aussprache, index};
    const auto schluessel = [&](const char* wort) {
        return KlangSchluessel(EingebautesLexikon(), quelle, Cp1252AusUtf8(wort), {});
    };
    const std::pair<const char*, const char*> reime[] = {{"werde", "Erde"},
                                                         {"werde", "Pferde"},
                                                         {"werden", "Erden"},
                                                         {"jedoch", "noch"},
                                                         {"zugleich", "gleich"},
                                                         {"sobald", "bald"},
                                                         {"solange", "lange"},
                                                         {"jawohl", "wohl"},
                                                         {"infolge", "Folge"},
                                                         {"wodurch", "durch"},
                                                         {"wofür", "für"},
                                                         {"weshalb", "deshalb"},
                                                         {"seitdem", "bequem"},
                                                         {"Distrikt", "Konflikt"},
                                                         {"umgebracht", "Nacht"},
                                                         {"umgebaut", "laut"},
                                                         {"Atheismus", "Aktionismus"},
                                                         {"Abszessen", "Essen"},
                                                         {"Zypressen", "Essen"},
                                                         {"Kolonnen", "Sonnen"},
                                                         {"Yvonne", "Wonne"}};
    for (const auto& [a, b] : reime) {
        EXPECT_FALSE(schluessel(a).empty()) << a;
        EXPECT_EQ(schluessel(a), schluessel(b)) << a << " / " << b;
    }
    EXPECT_NE(schluessel("Atheismus"), schluessel("Abakus"));
}

} // namespace
} // namespace quandel::test
