// The commonness lookup: a table built from forms in rank order, its blocks and rank classes.
#include "search/haeufigkeit.h"
#include "text/fehler.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

// "w1000", "w999", ... for i = 0, 1, ...
std::string Form(int i) {
    std::string form = std::to_string(1000 - i);
    form.insert(0, 1, 'w');
    return form;
}

TEST(Haeufigkeit, RanksOfTheFormsGiven) {
    // More forms than one block, so the lookup crosses blocks; a form given twice keeps its
    // first rank.
    std::vector<std::string> formen;
    for (int i = 0; i < 100; ++i)
        formen.push_back(Form(i));
    formen.insert(formen.begin(), {"ich", "herz", "\xE4rger", "ich"});
    const Haeufigkeit tabelle = HaeufigkeitAufbauen(formen);
    EXPECT_EQ(tabelle.size(), 103u);
    EXPECT_EQ(tabelle.Rang("ich"), 1u);
    EXPECT_EQ(tabelle.Rang("herz"), 2u);
    EXPECT_EQ(tabelle.Rang("\xE4rger"), 3u); // "ärger", after every ASCII form
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(tabelle.Rang(Form(i)), static_cast<std::uint32_t>(i + 5));
    for (const char* fehlt : {"", "a", "icht", "ic", "w", "w1001", "zzz", "\xFF", "ich\nherz"})
        EXPECT_EQ(tabelle.Rang(fehlt), std::nullopt) << fehlt;
    EXPECT_EQ(Haeufigkeit().Rang("ich"), std::nullopt);

    // The same through the stored parts.
    const Haeufigkeit kopie(tabelle.Formen(), tabelle.Raenge(), tabelle.Bloecke());
    EXPECT_EQ(kopie.Rang("w950"), 55u);
}

TEST(Haeufigkeit, DamagedPartsAreRefused) {
    const Haeufigkeit tabelle = HaeufigkeitAufbauen({"a", "b", "c"});
    const std::uint32_t zuWeit[] = {6};
    EXPECT_THROW(Haeufigkeit("a\nb\nc\n", tabelle.Raenge(), zuWeit), Fehler);
    EXPECT_THROW(Haeufigkeit("a\nb\nc", tabelle.Raenge(), tabelle.Bloecke()), Fehler);
    EXPECT_THROW(Haeufigkeit("a\nb\nc\n", tabelle.Raenge(), {}), Fehler);
}

TEST(Haeufigkeit, RankClasses) {
    EXPECT_EQ(Rangklasse(1u), 1);
    EXPECT_EQ(Rangklasse(1000u), 1);
    EXPECT_EQ(Rangklasse(1001u), 2);
    EXPECT_EQ(Rangklasse(10000u), 2);
    EXPECT_EQ(Rangklasse(10001u), 3);
    EXPECT_EQ(Rangklasse(std::nullopt), 0);
}

} // namespace
} // namespace quandel
