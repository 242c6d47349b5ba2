// The sound search on the built-in stock with its compiled keys; words outside the stock are
// pronounced by a test double.
#include "data/klang_eingebaut.h"
#include "search/klangreim.h"
#include "tests/phonetics/feste_aussprache.h"
#include "tests/search/suche.h"

#include <gtest/gtest.h>

namespace quandel::test {
namespace {

class Klangreim : public ::testing::Test {
protected:
    SuchErgebnis klang(const std::string& text, Klangart art = {},
                       BegrenzungsModus modus = BegrenzungsModus::Plus) {
        SuchKontext kontext(EingebautesLexikon(), VorgabeLautersetzung());
        SuchEinstellungen einstellungen;
        einstellungen.suchtext = cp(text);
        einstellungen.begrenzung = modus;
        Klangquelle quelle{aussprache, index};
        return KlangreimSuchen(kontext, einstellungen, quelle, art);
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
}

} // namespace
} // namespace quandel::test
