// The sound search on the built-in stock with its compiled keys; words outside the stock are
// pronounced by a test double.
#include "phonetics/klang_eingebaut.h"
#include "search/klangreim.h"
#include "tests/phonetics/feste_aussprache.h"
#include "tests/search/suche.h"

#include <gtest/gtest.h>

namespace quandel::test {
namespace {

class Klangreim : public ::testing::Test {
protected:
    KlangErgebnis gewaehlt(const std::string& text, const Klangwahl& wahl,
                           BegrenzungsModus modus = BegrenzungsModus::Plus) {
        SuchKontext kontext(EingebautesLexikon(), VorgabeLautersetzung());
        SuchEinstellungen einstellungen;
        einstellungen.suchtext = cp(text);
        einstellungen.begrenzung = modus;
        Klangquelle quelle{aussprache, index};
        KlangErgebnis ergebnis = KlangreimSuchen(kontext, einstellungen, quelle, wahl, haeufigkeit);
        EXPECT_EQ(ergebnis.treffer.size(), ergebnis.ergebnis.treffer.size());
        return ergebnis;
    }

    // Every hit in collation order, as the window asks for them.
    SuchErgebnis klang(const std::string& text, Klangart art = {},
                       BegrenzungsModus modus = BegrenzungsModus::Plus) {
        Klangwahl wahl;
        wahl.art = art;
        wahl.ordnung = Klangordnung::Alphabet;
        wahl.abkuerzungen = true;
        return gewaehlt(text, wahl, modus).ergebnis;
    }

    std::set<std::string> treffer(const std::string& text, Klangart art = {},
                                  BegrenzungsModus modus = BegrenzungsModus::Plus) {
        return menge(klang(text, art, modus).treffer);
    }

