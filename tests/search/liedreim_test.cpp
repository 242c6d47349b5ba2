#include "tests/search/suche.h"
#include "text/kleinschreibung.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;
using test::menge;

// The expected hits, worked out the plain way: every stock word whose letters from the vowel
// set, counted `mal` times each, spell the sequence.
std::set<std::string> mitFolge(const std::string& folge, const std::string& vokale = "aeiouäöü",
                               int mal = 1) {
    const std::string v = cp(vokale);
    const Lexikon& lex = test::EingebautesLexikon();
    std::vector<std::string> treffer;
    for (std::size_t i = 1; i < lex.Wortbestand().size(); ++i) {
        std::string f;
        for (char c : lex.Kleinwortliste()[i])
            if (v.find(c) != std::string::npos)
                f.append(static_cast<std::size_t>(mal), c);
        if (f == cp(folge))
            treffer.emplace_back(lex.Wortbestand()[i]);
    }
    return menge(treffer);
}

SuchErgebnis lied(const std::string& text, BegrenzungsModus modus = BegrenzungsModus::Plus) {
    return test::suche(LiedreimSuchen, text, modus);
}

// A search on a lexicon of its own whose song index belongs to the given vowel field.
SuchErgebnis liedMitVokalen(const std::string& text, const std::string& vokalfeld) {
    Lexikon lex;
    EreignisHaken haken;
    lex.LexikonAufbauen(daten::Wortbestand(), kVokalfeldVorgabe, haken);
    lex.LiedIndexAufbauen(cp(vokalfeld), haken);
    SuchKontext kontext(lex, test::VorgabeLautersetzung());
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = cp(text);
    einstellungen.vokalfeld = cp(vokalfeld);
    return LiedreimSuchen(kontext, einstellungen);
}

TEST(LiedreimSuchen, SameVowelSequence) {
    const auto iee = mitFolge("iee");
    for (const char* w : {"Liese", "Miese", "Miene", "diese", "wieder"})
        EXPECT_EQ(iee.count(w), 1u) << w;
    EXPECT_EQ(iee.count("Kiste"), 0u);
    EXPECT_EQ(menge(lied("Liese").treffer), iee);
    EXPECT_EQ(menge(lied("LIESE").treffer), iee);
    EXPECT_EQ(menge(lied("Österreicher").treffer), mitFolge("öeeie"));
    EXPECT_EQ(menge(lied("Österreicher").treffer).count("Österreicher"), 1u);
}

TEST(LiedreimSuchen, SoundVariantsOfTheVowelSequence) {
    const auto akzent = [](const std::string& text) {
        return test::suche(LiedreimSuchen, text, BegrenzungsModus::Plus, "a,e,i,o,u,ä,ö,ü", true);
    };
    // "iee" is cut into "ie" and "e": the forms ie, iee and ihe.
    std::set<std::string> erwartet = mitFolge("iee");
    for (const std::string& w : mitFolge("ie"))
        erwartet.insert(w);
    EXPECT_EQ(menge(akzent("Liese").treffer), erwartet);
    EXPECT_EQ(menge(akzent("Liese").treffer).count("Kiste"), 1u);
    // The empty sequence has no form at all.
    EXPECT_EQ(akzent("pst").ausgang, Ausgang::KeinEintrag);
}

TEST(LiedreimSuchen, WordsWithoutVowels) {
    const auto ohne = menge(lied("pst").treffer);
    EXPECT_EQ(ohne.count("SPD"), 1u);
    EXPECT_EQ(ohne.count("BRD"), 1u);
    EXPECT_EQ(ohne, mitFolge(""));
    EXPECT_EQ(menge(lied(",").treffer), ohne);
    EXPECT_EQ(lied("   ").ausgang, Ausgang::NichtGesucht);
}

TEST(LiedreimSuchen, LimitWords) {
    std::set<std::string> mitSe, ohneSe;
    for (const std::string& w : mitFolge("iee"))
        (Klein(cp(w)).ends_with("se") ? mitSe : ohneSe).insert(w);
    EXPECT_EQ(menge(lied("Liese,se").treffer), mitSe);
    EXPECT_EQ(menge(lied("Liese,se", BegrenzungsModus::Minus).treffer), ohneSe);
    EXPECT_EQ(lied("Liese,SE").ausgang, Ausgang::KeinEintrag);
    EXPECT_EQ(menge(lied("Liese,SE", BegrenzungsModus::Minus).treffer), mitFolge("iee"));
}

TEST(LiedreimSuchen, VowelFieldVariants) {
    EXPECT_EQ(menge(liedMitVokalen("Liese", "a,e,i,o,u,ä,ö,ü,y").treffer),
              mitFolge("iee", "aeiouäöüy"));
    EXPECT_EQ(menge(liedMitVokalen("Liese", "e,e,a,i,o,u,ä,ö,ü").treffer), mitFolge("iee"));
    EXPECT_EQ(menge(liedMitVokalen("Liese", "a,ie,o").treffer), mitFolge("", "ao"));

    const auto alle = liedMitVokalen("Liese", "").treffer;
    EXPECT_EQ(alle.size(), test::EingebautesLexikon().Wortbestand().size() - 1);
}

} // namespace
} // namespace quandel
