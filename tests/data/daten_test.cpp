#include "lexicon/wortbestand_eingebaut.h"
#include "search/sucheintraege_eingebaut.h"
#include "soundgroups/lautgruppen.h"
#include "soundgroups/lautgruppen_eingebaut.h"
#include "tests/testlexikon.h"
#include "text/kleinschreibung.h"

#include <gtest/gtest.h>
#include <unordered_set>

namespace quandel {
namespace {

using test::cp;

std::set<std::string> mitEndung(const std::vector<std::string>& zeilen,
                                std::initializer_list<const char*> endungen) {
    std::vector<std::string> treffer;
    for (const std::string& z : zeilen)
        for (const char* e : endungen)
            if (Klein(z).ends_with(cp(e)))
                treffer.push_back(z);
    return test::menge(treffer);
}

TEST(Wortbestand, LinesAndTheirEnds) {
    const auto zeilen = daten::Wortbestand();
    ASSERT_EQ(zeilen.size(), 6806u);
    const std::vector<std::string> anfang{"wippen", "Schlange", "Schlangen", "härbe",
                                          "hörbe",  "segeln",   "küssen"};
    const std::vector<std::string> ende{"Spreu", "treu", "drei", "frei"};
    EXPECT_EQ(test::utf8({zeilen.begin(), zeilen.begin() + 7}), anfang);
    EXPECT_EQ(test::utf8({zeilen.end() - 4, zeilen.end()}), ende);
    EXPECT_TRUE(daten::WortbestandUtf8().ends_with("frei\n"));
}

TEST(Wortbestand, Statistics) {
    const auto zeilen = daten::Wortbestand();
    std::size_t leer = 0, phrasen = 0, laengste = 0;
    std::unordered_set<std::string> klein;
    std::size_t wiederholt = 0;
    for (const std::string& z : zeilen) {
        leer += z.empty();
        phrasen += z.find(' ') != std::string::npos;
        laengste = std::max(laengste, z.size());
        wiederholt += !klein.insert(Klein(z)).second;
        for (char c : z) {
            const auto b = static_cast<unsigned char>(c);
            const bool buchstabe =
                std::isalpha(b) ||
                std::string_view("\xE4\xF6\xFC\xC4\xD6\xDC\xDF").find(c) != std::string_view::npos;
            EXPECT_TRUE(buchstabe || std::string_view(" '-./09").find(c) != std::string_view::npos)
                << "character " << int(b) << " in " << Utf8AusCp1252(z);
        }
    }
    EXPECT_EQ(leer, 1u);
    EXPECT_EQ(phrasen, 82u);
    EXPECT_EQ(laengste, 22u);
    EXPECT_EQ(wiederholt, 452u);
    EXPECT_EQ(klein.size(), 6354u);
}

TEST(Wortbestand, ExactSetsAndNamedWords) {
    const auto zeilen = daten::Wortbestand();
    EXPECT_EQ(
        mitEndung(zeilen, {"eide"}),
        (std::set<std::string>{"beeide", "beide", "Kreide", "meide", "neide", "Seide", "Weide"}));
    EXPECT_EQ(mitEndung(zeilen, {"äude", "eude"}),
              (std::set<std::string>{"Freude", "Gebäude", "Räude"}));
    EXPECT_EQ(mitEndung(zeilen, {"ange"}), (std::set<std::string>{"lange", "Schlange", "solange"}));

    std::vector<std::string> erste; // each word's first spelling
    std::unordered_set<std::string> gesehen;
    for (const std::string& z : zeilen)
        if (gesehen.insert(Klein(z)).second)
            erste.push_back(z);
    const auto vorhanden = test::menge(erste);
    for (const char* wort :
         {"Schlange", "Schlangen", "lange",  "solange",    "beeide",       "Freude",  "Gebäude",
          "Räude",    "Reim",      "Rand",   "Leim",       "Land",         "Liese",   "Miese",
          "Miene",    "diese",     "wieder", "Kiste",      "Österreicher", "SPD",     "BRD",
          "Brücke",   "Lücke",     "Ärger",  "schlichtet", "Schuppe",      "Kanne",   "Lawine",
          "Plane",    "Bär",       "sehr",   "daß",        "dass",         "Schwein", "vor allem",
          "New York", "UND",       "die",    "Hemd",       "Drucker",      "Schrank", "Ahorn",
          "Peter",    "Kutsche",   "Rinder", "Licht"})
        EXPECT_EQ(vorhanden.count(wort), 1u) << wort;
    EXPECT_EQ(vorhanden.count("und"), 0u); // "UND" comes first
    EXPECT_EQ(vorhanden.count("Die"), 0u);
}

TEST(EingebauteDaten, ElementsPresetsAndSoundGroups) {
    const auto elemente = daten::Elemente();
    ASSERT_EQ(elemente.size(), 226u);
    EXPECT_EQ(elemente[0], "\x95");
    EXPECT_EQ(elemente[4], "!");
    EXPECT_EQ(elemente[97], "~");
    EXPECT_EQ(elemente[98], "\xA6");
    EXPECT_EQ(elemente[225], "\xA6");
    for (const std::string& e : elemente)
        EXPECT_EQ(e.size(), 1u);

    const auto eintraege = test::utf8(daten::Sucheintraege());
    ASSERT_EQ(eintraege.size(), 20u);
    EXPECT_EQ(eintraege[0], "ne");
    EXPECT_EQ(eintraege[1], "ên");
    EXPECT_EQ(eintraege[3], "");
    EXPECT_EQ(eintraege[5], "");
    EXPECT_EQ(eintraege[14], "Schw ein");
    EXPECT_EQ(eintraege[19], "Licht");

    const Lautgruppen gruppen = VorgabeLautgruppen();
    ASSERT_EQ(gruppen.size(), 4u);
    EXPECT_EQ(gruppen[0].name, "I-Laute");
    EXPECT_EQ(gruppen[0].mitglieder, (std::vector<std::string>{"i", "ie", "ih"}));
    EXPECT_EQ(gruppen[1].mitglieder, (std::vector<std::string>{"ei", cp("äu"), "eu"}));
    EXPECT_EQ(gruppen[2].mitglieder, (std::vector<std::string>{"t", "tt"}));
    EXPECT_EQ(gruppen[3].name, "B-P-Laute");
    EXPECT_EQ(gruppen[3].mitglieder, (std::vector<std::string>{"b", "p"}));
}

} // namespace
} // namespace quandel
