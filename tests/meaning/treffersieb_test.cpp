// The sieve of the rhyme searches' hits: by word class, by sense, by both.
#include "meaning/treffersieb.h"
#include "tests/meaning/thesaurus.h"
#include "tests/testlexikon.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;
using test::utf8;

class TreffersiebTest : public ::testing::Test {
protected:
    const WortartenDaten daten = WortartenTabelleBauen({{"Scherz", Wortart::Nomen},
                                                        {"Schmerz", Wortart::Nomen},
                                                        {"Nerz", Wortart::Nomen},
                                                        {"verscherzen", Wortart::Verb},
                                                        {"Humor", Wortart::Nomen}});
    const Wortartentabelle tabelle = daten.Tabelle();
    const Thesaurus thesaurus = ThesaurusAusText(test::kThesaurusText, "test.txt");

    std::vector<std::string> sieben(const Treffersieb& sieb) {
        std::vector<std::string> treffer{"Nerz",      "Scherz", "Schmerz",
                                         "verscherz", "Humor",  "Komik"};
        sieb.Sieben(treffer);
        return treffer;
    }
};

TEST_F(TreffersiebTest, WithoutSettingsEveryHitStays) {
    const Treffersieb sieb;
    EXPECT_FALSE(sieb.Aktiv());
    EXPECT_EQ(sieben(sieb).size(), 6u);
}

TEST_F(TreffersiebTest, ByWordClass) {
    Treffersieb nomen;
    nomen.WortartenSetzen(tabelle, Wortart::Nomen);
    EXPECT_EQ(sieben(nomen), (std::vector<std::string>{"Nerz", "Scherz", "Schmerz", "Humor"}));
    Treffersieb verb;
    verb.WortartenSetzen(tabelle, Wortarten(Wortart::Verb) | Wortart::Adverb);
    EXPECT_EQ(sieben(verb), (std::vector<std::string>{"verscherz"}));
}

TEST_F(TreffersiebTest, BySenseAndByBoth) {
    Treffersieb sinn;
    EXPECT_FALSE(sinn.SinnSetzen(thesaurus, "Xyzzy"));
    EXPECT_FALSE(sinn.Aktiv());
    ASSERT_TRUE(sinn.SinnSetzen(thesaurus, "Witz"));
    EXPECT_EQ(sieben(sinn), (std::vector<std::string>{"Scherz", "Humor", "Komik"}));
    sinn.WortartenSetzen(tabelle, Wortart::Nomen);
    EXPECT_EQ(sieben(sinn), (std::vector<std::string>{"Scherz", "Humor"}));
    EXPECT_TRUE(sinn.Behalten("Scherz"));
    EXPECT_FALSE(sinn.Behalten("Schmerz"));
}

} // namespace
} // namespace quandel
