// Common words first: single hits and the spoonerism's rows.
#include "search/rangordnung.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

const Haeufigkeit kHaeufigkeit =
    HaeufigkeitAufbauen({"werk", "land", "zwerg", "rand", "merk", "leim", "reim"});

TEST(Rangordnung, RankedWordsFirstThenShorterOnes) {
    std::vector<std::string> treffer{"Zwergenhaus", "Quark", "Zwerg", "Mark", "Werk", "merk"};
    NachRangOrdnen(treffer, 1, kHaeufigkeit);
    // Ranked by rank (looked up lowered), then the unranked, shorter first, else as they were.
    EXPECT_EQ(treffer,
              (std::vector<std::string>{"Werk", "Zwerg", "merk", "Mark", "Quark", "Zwergenhaus"}));
    EXPECT_LT(RangschluesselVon("Werk", kHaeufigkeit), RangschluesselVon("Zwerg", kHaeufigkeit));
    EXPECT_LT(RangschluesselVon("Quark", kHaeufigkeit),
              RangschluesselVon("Zwergenhaus", kHaeufigkeit));
}

TEST(Rangordnung, SpoonerismRowsByTheirLeastCommonWord) {
    // Search word, swapped word, end word, alliteration word; the search word does not count.
    std::vector<std::string> treffer{"Reim", "Lust", "Leim", "Rand",  // Lust: no rank
                                     "Reim", "Land", "Leim", "Rand",  // worst: leim (6)
                                     "Reim", "Werk", "Weim", "Rerk",  // two without rank
                                     "Reim", "Land", "Merk", "Rand"}; // worst: merk (5)
    NachRangOrdnen(treffer, 4, kHaeufigkeit);
    EXPECT_EQ(treffer, (std::vector<std::string>{"Reim", "Land", "Merk", "Rand", //
                                                 "Reim", "Land", "Leim", "Rand", //
                                                 "Reim", "Lust", "Leim", "Rand", //
                                                 "Reim", "Werk", "Weim", "Rerk"}));
}

} // namespace
} // namespace quandel
