// Reading espeak-ng's phoneme output and the correction table's sounds; the IPA shown.
#include "phonetics/laute.h"
#include "tests/phonetics/feste_aussprache.h"
#include "text/fehler.h"

#include <gtest/gtest.h>

namespace quandel::test {
namespace {

std::string Gelesen(std::string_view phoneme) {
    return Namen(Codes(LauteAusEspeak(phoneme)));
}

TEST(Laute, MarkersAndLanguageSwitchesDropped) {
    EXPECT_EQ(Gelesen("ts 'aI t _| ,U N "), "ts aI t U N");
    EXPECT_EQ(Gelesen("_! 'e: t A: g @"), "e: t a: g @");
    EXPECT_EQ(Gelesen("r 'A d I ; ,o:"), "r a d I o:");
    // A word read as English: its sounds mapped to German ones.
    EXPECT_EQ(Gelesen("(en) b 'eI b i (de) "), "b e: b i:");
    EXPECT_EQ(Gelesen("(en) dZ '0 b (de)"), "dZ O b");
}

TEST(Laute, VariantsFallTogether) {
    EXPECT_EQ(Gelesen("r e: g 'i: R U N"), "r e: g i: r U N");
    EXPECT_EQ(Gelesen("b 'UR k"), "b U r k");
    EXPECT_EQ(Gelesen("g 'A R A: g @"), "g a r a: g @");
    EXPECT_EQ(Gelesen("x E2 n @-"), "x E n @");
}

TEST(Laute, StressSitsOnTheVowel) {
    const Lautfolge laute = LauteAusEspeak("z 'O n @ n S ,aI n");
    ASSERT_EQ(laute.size(), 8u);
    EXPECT_EQ(laute[1].betonung, Betonung::Haupt);
    EXPECT_EQ(laute[6].betonung, Betonung::Neben);
    EXPECT_EQ(laute[0].betonung, Betonung::Keine);
    // A mark before a consonant waits for the next vowel.
    const Lautfolge spaeter = LauteAusTabelle("'S t aI n");
    EXPECT_EQ(spaeter[0].betonung, Betonung::Keine);
    EXPECT_EQ(spaeter[2].betonung, Betonung::Haupt);
}

TEST(Laute, SyllablesAndIpa) {
    const Lautfolge gehoer = LauteAusEspeak("g @ h 'Y: r");
    EXPECT_EQ(Silbenzahl(gehoer), 2u);
    EXPECT_EQ(Lautschrift(gehoer), "ɡəˈhøːʁ");
    EXPECT_EQ(Lautschrift(LauteAusEspeak("t r 'o: s t")), "ˈtʁoːst");
    EXPECT_EQ(Lautschrift(LauteAusEspeak("z 'O n @ n S ,aI n")), "ˈzɔnənˌʃaɪn");
    EXPECT_EQ(Silbenzahl(LauteAusEspeak("_! 'aI n z ,A: m k aI t")), 3u);
    EXPECT_EQ(Lautschrift(LauteAusEspeak("g @ S p 'e: n s t 3")), "ɡəˈʃpeːnstɐ");
}

TEST(Laute, TableRefusesUnknownNames) {
    EXPECT_EQ(Namen(Codes(LauteAusTabelle("g a r 'a: Z @"))), "g a r a: Z @");
    try {
        LauteAusTabelle("g a Q 'a:");
        FAIL() << "unknown sound accepted";
    } catch (const Fehler& fehler) {
        EXPECT_STREQ(fehler.what(), "unbekannter Laut \"Q\"");
    }
}

} // namespace
} // namespace quandel::test
