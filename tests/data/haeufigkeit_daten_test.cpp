// The commonness ranks compiled into the programs: every form of data/haeufigkeit.txt with the
// rank of its line.
#include "search/haeufigkeit_eingebaut.h"
#include "text/datei.h"
#include "text/kodierung.h"
#include "text/zeilen.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

TEST(EingebauteHaeufigkeit, EveryFormWithTheRankOfItsLine) {
    const Haeufigkeit tabelle = daten::EingebauteHaeufigkeit();
    std::uint32_t rang = 0;
    for (const std::string& zeile : ZeilenAusUtf8(DateiLesen(QUANDEL_HAEUFIGKEIT), "haeufigkeit")) {
        if (zeile.starts_with('#'))
            continue;
        ++rang;
        ASSERT_EQ(tabelle.Rang(zeile), rang) << Utf8AusCp1252(zeile);
    }
    EXPECT_EQ(tabelle.size(), rang);
    EXPECT_GT(rang, 70000u);
}

TEST(EingebauteHaeufigkeit, CommonAndRareForms) {
    const Haeufigkeit tabelle = daten::EingebauteHaeufigkeit();
    EXPECT_EQ(tabelle.Rang("der"), 1u);
    EXPECT_EQ(Rangklasse(tabelle.Rang("herz")), 1);
    EXPECT_EQ(Rangklasse(tabelle.Rang("schmerz")), 2);
    EXPECT_EQ(Rangklasse(tabelle.Rang("zwerg")), 3);
    EXPECT_LT(tabelle.Rang("leise"), tabelle.Rang("zwerg"));
    EXPECT_EQ(tabelle.Rang(Cp1252AusUtf8("hände")).has_value(), true);
    // Only lower-case forms, and none of the dump's markup.
    EXPECT_EQ(tabelle.Rang("Herz"), std::nullopt);
    EXPECT_EQ(tabelle.Rang("curid"), std::nullopt);
    EXPECT_EQ(tabelle.Rang("quandel"), std::nullopt);
}

} // namespace
} // namespace quandel
