// The command line itself: exit statuses, options anywhere, usage errors.
#include "cli_prozess.h"

#include <gtest/gtest.h>

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
