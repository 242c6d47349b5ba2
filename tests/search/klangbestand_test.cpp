// The keys of a run's word stock: stored keys taken where they belong to the stock, missing
// or stale ones computed (live espeak-ng) and saved with the word list's index, and the
// computing stopped by the abort flag.
#include "lexicon/indexcache.h"
#include "phonetics/klang_eingebaut.h"
#include "phonetics/klangabschnitt.h"
#include "search/klangbestand.h"
#include "tests/testcache.h"
#include "tests/testlexikon.h"
#include "text/fehler.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

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

// The hit words in collation order, words read letter by letter included.
SuchErgebnis AlleTreffer(Klangbestand& klang, SuchKontext& kontext,
                         const SuchEinstellungen& einstellungen) {
    Klangwahl wahl;
    wahl.ordnung = Klangordnung::Alphabet;
    wahl.abkuerzungen = true;
    return klang.Suchen(kontext, einstellungen, wahl, Haeufigkeit()).ergebnis;
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
    EXPECT_EQ(AlleTreffer(klang, kontext, einstellungen).treffer,
              (std::vector<std::string>{"Frost"}));
    einstellungen.suchtext = "Hof";
    EXPECT_EQ(AlleTreffer(klang, kontext, einstellungen).treffer,
              (std::vector<std::string>{"Bahnhof"}));

    // Without stored keys too; prepared keys are not computed again.
    Klangbestand ohne{Aussprachetabelle()};
    ASSERT_TRUE(ohne.Vorbereiten(lexikon, std::nullopt, {}));
    Zaehler nochmal;
    ASSERT_TRUE(ohne.Vorbereiten(lexikon, std::nullopt, nochmal.berechnung()));
    EXPECT_EQ(nochmal.meldungen, 0);
}

std::vector<std::string> TrefferWorte(Klangbestand& klang, const Lexikon& lexikon,
                                      const std::string& wort) {
    SuchKontext kontext(lexikon, VorgabeLautersetzung());
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = cp(wort);
    return AlleTreffer(klang, kontext, einstellungen).treffer;
}

TEST(Klangbestand, KeysOfAWordListAreSavedWithItsIndex) {
    const TestCacheOrdner cache;
    const std::string liste = cache.pfad() + "/liste.txt";
    std::ofstream(liste) << "Bahn\nBahnhof\nHof\nTrost\nRost\nFrost\nGehör\nFriseur\n";
    const auto laden = [&] {
        return WortlisteLaden(liste, Kodierung::Utf8, kVokalfeldVorgabe, {}, true);
    };

    LadeErgebnis erst = laden();
    ASSERT_FALSE(erst.indexPfad.empty());
    EXPECT_FALSE(erst.lexikon.Zusatzabschnitt(kKlangAbschnitt, kKlangAbschnittVersion));
    Zaehler berechnet;
    {
        Klangbestand klang{Aussprachetabelle()};
        ASSERT_TRUE(klang.Vorbereiten(erst.lexikon, daten::EingebauterKlangIndex(),
                                      berechnet.berechnung(), erst.indexPfad));
        EXPECT_EQ(TrefferWorte(klang, erst.lexikon, "Gehör"),
                  (std::vector<std::string>{"Friseur"}));
    }
    EXPECT_GT(berechnet.meldungen, 0);

    // The next load maps the index with the keys in it; they are used where they lie, also
    // after the lexicon they came with is gone.
    Klangbestand klang{Aussprachetabelle()};
    {
        LadeErgebnis zweit = laden();
        EXPECT_EQ(zweit.herkunft, Herkunft::Index);
        EXPECT_TRUE(zweit.lexikon.Zusatzabschnitt(kKlangAbschnitt, kKlangAbschnittVersion));
        Zaehler nichts;
        ASSERT_TRUE(
            klang.Vorbereiten(zweit.lexikon, std::nullopt, nichts.berechnung(), zweit.indexPfad));
        EXPECT_EQ(nichts.meldungen, 0) << "nothing computed";
        EXPECT_EQ(TrefferWorte(klang, zweit.lexikon, "Rost"), (std::vector<std::string>{"Frost"}));
    }
    LadeErgebnis dritt = laden();
    EXPECT_TRUE(klang.Bereit(dritt.lexikon));
    EXPECT_EQ(TrefferWorte(klang, dritt.lexikon, "Hof"), (std::vector<std::string>{"Bahnhof"}));

    // Keys made with other corrections are stale: computed again, and saved in their place.
    Aussprachetabelle eigene;
    eigene.Einlesen("Rost r 'o: s t\n", "eigene");
    Klangbestand anders{std::move(eigene)};
    Zaehler nochmal;
    ASSERT_TRUE(
        anders.Vorbereiten(dritt.lexikon, std::nullopt, nochmal.berechnung(), dritt.indexPfad));
    EXPECT_GT(nochmal.meldungen, 0);
    EXPECT_EQ(TrefferWorte(anders, dritt.lexikon, "Rost"), (std::vector<std::string>{"Trost"}));
    // The index keeps one set of keys and all it held before.
    const LadeErgebnis viert = laden();
    EXPECT_EQ(viert.herkunft, Herkunft::Index);
    EXPECT_EQ(viert.lexikon.Wortbestand().size(), dritt.lexikon.Wortbestand().size());
    EXPECT_TRUE(anders.Bereit(viert.lexikon));
    EXPECT_EQ(IndexeUndReste(cache.IndexOrdner()), 1u);
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
    EXPECT_THROW(AlleTreffer(klang, kontext, einstellungen), Fehler);
}

TEST(Klangbestand, KeysInAnIndexChangedSinceServeNoMore) {
    const TestCacheOrdner cache;
    const std::string liste = cache.pfad() + "/geaendert.txt";
    std::ofstream(liste) << "Bahn\nBahnhof\nHof\nTrost\nRost\nFrost\n";
    const auto laden = [&](bool mitIndex) {
        return WortlisteLaden(liste, Kodierung::Utf8, kVokalfeldVorgabe, {}, mitIndex);
    };
    {
        const LadeErgebnis erst = laden(true);
        Klangbestand rechnen{Aussprachetabelle()};
        ASSERT_TRUE(rechnen.Vorbereiten(erst.lexikon, std::nullopt, {}, erst.indexPfad));
    }
    const LadeErgebnis zweit = laden(true);
    Klangbestand klang{Aussprachetabelle()};
    Zaehler nichts;
    ASSERT_TRUE(klang.Vorbereiten(zweit.lexikon, std::nullopt, nichts.berechnung()));
    ASSERT_EQ(nichts.meldungen, 0) << "the keys of the index";

    // Cut short under the mapping: the same words, built anew from the list, get keys anew.
    ASSERT_EQ(::truncate(zweit.indexPfad.c_str(), 0), 0);
    const LadeErgebnis neu = laden(false);
    EXPECT_FALSE(klang.Bereit(neu.lexikon));
    Zaehler berechnet;
    ASSERT_TRUE(klang.Vorbereiten(neu.lexikon, std::nullopt, berechnet.berechnung()));
    EXPECT_GT(berechnet.meldungen, 0);
    EXPECT_EQ(TrefferWorte(klang, neu.lexikon, "Rost"), (std::vector<std::string>{"Frost"}));
}

} // namespace
} // namespace quandel::test
