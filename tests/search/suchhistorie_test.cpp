#include "search/suchhistorie.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using Worte = std::vector<std::string>;

const HistorienEintrag kEnd{Suchmodus::End, false, true, true};
const HistorienEintrag kSchuettel{Suchmodus::Schuettel, true, false, false};

TEST(Suchhistorie, RecordsOnlySearchesWithHitsAndNoAlliteration) {
    Suchhistorie historie;
    EXPECT_FALSE(historie.TrefferHistorieMerken({}, "qxqxq", kEnd));
    EXPECT_FALSE(historie.TrefferHistorieMerken({"Schlange"}, "sch", {Suchmodus::Stab}));
    EXPECT_TRUE(historie.Leer());
    for (const Suchmodus modus :
         {Suchmodus::End, Suchmodus::Lied, Suchmodus::Schuettel, Suchmodus::Klang})
        EXPECT_TRUE(historie.TrefferHistorieMerken({"Seide"}, "eide", {modus}));
    EXPECT_EQ(historie.Anzahl(), 4u);
    EXPECT_EQ(historie.Eintrag(3).modus, Suchmodus::Klang);
}

TEST(Suchhistorie, KeepsEverySearchAsRecorded) {
    Suchhistorie historie;
    historie.TrefferHistorieMerken({"Weide", "beide", "Kreide"}, "eide", kEnd);
    historie.TrefferHistorieMerken({"Reim", "Land", "Leim", "Rand"}, "Reim", kSchuettel);
    // The same search again is a new entry, not a move of the old one.
    historie.TrefferHistorieMerken({"Weide", "beide", "Kreide"}, "eide", kEnd);
    ASSERT_EQ(historie.Anzahl(), 3u);
    // The hits keep the order of the hit list: the grid orders them when it shows them.
    EXPECT_EQ(historie.Treffer(0), (Worte{"Weide", "beide", "Kreide"}));
    EXPECT_EQ(historie.Text(1), "Reim");
    EXPECT_EQ(historie.Treffer(1), (Worte{"Reim", "Land", "Leim", "Rand"}));
    EXPECT_EQ(historie.Eintrag(1), kSchuettel);
    EXPECT_EQ(historie.Text(2), "eide");
    EXPECT_EQ(historie.Eintrag(2), kEnd);
}

TEST(Suchhistorie, PositionsOfTheArrowsAndTheList) {
    Suchhistorie historie;
    EXPECT_EQ(historie.PfeilMaximum(), 0);
    EXPECT_EQ(historie.Zeigen(0), std::nullopt) << "no history: the arrows show nothing";
    historie.TrefferHistorieMerken({"Seide"}, "eide", kEnd);
    EXPECT_EQ(historie.PfeilMaximum(), 0);
    EXPECT_EQ(historie.Zeigen(0), 0u);
    historie.TrefferHistorieMerken({"Miene"}, "Liese", {Suchmodus::Lied});
    historie.TrefferHistorieMerken({"Reim"}, "Reim", kSchuettel);
    EXPECT_EQ(historie.PfeilMaximum(), 2);
    EXPECT_EQ(historie.Zeigen(1), 1u);
    EXPECT_EQ(historie.Zeigen(3), std::nullopt);
    EXPECT_EQ(historie.Zeigen(-1), std::nullopt);
    EXPECT_EQ(Suchhistorie::PfeilStelle(2), 2);
}

TEST(Suchhistorie, EntriesBeyondSixteenBitsAreReachedByTheListOnly) {
    Suchhistorie historie;
    for (int i = 0; i < 32770; ++i)
        historie.TrefferHistorieMerken({"Seide"}, std::to_string(i), kEnd);
    EXPECT_EQ(historie.PfeilMaximum(), Suchhistorie::kHoechsteStelle);
    EXPECT_EQ(Suchhistorie::PfeilStelle(32769), 32767);
    EXPECT_EQ(Suchhistorie::PfeilStelle(32767), 32767);
    ASSERT_EQ(historie.Zeigen(32769), 32769u);
    EXPECT_EQ(historie.Text(32769), "32769");
}

} // namespace
} // namespace quandel