    // Pronunciations of the words outside the stock that the tests type.
    FesteAussprache espeak{{"Gehör", "g @ h 'Y: r"}, {"Rost", "r 'O s t"},
                           {"Café", "k a f 'e:"},    {"Zwergenstein", "ts v 'E r g @ n S t ,aI n"},
                           {"Weg", "v 'e: k"},       {"Quandelhof", "k v 'a n d @ l h o: f"}};
    Aussprachetabelle tabelle;
    Aussprache aussprache{espeak, tabelle};
    const KlangIndex index = daten::EingebauterKlangIndex();
    const Haeufigkeit haeufigkeit = HaeufigkeitAufbauen(
        {"ist", "wein", "stein", "sein", "bein", "mein", "schein", "herz", "schmerz", "scherz"});
};

TEST_F(Klangreim, CompiledKeysBelongToTheBuiltInStock) {
    EXPECT_TRUE(index.PasstZu(EingebautesLexikon().Kleinwortliste()));
    EXPECT_EQ(index.Wortanzahl(), EingebautesLexikon().Wortbestand().size());
    EXPECT_LT(index.Speicherbedarf(), 30 * index.Wortanzahl());
}

TEST_F(Klangreim, PureRhymesBySound) {
    // Gehör, Rost and Café are not in the stock: they are pronounced on the spot.
    const auto gehoer = treffer("Gehör");
    EXPECT_TRUE(gehoer.contains("Ingenieur") && gehoer.contains("Regisseur"));
    EXPECT_FALSE(gehoer.contains("Gehör")) << "the word itself is no hit";
    const auto rost = treffer("Rost");
    EXPECT_TRUE(rost.contains("Frost") && rost.contains("Post"));
    EXPECT_FALSE(rost.contains("Trost"));
    EXPECT_TRUE(treffer("Geist").contains("beißt"));
    const auto cafe = treffer("Café");
    EXPECT_TRUE(cafe.contains("See") && cafe.contains("Tee") && cafe.contains("Idee"));
    EXPECT_FALSE(cafe.contains("Kaffee"));
    EXPECT_FALSE(treffer("Kaffee").contains("See"));
    EXPECT_EQ(espeak.aufrufe, 3);
    // Stock words take their stored keys: nothing more is pronounced.
    EXPECT_TRUE(treffer("Station").contains("Sohn"));
    EXPECT_TRUE(treffer("Glück").contains("Stück"));
    // Corrected by the project's table when the keys were compiled.
    EXPECT_TRUE(treffer("Garage").contains("Etage"));
    EXPECT_EQ(espeak.aufrufe, 3);
}

TEST_F(Klangreim, NearRhymes) {
    EXPECT_FALSE(treffer("Glück").contains("dick"));
    const auto glueck = treffer("Glück", {true, false});
    EXPECT_TRUE(glueck.contains("dick") && glueck.contains("Stück"));
    const auto freude = treffer("Freude", {true, false});
    EXPECT_TRUE(freude.contains("Kreide") && freude.contains("Gebäude"));
    EXPECT_FALSE(freude.contains("Seite"));
    EXPECT_TRUE(treffer("Bär", {true, false}).contains("sehr"));
    EXPECT_FALSE(treffer("Bär").contains("sehr"));
}

TEST_F(Klangreim, TwoSyllableRhymes) {
    const auto station = treffer("Station", {false, true});
    EXPECT_TRUE(station.contains("Nation") && station.contains("Aktion"));
    EXPECT_FALSE(station.contains("Sohn"));
    EXPECT_TRUE(treffer("Gardine", {false, true}).contains("Lawine"));
    // One vowel up to the stressed one: no two-syllable rhyme at all.
    EXPECT_EQ(klang("Stein", {false, true}).ausgang, Ausgang::KeinEintrag);
}

TEST_F(Klangreim, LimitWordsAsForTheEndRhyme) {
    const auto alle = treffer("Geist");
    const auto plus = treffer("Geist eist");
    const auto minus = treffer("Geist eist", {}, BegrenzungsModus::Minus);
    EXPECT_EQ(plus,
              (std::set<std::string>{"beweist", "gereist", "meist", "reist", "seist", "weist"}));
    EXPECT_TRUE(minus.contains("beißt") && !minus.contains("meist"));
    EXPECT_EQ(plus.size() + minus.size(), alle.size());
    EXPECT_EQ(klang("Geist Eist").ausgang, Ausgang::KeinEintrag);
}

TEST_F(Klangreim, WordsOutsideTheStockArePronounced) {
    // espeak-ng's secondary stress marks the last member.
    const auto zwerg = treffer("Zwergenstein");
    EXPECT_TRUE(zwerg.contains("Stein") && zwerg.contains("Edelstein"));
    // No stress on "hof", and the compound rule does not apply: "quandel" is no word.
    EXPECT_FALSE(treffer("Quandelhof").contains("Hof"));
    // The noun "Weg" is not the stock's adverb "weg".
    EXPECT_TRUE(treffer("Weg").contains("reg"));
    EXPECT_FALSE(treffer("weg").contains("reg"));
    EXPECT_EQ(espeak.aufrufe, 3) << "Zwergenstein, Quandelhof and Weg, not the stock's weg";
}

// The words of hits of one kind, in their order.
std::vector<std::string> WorteDerArt(const KlangErgebnis& ergebnis, Reimart art) {
    std::vector<std::string> worte;
    for (const Klangtreffer& t : ergebnis.treffer)
        if (t.art == art)
            worte.push_back(Utf8AusCp1252(t.wort));
    return worte;
}

TEST_F(Klangreim, RankedOrderPureThenIdentical) {
    const KlangErgebnis stein = gewaehlt("Stein", {});
    EXPECT_TRUE(stein.ergebnis.ohneSortierung);
    ASSERT_EQ(stein.ergebnis.treffer.size(), stein.treffer.size());
    for (std::size_t i = 0; i < stein.treffer.size(); ++i)
        EXPECT_EQ(stein.ergebnis.treffer[i], stein.treffer[i].wort);
    // The ranked words first, by rank; then the unranked, one per onset first, the shorter
    // first; "Schein" leads its onset, "Sonnenschein" follows later.
    const std::vector<std::string> reine = WorteDerArt(stein, Reimart::Rein);
    ASSERT_GE(reine.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(reine.begin(), reine.begin() + 8),
              (std::vector<std::string>{"Wein", "sein", "Bein", "mein", "Schein", "ein", "dein",
                                        "fein"}));
    const auto stelle = [&](const std::string& wort) {
        return std::find(reine.begin(), reine.end(), wort) - reine.begin();
    };
    EXPECT_LT(stelle("Hain"), stelle("Sonnenschein"));
    EXPECT_LT(stelle("rein"), stelle("Rhein"));
    // The same onset before the rhyme vowel: identical rhymes, last.
    EXPECT_EQ(WorteDerArt(stein, Reimart::Ruehrend),
              (std::vector<std::string>{"Gestein", "Edelstein"}));
    EXPECT_EQ(stein.treffer.back().wort, "Edelstein");
    EXPECT_EQ(stein.treffer.front().rang, 2u);
    EXPECT_EQ(stein.treffer.back().rang, std::nullopt);
    EXPECT_EQ(stein.treffer.back().betonung, "XxX");
    EXPECT_EQ(stein.treffer.back().Silben(), 3u);
}

TEST_F(Klangreim, NearRhymesBetweenPureAndIdentical) {
    Klangwahl wahl;
    wahl.art.unrein = true;
    const KlangErgebnis glueck = gewaehlt("Glück", wahl);
    std::vector<Reimart> arten;
    for (const Klangtreffer& t : glueck.treffer)
        if (arten.empty() || arten.back() != t.art)
            arten.push_back(t.art);
    EXPECT_EQ(arten, (std::vector<Reimart>{Reimart::Rein, Reimart::Unrein, Reimart::Ruehrend}));
    const auto unrein = WorteDerArt(glueck, Reimart::Unrein);
    EXPECT_TRUE(std::find(unrein.begin(), unrein.end(), "dick") != unrein.end());
    EXPECT_EQ(WorteDerArt(glueck, Reimart::Ruehrend),
              (std::vector<std::string>{"Unglück", "zum Glück"}));
    // The order of every search: the caller sorts, the kinds are given all the same.
    wahl.ordnung = Klangordnung::Alphabet;
    const KlangErgebnis alphabet = gewaehlt("Glück", wahl);
    EXPECT_FALSE(alphabet.ergebnis.ohneSortierung);
    EXPECT_EQ(menge(alphabet.ergebnis.treffer), menge(glueck.ergebnis.treffer));
    EXPECT_EQ(WorteDerArt(alphabet, Reimart::Ruehrend).size(), 2u);
}

TEST_F(Klangreim, SyllablesStressPatternAndAbbreviations) {
    Klangwahl wahl;
    wahl.silbenVon = 2;
    wahl.silbenBis = 2;
    const KlangErgebnis zwei = gewaehlt("Stein", wahl);
    EXPECT_EQ(menge(zwei.ergebnis.treffer),
              (std::set<std::string>{"Verein", "allein", "hinein", "gemein", "Mondschein", "herein",
                                     "Gestein"}));
    wahl.silbenBis = 0; // two and more
    EXPECT_EQ(gewaehlt("Stein", wahl).treffer.size(), 14u);
    wahl = {};
    wahl.betonung = "XxX";
    EXPECT_EQ(menge(gewaehlt("Stein", wahl).ergebnis.treffer),
              (std::set<std::string>{"irgendein", "Führerschein", "überein", "Sonnenschein",
                                     "Edelstein"}));
    // Read letter by letter: left out unless asked for.
    wahl = {};
    const auto schnee = menge(gewaehlt("Schnee", wahl).ergebnis.treffer);
    EXPECT_TRUE(schnee.contains("See") && !schnee.contains("SPD") && !schnee.contains("Pkw"));
    wahl.abkuerzungen = true;
    const auto alle = menge(gewaehlt("Schnee", wahl).ergebnis.treffer);
    EXPECT_TRUE(alle.contains("SPD") && alle.contains("Pkw") && alle.contains("BRD"));
}

TEST(Abkuerzung, WordsReadLetterByLetter) {
    for (const char* wort : {"AfD", "FDJ", "j", "Pkw", "US-CD", "SPD"})
        EXPECT_TRUE(IstAbkuerzung(wort)) << wort;
    for (const char* wort : {"E-Mail", "Schnee", "UNO-Sitz", "See", "Idee", "zum Glück"})
        EXPECT_FALSE(IstAbkuerzung(cp(wort))) << wort;
}

TEST_F(Klangreim, NoSearchWordNoSearch) {
    EXPECT_EQ(klang("").ausgang, Ausgang::NichtGesucht);
    EXPECT_EQ(klang("   ").ausgang, Ausgang::NichtGesucht);
    EXPECT_EQ(klang(",eim").ausgang, Ausgang::KeinEintrag);
}

TEST_F(Klangreim, PronunciationAndSyllablesForTheReader) {
    Klangquelle quelle{aussprache, index};
    const Wortklang zwerg = WortklangVon(EingebautesLexikon(), quelle, cp("Zwergenstein"));
    EXPECT_EQ(zwerg.lautschrift, "ˈtsvɛʁɡənˌʃtaɪn");
    EXPECT_EQ(zwerg.silben, 3u);
    EXPECT_EQ(zwerg.betonung, "XxX");
}

} // namespace
} // namespace quandel::test
