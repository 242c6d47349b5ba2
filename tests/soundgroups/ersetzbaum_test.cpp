#include "soundgroups/ersetzbaum.h"
#include "soundgroups/lautgruppen_eingebaut.h"
#include "tests/testlexikon.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;
using Texte = std::vector<std::string>;

Texte alternativen(const ErsetzBaum& baum, const std::string& schluessel) {
    Texte ziel;
    baum.Alternativen(cp(schluessel), ziel);
    return test::utf8(ziel);
}

TEST(ErsetzBaum, AlternativesOfTheDefaultGroups) {
    const ErsetzBaum& baum = test::VorgabeLautersetzung().Baum();
    for (const char* i : {"i", "ie", "ih", "I"})
        EXPECT_EQ(alternativen(baum, i), (Texte{"i", "ie", "ih"})) << i;
    EXPECT_EQ(alternativen(baum, "tt"), (Texte{"t", "tt"}));
    EXPECT_EQ(alternativen(baum, "T"), (Texte{"t", "tt"}));
    EXPECT_EQ(alternativen(baum, "äu"), (Texte{"ei", "äu", "eu"}));
    // Plain characters stand for themselves, as asked for.
    EXPECT_EQ(alternativen(baum, "a"), (Texte{"a"}));
    EXPECT_EQ(alternativen(baum, "A"), (Texte{"A"}));
    EXPECT_EQ(alternativen(baum, "ä"), (Texte{"ä"}));
    EXPECT_EQ(alternativen(baum, "e"), (Texte{"e"}));
}

TEST(ErsetzBaum, MergeListLongestFirstWithEveryElement) {
    const Texte& merge = test::VorgabeLautersetzung().MergeList();
    const auto zweiBuchstaben =
        std::find_if(merge.begin(), merge.end(), [](const std::string& t) { return t.size() < 2; });
    const Texte vorn = test::utf8(Texte(merge.begin(), zweiBuchstaben));
    EXPECT_EQ(std::set<std::string>(vorn.begin(), vorn.end()),
              (std::set<std::string>{"ie", "ih", "ei", "äu", "eu", "tt"}));
    EXPECT_EQ(vorn.size(), 6u); // each spelling once, however many keys its group has
    // Key order decides among equal lengths: "ei" comes before "ie", so it claims "feier".
    EXPECT_LT(std::find(merge.begin(), merge.end(), "ei"),
              std::find(merge.begin(), merge.end(), "ie"));
    for (const std::string& element : daten::Elemente())
        EXPECT_NE(std::find(zweiBuchstaben, merge.end(), element), merge.end());
    for (const char* keinSchluessel : {" ", "\x80"}) // the blank and the euro sign
        EXPECT_EQ(std::find(merge.begin(), merge.end(), keinSchluessel), merge.end());
    // Both spellings of a letter are listed, though they are one key.
    EXPECT_NE(std::find(merge.begin(), merge.end(), "A"), merge.end());
    EXPECT_NE(std::find(merge.begin(), merge.end(), "a"), merge.end());
}

TEST(ErsetzBaum, TheLastMentionDecidesAndEmptyGroupsAddNothing) {
    const Lautgruppen gruppen{{"Erste", {"x", "ks"}}, {"Leer", {}}, {"Zweite", {"ks", "chs"}}};
    const ErsetzBaum baum(gruppen, daten::Elemente());
    EXPECT_EQ(alternativen(baum, "ks"), (Texte{"ks", "chs"}));
    EXPECT_EQ(alternativen(baum, "x"), (Texte{"x", "ks"})); // both lists keep the member
    EXPECT_EQ(alternativen(baum, "X"), (Texte{"x", "ks"}));

    Texte eintraege;
    baum.EintraegeAuflisten(eintraege);
    const ErsetzBaum ohneLeer({gruppen[0], gruppen[2]}, daten::Elemente());
    Texte ohne;
    ohneLeer.EintraegeAuflisten(ohne);
    EXPECT_EQ(eintraege, ohne);
}

TEST(Lautersetzung, RebuiltFromChangedGroups) {
    Lautersetzung ersetzung(VorgabeLautgruppen());
    Lautgruppen gruppen = VorgabeLautgruppen();
    gruppen[1].mitglieder.push_back("p"); // "p" dragged into the Ei-Laute
    gruppen[3].mitglieder.pop_back();
    ersetzung.ErsetzBaumErneuern(gruppen);
    EXPECT_EQ(alternativen(ersetzung.Baum(), "p"), (Texte{"ei", "äu", "eu", "p"}));
    EXPECT_EQ(alternativen(ersetzung.Baum(), "b"), (Texte{"b"}));
    EXPECT_EQ(LaengeAbsteigend("ie", "e"), -1);
    EXPECT_EQ(LaengeAbsteigend("e", "ie"), 1);
    EXPECT_EQ(LaengeAbsteigend("ei", "ie"), 0);
}

} // namespace
} // namespace quandel
