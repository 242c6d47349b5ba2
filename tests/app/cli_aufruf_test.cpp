// The command line itself: exit statuses, options anywhere, usage errors.
#include "cli_prozess.h"

#include <cstdlib>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using quandel::testhilfe::CliAusfuehren;

TEST(CliAufruf, HitsGiveStatusZero) {
    const auto lauf = CliAusfuehren({"end", "eide"});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.fehler, "");
}

TEST(CliAufruf, NoHitSaysKeinEintragWithStatusOne) {
    const auto lauf = CliAusfuehren({"end", "qxqxq"});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_EQ(lauf.fehler, "quandel-cli: kein Eintrag\n");
}

TEST(CliAufruf, TextOfBlanksOnlyHasNoSearchWord) {
    const auto lauf = CliAusfuehren({"lied", "  ", " "});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_NE(lauf.fehler.find("kein Suchwort"), std::string::npos) << lauf.fehler;
}

TEST(CliAufruf, LongModeNamesAndOptionsAnywhere) {
    const auto kurz = CliAusfuehren({"end", "eide", "--rueck"});
    const auto lang = CliAusfuehren({"--rueck", "endreim", "eide"});
    EXPECT_EQ(lang.status, 0);
    EXPECT_EQ(lang.aus, kurz.aus);
}

TEST(CliAufruf, UnknownModeIsBadUsage) {
    const auto lauf = CliAusfuehren({"reim", "eide"});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_NE(lauf.fehler.find("\"reim\""), std::string::npos) << lauf.fehler;
}

TEST(CliAufruf, UnknownOptionIsBadUsage) {
    const auto lauf = CliAusfuehren({"end", "eide", "--vorwaerts"});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.fehler.find("--vorwaerts"), std::string::npos) << lauf.fehler;
}

TEST(CliAufruf, MissingPiecesAreBadUsage) {
    EXPECT_EQ(CliAusfuehren({}).status, 2);
    EXPECT_EQ(CliAusfuehren({"end", "eide", "--wortbestand"}).status, 2);
    EXPECT_EQ(CliAusfuehren({"end", "eide", "--kodierung", "latin9"}).status, 2);
}

TEST(CliAufruf, OptionsOfNoUseToTheCallAreBadUsage) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> faelle{
        {{"end", "eide", "--unrein"}, "Option --unrein gilt nur für klang"},
        {{"lied", "Liese", "--zweisilbig"}, "Option --zweisilbig gilt nur für klang"},
        {{"stab", "b", "--aussprache", "a.txt"}, "Option --aussprache gilt nur für klang"},
        {{"end", "eide", "--vokale", "a,e"}, "Option --vokale gilt nur für lied"},
        {{"klang", "Haus", "--akzent"},
         "Option --akzent gilt nicht für klang (die Lautgruppen gelten dort nicht)"},
        {{"klang", "Haus", "--lautgruppen=a.akz"},
         "Option --lautgruppen gilt nicht für klang (die Lautgruppen gelten dort nicht)"},
        {{"end", "eide", "--kein-cache"},
         "Option --kein-cache gilt nur mit --wortbestand, für synonym und mit --sinn"},
        {{"synonym", "Kummer", "--rueck"},
         "Option --rueck gilt nicht für synonym (es nimmt nur --thesaurus, --format und "
         "--kein-cache)"},
        {{"synonym", "Kummer", "--ordnung", "rang"},
         "Option --ordnung gilt nicht für synonym (es nimmt nur --thesaurus, --format und "
         "--kein-cache)"},
        {{"schuettel", "Reim", "--sinn", "Witz"},
         "Option --sinn gilt nur für end, lied, stab und klang"},
        {{"end", "eide", "--thesaurus", "t.txt"},
         "Option --thesaurus gilt nur für synonym und mit --sinn"},
        {{"end", "eide", "--kodierung", "cp1252"}, "Option --kodierung gilt nur mit --wortbestand"},
        {{"end", "eide", "--wortbestand", "a.txt", "--wortbestand=b.txt"},
         "Option --wortbestand ist mehrfach angegeben"},
        {{"end", "eide", "--minus", "--minus"}, "Option --minus ist mehrfach angegeben"},
        {{"end", "eide", "--format", "csv", "--format=json"},
         "Option --format ist mehrfach angegeben"},
        {{"-h", "--hilfe"}, "Option --help ist mehrfach angegeben"},
    };
    for (const auto& [argumente, meldung] : faelle) {
        const auto lauf = CliAusfuehren(argumente);
        EXPECT_EQ(lauf.status, 2) << meldung;
        EXPECT_EQ(lauf.aus, "");
        EXPECT_EQ(lauf.fehler,
                  "quandel-cli: " + meldung + "\nquandel-cli: Hilfe: quandel-cli --help\n");
    }

    // A vowel field without a single letter would let every word rhyme.
    for (const std::string feld : {"", ",,", "ae,oe"}) {
        const auto lauf = CliAusfuehren({"lied", "Liese", "--vokale", feld});
        EXPECT_EQ(lauf.status, 2);
        EXPECT_EQ(lauf.fehler, "quandel-cli: Vokalfeld \"" + feld +
                                   "\": es nennt keinen Vokal (einzelne Buchstaben durch Kommas "
                                   "getrennt, etwa a,e,i).\n");
    }
}

TEST(CliAufruf, DoubleDashMakesTheRestText) {
    // "--minus" after "--" is the search word, not the limit mode: nothing ends with it.
    const auto lauf = CliAusfuehren({"end", "--", "--minus"});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.fehler, "quandel-cli: kein Eintrag\n");
}

TEST(CliAufruf, ArgumentOutsideCp1252IsRefusedNotChanged) {
    const auto lauf = CliAusfuehren({"end", "łódź"});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_NE(lauf.fehler.find("\"ł\""), std::string::npos) << lauf.fehler;

    EXPECT_EQ(CliAusfuehren({"lied", "Liese", "--vokale", "a,e,ı"}).status, 2);
}

TEST(CliAufruf, HelpAndVersion) {
    const auto hilfe = CliAusfuehren({"--help"});
    EXPECT_EQ(hilfe.status, 0);
    EXPECT_NE(hilfe.aus.find("Aufruf: quandel-cli MODUS"), std::string::npos);
    EXPECT_EQ(CliAusfuehren({"end", "-h"}).aus, hilfe.aus);

    const auto version = CliAusfuehren({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.aus, "quandel-cli " QUANDEL_VERSION "\n");
}

// A test that reads Debian's data goes on when the file is there, and fails under CI when it
// is missing (elsewhere it is skipped, which would end this test).
TEST(CliTesthilfe, DebianDataMissingUnderCiFails) {
    const char* vorher = std::getenv("CI");
    const std::string alt = vorher ? vorher : "";
    ::setenv("CI", "true", 1);
    EXPECT_TRUE(quandel::testhilfe::DebianDatei("/bin/sh", "dash"));
    EXPECT_NONFATAL_FAILURE(
        EXPECT_FALSE(quandel::testhilfe::DebianDatei("/gibt/es/nicht", "wngerman")),
        "/gibt/es/nicht fehlt: apt-get install wngerman (scripts/install-deps.sh); CI braucht es");
    if (vorher)
        ::setenv("CI", alt.c_str(), 1);
    else
        ::unsetenv("CI");
}
