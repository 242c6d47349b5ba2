// The keys of a run's word stock: stored keys taken where they belong to the stock, missing
// or stale ones computed (live espeak-ng), and the computing stopped by the abort flag.
#include "data/klang_eingebaut.h"
#include "search/klangbestand.h"
#include "tests/testlexikon.h"
#include "text/fehler.h"

#include <gtest/gtest.h>

namespace quandel::test {
namespace {

std::unique_ptr<Lexikon> LexikonAus(const std::vector<std::string>& utf8) {
    std::vector<std::string> zeilen;
    for (const std::string& zeile : utf8)
        zeilen.push_back(cp(zeile));
    auto lexikon = std::make_unique<Lexikon>();
    EreignisHaken haken;
    lexikon->LexikonAufbauen(zeilen, kVokalfeldVorgabe, haken);
    return lexikon;
}

struct Zaehler {
    int meldungen = 0;
    Berechnung berechnung() {
        Berechnung b;
        b.fortschritt = [this](std::uint64_t, std::uint64_t) { ++meldungen; };
        return b;
    }
};

TEST(Klangbestand, StoredKeysThatBelongAreTakenAsTheyAre) {
    Klangbestand klang{Aussprachetabelle()};
    EXPECT_FALSE(klang.Bereit(EingebautesLexikon()));
    Zaehler zaehler;
    ASSERT_TRUE(klang.Vorbereiten(EingebautesLexikon(), daten::EingebauterKlangIndex(),
                                  zaehler.berechnung()));
    EXPECT_EQ(zaehler.meldungen, 0) << "nothing computed";
    EXPECT_TRUE(klang.Bereit(EingebautesLexikon()));
    EXPECT_EQ(klang.Index()->Pruefsumme(), daten::EingebauterKlangIndex().Pruefsumme());
}

TEST(Klangbestand, MissingOrStaleKeysAreComputed) {
    const std::unique_ptr<Lexikon> liste =
        LexikonAus({"Bahn", "Bahnhof", "Hof", "Trost", "Rost", "Frost"});
    const Lexikon& lexikon = *liste;
    Klangbestand klang{Aussprachetabelle()};
    Zaehler zaehler;
    // The built-in stock's keys are stale for this list.
    ASSERT_TRUE(klang.Vorbereiten(lexikon, daten::EingebauterKlangIndex(), zaehler.berechnung()));
    EXPECT_GT(zaehler.meldungen, 0);
    EXPECT_TRUE(klang.Bereit(lexikon));
    EXPECT_FALSE(klang.Bereit(EingebautesLexikon()));

    SuchKontext kontext(lexikon, VorgabeLautersetzung());
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = "Rost";
    EXPECT_EQ(klang.Suchen(kontext, einstellungen, {}).treffer,
              (std::vector<std::string>{"Frost"}));
    einstellungen.suchtext = "Hof";
    EXPECT_EQ(klang.Suchen(kontext, einstellungen, {}).treffer,
              (std::vector<std::string>{"Bahnhof"}));

    // Without stored keys too; prepared keys are not computed again.
    Klangbestand ohne{Aussprachetabelle()};
    ASSERT_TRUE(ohne.Vorbereiten(lexikon, std::nullopt, {}));
    Zaehler nochmal;
    ASSERT_TRUE(ohne.Vorbereiten(lexikon, std::nullopt, nochmal.berechnung()));
    EXPECT_EQ(nochmal.meldungen, 0);
}

TEST(Klangbestand, AbortLeavesNoKeys) {
    Klangbestand klang{Aussprachetabelle()};
    std::atomic<bool> abbruch{true};
    Berechnung berechnung;
    berechnung.abbruch = &abbruch;
    EXPECT_FALSE(klang.Vorbereiten(EingebautesLexikon(), std::nullopt, berechnung));
    EXPECT_FALSE(klang.Bereit(EingebautesLexikon()));
    SuchKontext kontext(EingebautesLexikon(), VorgabeLautersetzung());
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = "Rost";
    EXPECT_THROW(klang.Suchen(kontext, einstellungen, {}), Fehler);
}

} // namespace
} // namespace quandel::test
