#include "lexicon/ereignishaken.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using std::chrono::hours;
using std::chrono::milliseconds;

int aufrufe(EreignisHaken& haken, int& zaehler, int schritte) {
    for (int i = 0; i < schritte; ++i)
        haken();
    return zaehler;
}

TEST(EreignisHaken, RunsTheBoundFunctionOnlyEverySixteenthCallAtMost) {
    int zaehler = 0;
    EreignisHaken haken([&] { ++zaehler; }, milliseconds(0));
    EXPECT_EQ(aufrufe(haken, zaehler, 15), 0);
    EXPECT_EQ(aufrufe(haken, zaehler, 1), 1);
    EXPECT_EQ(aufrufe(haken, zaehler, 16 * 99), 100);
}

TEST(EreignisHaken, WaitsForTheInterval) {
    int zaehler = 0;
    EreignisHaken haken([&] { ++zaehler; }, hours(1));
    EXPECT_EQ(aufrufe(haken, zaehler, 100000), 0);
}

TEST(EreignisHaken, NowRunsWithoutCountingButWaitsForTheInterval) {
    int zaehler = 0;
    EreignisHaken sofort([&] { ++zaehler; }, milliseconds(0));
    sofort.Jetzt();
    sofort.Jetzt();
    EXPECT_EQ(zaehler, 2);
    EreignisHaken spaeter([&] { ++zaehler; }, hours(1));
    spaeter.Jetzt();
    EXPECT_EQ(zaehler, 2);
}

} // namespace
} // namespace quandel
