#include "search/abfragen.h"
#include "tests/testlexikon.h"
#include "text/fehler.h"
#include "text/kleinschreibung.h"
#include "text/zeilen.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;
using test::EingebautesLexikon;
using test::menge;

std::set<std::string> endungen(const std::string& form) {
    TrefferListe treffer(Ordnung::Sortiert, Duplikate::Ignorieren);
    ApendixListe records;
    EndungSuchen(EingebautesLexikon(), cp(form), "", treffer, records);
    std::vector<std::string> t;
    for (const auto& e : treffer)
        t.push_back(e.text);
    return menge(t);
}

TEST(Lexikon, WortbestandKeepsTheFirstSpellingAndTheEmptyEntry) {
    const Lexikon& lex = EingebautesLexikon();
    const auto& wb = lex.Wortbestand();
    EXPECT_EQ(wb[0], "");
    EXPECT_EQ(lex.Kleinwortliste()[0], "");
    EXPECT_EQ(lex.WortNrVon(""), 0);
    const auto und = wb.IndexVon("und");
    ASSERT_TRUE(und);
    EXPECT_EQ(wb[*und], "UND");
    EXPECT_EQ(lex.Kleinwortliste()[*und], "und");
    const auto schlange = wb.IndexVon("Schlange");
    ASSERT_TRUE(schlange);
    EXPECT_EQ(lex.Kleinwortliste()[*schlange], "schlange");
    EXPECT_EQ(wb.size(), 6354u); // daß and dass stay two entries
}

TEST(Lexikon, EveryEntryEndsInBothTreesAtItsNumber) {
    const Lexikon& lex = EingebautesLexikon();
    for (std::size_t i = 1; i < lex.Wortbestand().size(); ++i) {
        const std::string klein(lex.Kleinwortliste()[i]);
        ASSERT_EQ(klein, Klein(lex.Wortbestand()[i]));
        std::string umgekehrt = klein;
        WortUmkehren(umgekehrt);
        // The first word below the node of a whole word is the word itself.
        ASSERT_EQ(lex.VorwaertsTrie().Worte(lex.VorwaertsTrie().Suchen(klein))[0],
                  static_cast<int>(i));
        ASSERT_EQ(lex.RueckwaertsTrie().Worte(lex.RueckwaertsTrie().Suchen(umgekehrt))[0],
                  static_cast<int>(i));
        ASSERT_EQ(lex.Wortbestand().IndexVon(lex.Wortbestand()[i]), i);
        ASSERT_EQ(lex.WortNrVon(klein), static_cast<int>(i));
        if (i > 1) {
            ASSERT_LT(
                Kollator::Deutsch().Vergleichen(lex.Wortbestand()[i - 1], lex.Wortbestand()[i]), 0);
        }
    }
}

TEST(EndungSuchen, CountedEndings) {
    EXPECT_EQ(endungen("ange"), (std::set<std::string>{"lange", "Schlange", "solange"}));
    EXPECT_EQ(endungen("lange"), (std::set<std::string>{"lange", "Schlange", "solange"}));
    EXPECT_TRUE(endungen("Ange").empty());
    EXPECT_EQ(endungen("eide"), (std::set<std::string>{"beeide", "beide", "Kreide", "meide",
                                                       "neide", "Seide", "Weide"}));
    EXPECT_EQ(endungen("allem").count("vor allem"), 1u);
    EXPECT_EQ(endungen("reim").count("Reim"), 1u);
    EXPECT_TRUE(endungen("").empty());
}

TEST(EndungSuchen, RecordsOfTheFormThatFoundTheHit) {
    const Lexikon& lex = EingebautesLexikon();
    TrefferListe treffer(Ordnung::Sortiert, Duplikate::Ignorieren);
    ApendixListe records;
    EndungSuchen(lex, "eide", "", treffer, records);
    ASSERT_EQ(treffer.size(), 7u);
    for (const auto& e : treffer) {
        ASSERT_NE(e.objekt, nullptr);
        EXPECT_EQ(e.objekt->Suchform, "eide");
        EXPECT_EQ(e.objekt->Zusatz, "");
        EXPECT_EQ(e.objekt->Laenge, 4);
    }
    treffer.Leeren();
    EndungSuchen(lex, "ange", "", treffer, records);
    EndungSuchen(lex, "nge", "z", treffer, records);
    const auto lange = treffer.IndexVon("lange");
    ASSERT_TRUE(lange);
    EXPECT_EQ(treffer.ObjektVon(*lange)->Suchform, "nge");
    EXPECT_EQ(treffer.ObjektVon(*lange)->Zusatz, "z");
    EXPECT_EQ(records.size(), 7u + 3u + treffer.size());
}

TEST(AnfangSuchen, BeginningsAndTheEmptyForm) {
    const Lexikon& lex = EingebautesLexikon();
    TrefferListe treffer(Ordnung::Sortiert, Duplikate::Ignorieren);
    ApendixListe records;
    AnfangSuchen(lex, "", "", treffer, records);
    EXPECT_TRUE(treffer.empty());
    AnfangSuchen(lex, "schlange", "", treffer, records);
    std::vector<std::string> t;
    for (const auto& e : treffer)
        t.push_back(e.text);
    EXPECT_EQ(menge(t), (std::set<std::string>{"Schlange", "Schlangen"}));
}

TEST(EndungVorhanden, PathsCount) {
    const Lexikon& lex = EingebautesLexikon();
    EXPECT_TRUE(EndungVorhanden(lex, cp("ücke")));
    EXPECT_TRUE(EndungVorhanden(lex, "ide"));
    EXPECT_FALSE(EndungVorhanden(lex, ""));
    EXPECT_FALSE(EndungVorhanden(lex, "qqq"));
}

TEST(Lexikon, StockLineOutsideTheCodePageNamesTheLine) {
    try {
        ZeilenAusUtf8("Haus\nMaus\nŁódź\n", "liste.txt");
        FAIL() << "no error";
    } catch (const Fehler& fehler) {
        EXPECT_EQ(std::string(fehler.what()).rfind("liste.txt, Zeile 3: ", 0), 0u) << fehler.what();
    }
}

TEST(Lexikon, SecondBuildReplacesTheFirst) {
    Lexikon lex;
    EreignisHaken haken;
    lex.LexikonAufbauen({"Haus", "Maus"}, kVokalfeldVorgabe, haken);
    lex.LexikonAufbauen({"Baum", "", "baum", "Raum"}, kVokalfeldVorgabe, haken);
    EXPECT_EQ(lex.Wortbestand().size(), 3u);
    EXPECT_FALSE(lex.WortNrVon("haus"));
    EXPECT_EQ(lex.Wortbestand()[*lex.WortNrVon("baum")], "Baum");
    lex.LexikonFreigeben();
    EXPECT_FALSE(lex.Aufgebaut());
}

} // namespace
} // namespace quandel
