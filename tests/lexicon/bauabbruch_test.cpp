// A long build of a lexicon looks at the window between all of its long steps, and stops at
// once when asked to at any of those looks.
#include "lexicon/lexikon.h"
#include "lexicon/wortzeilen.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quandel {
namespace {

Wortzeilen Liste() {
    Wortzeilen zeilen;
    for (int i = 0; i < 20000; ++i)
        zeilen.Anhaengen("Wort" + std::to_string(i) + "eide");
    return zeilen;
}

// Builds the list with an event hook that runs at every chance it gets, notes the progress at
// each of its runs and asks to stop at run `stopp`; true if the lexicon was built.
bool Bauen(int stopp, std::vector<int>& prozente) {
    std::atomic<bool> abbruch{false};
    int prozent = -1;
    EreignisHaken haken(
        [&] {
            if (static_cast<int>(prozente.size()) == stopp)
                abbruch = true;
            prozente.push_back(prozent);
        },
        std::chrono::milliseconds(0));
    Baubegleitung begleitung;
    begleitung.haken = &haken;
    begleitung.abbruch = &abbruch;
    begleitung.fortschritt = [&](int p) { prozent = p; };
    Lexikon lexikon;
    try {
        lexikon.LexikonAufbauen(Liste(), "a,e,i,o,u", begleitung);
        return true;
    } catch (const BauAbgebrochen&) {
        return false;
    }
}

TEST(LexikonBau, LooksAtTheWindowBetweenItsLongSteps) {
    std::vector<int> prozente;
    ASSERT_TRUE(Bauen(-1, prozente));
    // After the keys are ordered and before the song-rhyme index: the trees' orders and texts.
    EXPECT_GE(
        std::count_if(prozente.begin(), prozente.end(), [](int p) { return p >= 60 && p < 90; }),
        5);
    // The last look comes when the song-rhyme index is complete.
    EXPECT_EQ(prozente.back(), 99);
}

TEST(LexikonBau, StopsAtOnceWhenAskedAtAnyLook) {
    std::vector<int> prozente;
    ASSERT_TRUE(Bauen(-1, prozente));
    for (int stopp = 0; stopp < static_cast<int>(prozente.size()); ++stopp) {
        std::vector<int> bisher;
        EXPECT_FALSE(Bauen(stopp, bisher)) << "look " << stopp << " at " << prozente[stopp] << " %";
        EXPECT_EQ(static_cast<int>(bisher.size()), stopp + 1);
    }
}

} // namespace
} // namespace quandel
