#include "soundgroups/suchformen.h"
#include "tests/search/suche.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::menge;
using test::utf8;
using Worte = std::vector<std::string>;

SuchErgebnis end(const std::string& text, BegrenzungsModus modus = BegrenzungsModus::Plus) {
    return test::suche(EndreimSuchen, text, modus);
}

const Worte kEide{"beeide", "beide", "Kreide", "meide", "neide", "Seide", "Weide"};

TEST(EndreimSuchen, EndingsInCollationOrder) {
    const SuchErgebnis r = end("eide");
    EXPECT_EQ(r.ausgang, Ausgang::Treffer);
    EXPECT_FALSE(r.ohneSortierung);
    EXPECT_EQ(utf8(r.treffer), kEide);
    EXPECT_EQ(utf8(end("Eide").treffer), kEide);
    EXPECT_EQ(utf8(end("Äude").treffer), (Worte{"Gebäude", "Räude"}));
    EXPECT_EQ(utf8(end("reim").treffer).size(), 1u);
    EXPECT_EQ(utf8(end("lange").treffer), (Worte{"lange", "Schlange", "solange"}));
}

TEST(EndreimSuchen, LimitWords) {
    EXPECT_EQ(utf8(end("eide kreide").treffer), (Worte{"Kreide"}));
    EXPECT_EQ(utf8(end("eide kreide", BegrenzungsModus::Minus).treffer),
              (Worte{"beeide", "beide", "meide", "neide", "Seide", "Weide"}));
    EXPECT_EQ(end("eide Kreide").ausgang, Ausgang::KeinEintrag);
    EXPECT_EQ(utf8(end("eide Kreide", BegrenzungsModus::Minus).treffer), kEide);
    EXPECT_EQ(utf8(end("eide beeide").treffer), (Worte{"beeide"})); // too long for "beide"
    EXPECT_EQ(utf8(end("e be").treffer).size(), utf8(end("be").treffer).size());
    const auto ohneBe = menge(end("e be", BegrenzungsModus::Minus).treffer);
    EXPECT_EQ(ohneBe.count("härbe") + ohneBe.count("hörbe"), 0u);
    EXPECT_EQ(ohneBe.count("Kreide"), 1u);
}

TEST(EndreimSuchen, EmptyLimitWordPassesEveryHit) {
    EXPECT_EQ(utf8(end("eide,,x").treffer), kEide);
    EXPECT_EQ(end("eide,,x", BegrenzungsModus::Minus).ausgang, Ausgang::KeinEintrag);
}

TEST(EndreimSuchen, PhrasesAndEmptyTexts) {
    EXPECT_EQ(menge(end("\"vor allem\"").treffer), (std::set<std::string>{"vor allem"}));
    EXPECT_EQ(end("vor allem").ausgang, Ausgang::KeinEintrag) << "allem is a limit word there";
    EXPECT_EQ(end("").ausgang, Ausgang::NichtGesucht);
    EXPECT_EQ(end("   ").ausgang, Ausgang::NichtGesucht);
    EXPECT_EQ(end(",").ausgang, Ausgang::KeinEintrag); // the empty word finds nothing
}

TEST(EndreimSuchen, SoundVariantsWithAkzentuirung) {
    const auto akzent = [](const std::string& text) {
        return test::suche(EndreimSuchen, text, BegrenzungsModus::Plus, "a,e,i,o,u,ä,ö,ü", true);
    };
    const std::vector<std::string> zehn{"beeide", "beide", "Freude", "Gebäude", "Kreide",
                                        "meide",  "neide", "Räude",  "Seide",   "Weide"};
    EXPECT_EQ(test::utf8(akzent("eide").treffer), zehn);
    EXPECT_EQ(test::utf8(akzent("Äude").treffer), zehn);
    EXPECT_EQ(test::utf8(akzent("eide kreide").treffer), (std::vector<std::string>{"Kreide"}));
    // The quoted phrase loses its blank among the forms, so it no longer finds itself.
    EXPECT_EQ(akzent("\"vor allem\"").ausgang, Ausgang::KeinEintrag);
    EXPECT_THROW(akzent(std::string(40, 'i')), ZuVieleLautvarianten);
}

} // namespace
} // namespace quandel
