// A stdin session keeps no more memory after thousands of searches than after a few: every
// search gives back what it collected, in every mode.
#include "cli_prozess.h"
#include "testdatei.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::CliProzess;
using quandel::testhilfe::Lauf;
using quandel::testhilfe::TestdateiSchreiben;

struct Sitzungsart {
    std::vector<std::string> argumente;
    std::string text; // asked on every line
};

// Peak memory in KB of a session of n lines of the text, read once every line is answered
// and before stdin ends; the answers go to antworten.
long spitze(const Sitzungsart& art, std::size_t n, std::string& antworten,
            std::size_t antwortBytes) {
    CliProzess prozess(art.argumente, {.eingabeOffen = true});
    std::string eingabe;
    for (std::size_t i = 0; i < n; ++i)
        eingabe += art.text + '\n';
    // The answers are read while the lines go in, so that neither pipe fills up.
    std::thread schreiber([&] { prozess.Schreiben(eingabe); });
    const bool beantwortet = prozess.AusgabeAbwarten(n * antwortBytes);
    schreiber.join();
    const long kb = prozess.SpeicherspitzeKb();
    const Lauf lauf = prozess.Abwarten();
    EXPECT_TRUE(beantwortet) << lauf.fehler;
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    antworten = lauf.aus;
    return kb;
}

TEST(CliSpeicher, ThreeThousandLinesPeakWithinFifteenMegabytesOfThirty) {
    const Sitzungsart arten[] = {
        {{"end", "-"}, "e"},  {{"end", "-", "--akzent"}, "eide"}, {{"lied", "-"}, "Liese"},
        {{"stab", "-"}, "s"}, {{"schuettel", "-"}, "Reim"},       {{"klang", "-"}, "Haus"},
    };
    for (const Sitzungsart& art : arten) {
        const std::string name = art.argumente.front() + " " + art.text;
        const Lauf einzeln =
            CliAusfuehren(art.argumente, {.eingabeDatei = TestdateiSchreiben("eine", art.text)});
        ASSERT_EQ(einzeln.status, 0) << name << ": " << einzeln.fehler;
        const std::string& eine = einzeln.aus;
        ASSERT_GT(eine.size(), 20u) << name; // some hits, not only the closing line

        std::string wenige;
        std::string viele;
        const long kurz = spitze(art, 30, wenige, eine.size());
        const long lang = spitze(art, 3000, viele, eine.size());
        ASSERT_GT(kurz, 0) << name;
        // Every line was answered, and answered alike.
        EXPECT_EQ(viele.size(), 3000 * eine.size()) << name;
        EXPECT_EQ(viele.substr(viele.size() - eine.size()), eine) << name;
        EXPECT_LT(lang - kurz, 15 * 1024)
            << name << ": 30 Zeilen " << kurz << " KB, 3000 Zeilen " << lang << " KB";
    }
}

} // namespace
