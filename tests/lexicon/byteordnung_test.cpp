#include "lexicon/byteordnung.h"
#include "lexicon/wortzeilen.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace quandel {
namespace {

// The order by plain comparison of the (reversed) texts, equal ones by number.
std::vector<std::uint32_t> vergleichsordnung(std::vector<std::string> texte, bool rueckwaerts) {
    if (rueckwaerts)
        for (std::string& t : texte)
            std::reverse(t.begin(), t.end());
    std::vector<std::uint32_t> ordnung(texte.size());
    std::iota(ordnung.begin(), ordnung.end(), 0u);
    std::stable_sort(ordnung.begin(), ordnung.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return texte[a] < texte[b]; });
    return ordnung;
}

TEST(NachBytesOrdnen, ShortExamples) {
    const Wortzeilen texte(std::vector<std::string>{"ab", "b", "a"});
    EXPECT_EQ(NachBytesOrdnen(texte.Feld(), false), (std::vector<std::uint32_t>{2, 0, 1}));
    EXPECT_EQ(NachBytesOrdnen(texte.Feld(), true), (std::vector<std::uint32_t>{2, 1, 0}));
}

TEST(NachBytesOrdnen, AgreesWithComparingWholeTexts) {
    // Long shared beginnings and ends, texts that begin or end others, repeats, zero bytes and
    // bytes above 0x7F, the empty text.
    std::mt19937 zufall(7);
    const std::string teile[] = {"",      "a",        "ab",       std::string("a\0", 2), "\xFF",
                                 "\xE4u", "sch",      "ung",      "verwaltungsgericht",  "zz",
                                 "b",     "abcdefgh", "abcdefghi"};
    std::vector<std::string> liste;
    for (int i = 0; i < 4000; ++i) {
        std::string text;
        for (int j = static_cast<int>(zufall() % 5); j > 0; --j)
            text += teile[zufall() % std::size(teile)];
        liste.push_back(text);
    }
    const Wortzeilen texte(liste);
    for (const bool rueckwaerts : {false, true})
        EXPECT_EQ(NachBytesOrdnen(texte.Feld(), rueckwaerts), vergleichsordnung(liste, rueckwaerts))
            << (rueckwaerts ? "rückwärts" : "vorwärts");
}

} // namespace
} // namespace quandel
