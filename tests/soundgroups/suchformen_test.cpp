#include "soundgroups/suchformen.h"
#include "tests/grosse_lautgruppe.h"
#include "tests/testlexikon.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;
using Texte = std::vector<std::string>;

Texte formen(const std::string& wort,
             const Lautersetzung& ersetzung = test::VorgabeLautersetzung()) {
    StringListe<> suchformen(Ordnung::Sortiert, Duplikate::Ignorieren);
    SuchformenBilden(cp(wort), ersetzung, suchformen);
    Texte texte;
    for (const auto& eintrag : suchformen)
        texte.push_back(eintrag.text);
    return test::utf8(texte);
}

TEST(SuchformenBilden, DefaultGroups) {
    EXPECT_EQ(formen("eide"), (Texte{"äude", "eide", "eude"}));
    EXPECT_EQ(formen("Eide"), formen("eide"));
    EXPECT_EQ(formen("biete"), (Texte{"biete", "biette", "bihte", "bihtte", "bite", "bitte",
                                      "piete", "piette", "pihte", "pihtte", "pite", "pitte"}));
    // "tt" is a key of its own and claims both t: one t-digit, not two.
    EXPECT_EQ(formen("bitte").size(), 12u);
    EXPECT_EQ(formen("ücke"), (Texte{"ücke"}));
    EXPECT_EQ(formen("\"vor allem\"").size(), 1u);
    EXPECT_EQ(formen("vor allem"), (Texte{"vorallem"}));
    EXPECT_TRUE(formen("").empty());
    EXPECT_TRUE(formen("   ").empty()); // no key matches a blank
    // "ei" comes before "ie" among the two-letter keys.
    EXPECT_EQ(formen("feier"), (Texte{"fäuer", "feier", "feuer"}));
}

TEST(SuchformenBilden, KeysOfAWord) {
    const Trefferliste liste = TrefferlisteFuellen(cp("bitte"), test::VorgabeLautersetzung());
    ASSERT_EQ(liste.size(), 4u);
    EXPECT_EQ(liste[0].schluessel, "b");
    EXPECT_EQ(liste[1].schluessel, "i");
    EXPECT_EQ(liste[2].schluessel, "tt");
    EXPECT_EQ(liste[2].alternativen, (Texte{"t", "tt"}));
    EXPECT_EQ(liste[3].schluessel, "e");
}

TEST(SuchformenBilden, OdometerFirstDigitFastest) {
    std::vector<Zaehler> ziffern{{0, 1, 0}, {0, 2, 0}};
    std::vector<std::pair<int, int>> staende{{0, 0}};
    while (Weiterzaehlen(ziffern))
        staende.emplace_back(ziffern[0].Stand, ziffern[1].Stand);
    EXPECT_EQ(staende,
              (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}}));
}

TEST(SuchformenBilden, TooManyFormsAreRefusedBeforeAnyIsMade) {
    // Forty i give 3^40 forms; the count is reported in full.
    try {
        formen(std::string(40, 'i'));
        FAIL() << "no error";
    } catch (const ZuVieleLautvarianten& e) {
        EXPECT_STREQ(e.what(), "Zu viele Lautvarianten (12157665459056928801). Bitte ein "
                               "kürzeres Suchwort eingeben.");
    }
    // 3^10 = 59049 forms are allowed, 3^11 = 177147 are not.
    EXPECT_EQ(formen(std::string(10, 'i')).size(), 59049u);
    EXPECT_THROW(formen(std::string(11, 'i')), ZuVieleLautvarianten);
}

TEST(SuchformenBilden, LargeGroupsAreNamedAsTheCause) {
    const Lautersetzung ersetzung(LautgruppenLesen(test::GrosseLautgruppe(1), "gross.akz"),
                                  "aus gross.akz");
    // The tree lists each spelling once, not once for each member of its group.
    EXPECT_LT(ersetzung.MergeList().size(), 20000u);
    // "eid" and "e": two positions of 10,000 alternatives each.
    try {
        formen("eide", ersetzung);
        FAIL() << "no error";
    } catch (const ZuVieleLautvarianten& e) {
        EXPECT_STREQ(e.what(), "Die Lautgruppen aus gross.akz ergeben für »eide« zu viele "
                               "Schreibweisen (100000000).");
    }
    // One position of them is a search of its own.
    const Texte formen1 = formen("eid", ersetzung);
    EXPECT_EQ(formen1.size(), 10000u);
    EXPECT_EQ(formen1.front(), "a");
    // A word that would be too long with groups of the built-in size is still the cause.
    try {
        formen(std::string(33, 'i'), ersetzung); // eleven times "iii"
        FAIL() << "no error";
    } catch (const ZuVieleLautvarianten& e) {
        EXPECT_EQ(e.what(), "Zu viele Lautvarianten (1" + std::string(44, '0') +
                                "). Bitte ein kürzeres Suchwort eingeben.");
    }
    // The built-in groups never exceed that size, so they never take the blame.
    std::size_t groesste = 0;
    for (const Lautgruppe& gruppe : VorgabeLautgruppen())
        groesste = std::max(groesste, gruppe.mitglieder.size());
    EXPECT_EQ(groesste, kUeblicheGruppengroesse);
}

} // namespace
} // namespace quandel
