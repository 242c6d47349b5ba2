// The spoonerism on the command line: rows of four, and Ctrl+C keeping the rows found so far.
#include "cli_prozess.h"
#include "testdatei.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sstream>

using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::CliProzess;
using quandel::testhilfe::DebianDatei;
using quandel::testhilfe::kNgerman;
using quandel::testhilfe::TestdateiSchreiben;

TEST(CliSchuettel, ReimGivesOneRowOfFourTabSeparatedWords) {
    const std::string datei = TestdateiSchreiben("reim.txt", "Rand\nLeim\nLand\nReim\n");
    const auto lauf = CliAusfuehren({"schuettel", "Reim", "--wortbestand", datei});
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "Reim\tLand\tLeim\tRand\n");
    // Not a terminal: neither progress bar nor duration.
    EXPECT_EQ(lauf.fehler, "");
}

TEST(CliSchuettel, OnATerminalProgressAndDurationGoToStderr) {
    const std::string datei = TestdateiSchreiben("reim.txt", "Rand\nLeim\nLand\nReim\n");
    CliProzess prozess({"schuettel", "Reim", "--wortbestand", datei}, true);
    const auto lauf = prozess.Abwarten();
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.aus, "Reim\tLand\tLeim\tRand\n");
    EXPECT_NE(lauf.fehler.find("\r["), std::string::npos) << lauf.fehler;
    EXPECT_NE(lauf.fehler.find(" %"), std::string::npos) << lauf.fehler;
    EXPECT_NE(lauf.fehler.find("Suchdauer = Std 0 - Min 0 - Sek 0"), std::string::npos);

    CliProzess endreim({"end", "eim", "--wortbestand", datei}, true);
    EXPECT_EQ(endreim.Abwarten().fehler, "");
}

TEST(CliSchuettel, RowsAreNeverReordered) {
    const std::string datei = TestdateiSchreiben("reim.txt", "Rand\nLeim\nLand\nReim\n");
    EXPECT_EQ(CliAusfuehren({"schuettelreim", "R", "eim", "--wortbestand", datei}).aus,
              "Reim\tLand\tLeim\tRand\n");
    // So --rueck, which would not change them, is refused.
    const auto rueck =
        CliAusfuehren({"schuettelreim", "R", "eim", "--rueck", "--wortbestand", datei});
    EXPECT_EQ(rueck.status, 2);
    EXPECT_EQ(rueck.aus, "");
}

TEST(CliSchuettel, OneCharacterHasNoEndPart) {
    const auto lauf = CliAusfuehren({"schuettel", "R"});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.fehler, "quandel-cli: kein Eintrag\n");
}

TEST(CliSchuettel, CtrlCPrintsTheRowsFoundSoFar) {
    if (!DebianDatei(kNgerman, "wngerman"))
        return;
    const std::string gross = kNgerman;
    // Onset s, rest e: a pairing of some hundred milliseconds, while the signal takes microseconds.
    const std::vector<std::string> argumente{"schuettel", "s", "e", "--wortbestand", gross};

    // With stderr on a terminal the bar appears once the pairing runs; Ctrl+C then stops it.
    CliProzess prozess(argumente, true);
    ASSERT_TRUE(prozess.FehlerAbwarten(" %"));
    ::kill(prozess.pid(), SIGINT);
    const auto abgebrochen = prozess.Abwarten();
    const auto ganz = CliAusfuehren(argumente);

    ASSERT_EQ(ganz.status, 0);
    if (abgebrochen.status == 0)
        GTEST_SKIP() << "the pairing was done before the signal arrived";
    EXPECT_EQ(abgebrochen.signal, 0) << "the process must end by itself";
    EXPECT_EQ(abgebrochen.status, 130);
    EXPECT_NE(abgebrochen.fehler.find("Suchdauer = Abgebrochen"), std::string::npos);
    EXPECT_LT(abgebrochen.aus.size(), ganz.aus.size());
    EXPECT_EQ(ganz.aus.compare(0, abgebrochen.aus.size(), abgebrochen.aus), 0)
        << "the rows of the stopped search begin the full result";
    std::istringstream zeilen(abgebrochen.aus);
    for (std::string zeile; std::getline(zeilen, zeile);)
        EXPECT_EQ(std::count(zeile.begin(), zeile.end(), '\t'), 3) << zeile;
}
