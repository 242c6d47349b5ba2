#include "lexicon/trie.h"
#include "lexicon/wortzeilen.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace quandel {
namespace {

// A tree over the given lower-case texts; word i is text i.
struct Baum {
    Baum(const std::vector<std::string>& texte, bool rueckwaerts)
        : klein(texte), ordnung(Trie::Ordnen(feld, rueckwaerts)), trie(ordnung, feld, rueckwaerts) {
    }
    Wortzeilen klein;
    TextFeld feld = klein.Feld();
    std::vector<std::int32_t> ordnung;
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

} // namespace
} // namespace quandel
