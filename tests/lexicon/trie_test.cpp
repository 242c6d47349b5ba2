#include "lexicon/trie.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace quandel {
namespace {

// The texts of the word nodes that a walk reaches, rebuilt from the numbers given to them.
std::set<int> woerterUnter(const Trie& trie, KnotenNr start, bool alleNachbarn = false) {
    std::set<int> nummern;
    trie.Durchlaufen(
        [&](const TrieKnoten& k, KnotenNr) {
            if (k.WortNr != -1)
                nummern.insert(k.WortNr);
        },
        start, alleNachbarn);
    return nummern;
}

TEST(Trie, RootIsASentinel) {
    Trie trie;
    const TrieKnoten& wurzel = trie.Knoten(trie.Wurzel());
    EXPECT_EQ(wurzel.Zeichen, 0xFF);
    EXPECT_EQ(wurzel.WortNr, -1);
    EXPECT_EQ(wurzel.Kind, kKeinKnoten);
    EXPECT_EQ(trie.Einfuegen(""), trie.Wurzel());
    EXPECT_EQ(trie.Suchen(""), trie.Wurzel());
    EXPECT_EQ(trie.Einfuegen("\xFFx"), trie.Wurzel());
    EXPECT_EQ(trie.Einfuegen("\x9Fx"), trie.Wurzel()); // Ÿ lowers to ÿ
    EXPECT_EQ(trie.Suchen("\xFFx"), trie.Wurzel());
    EXPECT_EQ(trie.Knotenzahl(), 1u);
}

TEST(Trie, InsertLowersSearchDoesNot) {
    Trie trie;
    const KnotenNr knoten = trie.Einfuegen("Schlange");
    EXPECT_EQ(trie.Knoten(knoten).Zeichen, 'e');
    EXPECT_EQ(trie.Suchen("schlange"), knoten);
    EXPECT_EQ(trie.Suchen("Schlange"), trie.Wurzel());
    EXPECT_EQ(trie.Einfuegen("SCHLANGE"), knoten);
    EXPECT_EQ(trie.Suchen("schlangen"), trie.Wurzel());
}

TEST(Trie, PrefixPathWithoutWord) {
    Trie trie;
    trie.Knoten(trie.Einfuegen("angst")).WortNr = 7;
    const KnotenNr ang = trie.Suchen("ang");
    ASSERT_NE(ang, trie.Wurzel());
    EXPECT_EQ(trie.Knoten(ang).Zeichen, 'g');
    EXPECT_EQ(trie.Knoten(ang).WortNr, -1);
    EXPECT_EQ(woerterUnter(trie, ang), std::set<int>{7});
}

TEST(Trie, WalkStaysInsideTheSubtree) {
    Trie trie;
    trie.Knoten(trie.Einfuegen("lampe")).WortNr = 1;
    trie.Knoten(trie.Einfuegen("lupe")).WortNr = 2;
    trie.Knoten(trie.Einfuegen("la")).WortNr = 3;
    trie.Knoten(trie.Einfuegen("b")).WortNr = 4;
    EXPECT_EQ(woerterUnter(trie, trie.Suchen("la")), (std::set<int>{1, 3}));
    EXPECT_EQ(woerterUnter(trie, trie.Suchen("l")), (std::set<int>{1, 2, 3}));
    EXPECT_EQ(woerterUnter(trie, trie.Wurzel(), true), (std::set<int>{1, 2, 3, 4}));
}

TEST(Trie, WalkIsPostOrderAndVisitsALeafOnce) {
    Trie trie;
    trie.Einfuegen("ab");
    trie.Einfuegen("ac");
    std::string folge;
    trie.Durchlaufen(
        [&](const TrieKnoten& k, KnotenNr) { folge.push_back(static_cast<char>(k.Zeichen)); },
        trie.Suchen("a"), false);
    EXPECT_EQ(folge, "cba"); // b's sibling c before b, the start node last
    int besuche = 0;
    trie.Durchlaufen([&](const TrieKnoten&, KnotenNr) { ++besuche; }, trie.Suchen("ac"), false);
    EXPECT_EQ(besuche, 1);
}

TEST(Trie, FirstLettersChainInInsertionOrder) {
    Trie trie;
    trie.Einfuegen("b");
    trie.Einfuegen("a");
    const TrieKnoten& b = trie.Knoten(trie.Knoten(trie.Wurzel()).Nachbar);
    EXPECT_EQ(b.Zeichen, 'b');
    EXPECT_EQ(trie.Knoten(b.Nachbar).Zeichen, 'a');
}

TEST(Trie, DeepSiblingChainsDoNotExhaustTheStack) {
    Trie trie;
    std::string wort;
    for (int i = 0; i < 20000; ++i) {
        wort.push_back(static_cast<char>('a' + i % 26));
        trie.Einfuegen(wort);
    }
    int besuche = 0;
    trie.Durchlaufen([&](const TrieKnoten&, KnotenNr) { ++besuche; }, trie.Wurzel(), true);
    EXPECT_EQ(besuche, 20001);
}

} // namespace
} // namespace quandel
