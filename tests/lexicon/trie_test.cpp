#include "lexicon/halbierung.h"
#include "lexicon/trie.h"
#include "lexicon/wortzeilen.h"
#include "text/kleinschreibung.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace quandel {
namespace {

std::vector<std::string> gesenkt(std::vector<std::string> texte) {
    for (std::string& t : texte)
        KleinInPlace(t);
    return texte;
}

// A tree over the given texts, ordered by their lowered bytes as the lexicon orders its trees;
// word i is text i.
struct Baum {
    Baum(const std::vector<std::string>& texte, bool rueckwaerts)
        : worte(texte), klein(gesenkt(texte)), ordnung(Trie::Ordnen(klein.Feld(), rueckwaerts)) {
        Trie::TexteOrdnen(worte.Feld(), ordnung, ende, pool);
        trie = Trie(ordnung, TextFeld(ende, pool), rueckwaerts);
    }
    Wortzeilen worte;
    Wortzeilen klein;
    std::vector<std::int32_t> ordnung;
    std::vector<std::uint32_t> ende{0};
    std::string pool;
    Trie trie;

    std::set<int> unter(std::string_view text) const {
        const auto worte = trie.Worte(trie.Suchen(text));
        return {worte.begin(), worte.end()};
    }
};

TEST(Trie, LookupIsByRawBytesAndFindsThePathNotOnlyWords) {
    const Baum baum({"", "schlange", "angst", "lampe", "lupe", "la", "b"}, false);
    EXPECT_EQ(baum.unter("schlange"), (std::set<int>{1}));
    EXPECT_TRUE(baum.trie.Suchen("Schlange").leer());   // the lookup does not lower
    EXPECT_EQ(baum.unter("ang"), (std::set<int>{2}));   // a path, no word of its own
    EXPECT_EQ(baum.unter("la"), (std::set<int>{3, 5})); // not lupe under lu
    EXPECT_EQ(baum.unter("l"), (std::set<int>{3, 4, 5}));
    EXPECT_TRUE(baum.trie.Suchen("angste").leer());
    EXPECT_TRUE(baum.trie.Suchen("c").leer());
    EXPECT_TRUE(baum.trie.Suchen("").leer()); // the root: never reported
}

TEST(Trie, TextsBeginningWithByteFFAreNeverFound) {
    const Baum baum({"\xFFx", "x"}, false);
    EXPECT_TRUE(baum.trie.Suchen("\xFF").leer());
    EXPECT_TRUE(baum.trie.Suchen("\xFFx").leer());
    EXPECT_EQ(baum.trie.Genau("\xFFx"), 0); // the exact lookup of a word still answers
}

TEST(Trie, ReversedTreeAnswersEndings) {
    const Baum baum({"", "vor allem", "lampe", "schlampe", "mella"}, true);
    EXPECT_EQ(baum.unter("mella"), (std::set<int>{1})); // "vor allem" reversed
    EXPECT_EQ(baum.unter("epmal"), (std::set<int>{2, 3}));
    EXPECT_EQ(baum.unter("e"), (std::set<int>{2, 3}));
    EXPECT_EQ(baum.trie.Genau("epmal"), 2);
    EXPECT_EQ(baum.trie.Genau(""), 0);
    EXPECT_FALSE(baum.trie.Genau("epma"));
}

TEST(Trie, OrderIsTheByteOrderOfTheTexts) {
    // Bytes above 0x7F (umlauts) sort after ASCII; a text before its extensions.
    const Baum vor({"\xFC"
                    "ber",
                    "abc", "ab", "abd", "b"},
                   false);
    EXPECT_EQ(vor.ordnung, (std::vector<std::int32_t>{2, 1, 3, 4, 0}));
    const Baum rueck({"ba", "ab", "cb", "a"}, true);
    EXPECT_EQ(rueck.ordnung, (std::vector<std::int32_t>{3, 0, 1, 2}));
}

TEST(Trie, RunsOfLongSharedBeginningsAreExact) {
    // More than the eight bytes held beside each number are needed to tell these apart.
    std::vector<std::string> texte;
    for (int i = 0; i < 200; ++i)
        texte.push_back("donaudampfschiff" + std::to_string(i % 7) + std::to_string(i));
    const Baum baum(texte, false);
    for (std::size_t i = 1; i < baum.ordnung.size(); ++i)
        ASSERT_LT(texte[static_cast<std::size_t>(baum.ordnung[i - 1])],
                  texte[static_cast<std::size_t>(baum.ordnung[i])]);
    EXPECT_EQ(baum.unter("donaudampfschiff3").size(), 29u);
    EXPECT_EQ(baum.trie.Genau("donaudampfschiff3199"), 199);
}

TEST(Trie, StoredCapitalsAreLoweredTheQueryIsNot) {
    const Baum vor({"Angst", "\xC4pfel", "angeln"}, false); // Äpfel
    EXPECT_EQ(vor.unter("ang"), (std::set<int>{0, 2}));
    EXPECT_TRUE(vor.trie.Suchen("Ang").leer());
    EXPECT_EQ(vor.unter("\xE4"), (std::set<int>{1}));
    EXPECT_EQ(vor.trie.Genau("angst"), 0);
    EXPECT_EQ(vor.trie.Text(static_cast<std::size_t>(
                  std::find(vor.ordnung.begin(), vor.ordnung.end(), 1) - vor.ordnung.begin())),
              "\xC4pfel");
    const Baum rueck({"Reim", "LEIM", "Heim"}, true);
    EXPECT_EQ(rueck.unter("mie"), (std::set<int>{0, 1, 2}));
    EXPECT_EQ(rueck.unter("miel"), (std::set<int>{1}));
}

// Every prefix of every word, and some that are none, against a scan: runs of one word up to
// runs of most of the tree, where the search doubles its steps from the start of the run.
TEST(Trie, EveryRunEqualsAScan) {
    std::mt19937 zufall(7);
    std::vector<std::string> texte;
    for (int i = 0; i < 3000; ++i) {
        std::string t;
        for (int n = 1 + static_cast<int>(zufall() % 9); n > 0; --n)
            t += "aabbcdeE"[zufall() % 8];
        texte.push_back(t);
    }
    for (const bool rueckwaerts : {false, true}) {
        const Baum baum(texte, rueckwaerts);
        std::set<std::string> praefixe{"x", "aaaaaaaaaa", "e"};
        for (const std::string& t : texte)
            for (std::size_t n = 1; n <= t.size(); ++n) {
                const std::string klein = Klein(t);
                praefixe.insert(rueckwaerts ? std::string(klein.rbegin(), klein.rbegin() + n)
                                            : klein.substr(0, n));
            }
        for (const std::string& p : praefixe) {
            std::set<int> erwartet;
            for (std::size_t i = 0; i < texte.size(); ++i) {
                std::string klein = Klein(texte[i]);
                if (rueckwaerts)
                    std::reverse(klein.begin(), klein.end());
                if (klein.starts_with(p))
                    erwartet.insert(static_cast<int>(i));
            }
            ASSERT_EQ(baum.unter(p), erwartet) << p << (rueckwaerts ? " rückwärts" : "");
        }
    }
}

TEST(ErsteStelle, FindsTheFirstPlaceWhereTheConditionEnds) {
    const std::vector<int> zahlen{1, 3, 3, 3, 7, 9};
    const auto vor = [&](int wert) {
        return [&zahlen, wert](std::size_t k) { return zahlen[k] < wert; };
    };
    EXPECT_EQ(ErsteStelle(0, zahlen.size(), vor(3)), 1u);
    EXPECT_EQ(ErsteStelle(0, zahlen.size(), vor(4)), 4u);
    EXPECT_EQ(ErsteStelle(0, zahlen.size(), vor(0)), 0u);
    EXPECT_EQ(ErsteStelle(0, zahlen.size(), vor(10)), zahlen.size());
    EXPECT_EQ(ErsteStelle(2, 5, vor(1)), 2u); // within the range only
    EXPECT_EQ(ErsteStelle(3, 3, vor(10)), 3u);
}

} // namespace
} // namespace quandel
