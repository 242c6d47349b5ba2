// The word-class table compiled in from Ding's dictionary: its size, and the classes of words
// the rhyme filters are judged by.
#include "meaning/wortarten_eingebaut.h"
#include "tests/testlexikon.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;

Wortarten von(const std::string& wort) {
    static const Wortartentabelle tabelle = daten::EingebauteWortarten();
    return tabelle.Von(cp(wort));
}

TEST(WortartenDaten, SmallAndFull) {
    const Wortartentabelle tabelle = daten::EingebauteWortarten();
    EXPECT_LT(tabelle.Bytes(), 3'000'000u);
    EXPECT_GT(tabelle.FormAnzahl(), 100'000u);
}

TEST(WortartenDaten, WordsOfTheRhymeFilters) {
    EXPECT_TRUE(von("Schmerz").Hat(Wortart::Nomen));
    EXPECT_TRUE(von("Scherz").Hat(Wortart::Nomen));
    EXPECT_EQ(von("verscherz"), Wortart::Verb);
    EXPECT_FALSE(von("verscherzt").Hat(Wortart::Nomen));
    EXPECT_TRUE(von("Herzschmerzen").Hat(Wortart::Nomen));
    EXPECT_TRUE(von("traurig").Hat(Wortart::Adjektiv));
    EXPECT_TRUE(von("traurigsten").Hat(Wortart::Adjektiv));
    EXPECT_TRUE(von("gestern").Hat(Wortart::Adverb));
    EXPECT_TRUE(von("oder").Hat(Wortart::Andere));
    EXPECT_TRUE(von("Zeitung").Hat(Wortart::Nomen));
    EXPECT_TRUE(von("Xyzzy").Unbekannt());
}

} // namespace
} // namespace quandel
