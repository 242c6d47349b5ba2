// Word stocks from files: encodings, line breaks, invalid lines, unreadable files.
#include "cli_prozess.h"
#include "testdatei.h"

#include <gtest/gtest.h>

using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::TestdateiSchreiben;

TEST(CliWortbestand, RueckOrderOnOwnStock) {
    const std::string datei =
        TestdateiSchreiben("rueck.txt", "Lawine\nKanne\nPlane\nBär\nsehr\nOhr\n");
    EXPECT_EQ(CliAusfuehren({"end", "e", "--wortbestand", datei}).aus, "Kanne\nLawine\nPlane\n");
    EXPECT_EQ(CliAusfuehren({"end", "e", "--rueck", "--wortbestand", datei}).aus,
              "Plane\nLawine\nKanne\n");
    // Reversed räb, rho, rhes: case and umlaut do not disturb the order by endings.
    EXPECT_EQ(CliAusfuehren({"end", "r", "--wortbestand", datei}).aus, "Bär\nOhr\nsehr\n");
    EXPECT_EQ(CliAusfuehren({"end", "r", "--rueck", "--wortbestand", datei}).aus,
              "Bär\nsehr\nOhr\n");
}

TEST(CliWortbestand, OnlyTheFileIsSearched) {
    const std::string datei = TestdateiSchreiben("klein.txt", "Seide\nWeide\n");
    const auto lauf = CliAusfuehren({"--wortbestand", datei, "end", "eide"});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.aus, "Seide\nWeide\n");
}

TEST(CliWortbestand, AllThreeLineBreaksAndAByteOrderMark) {
    const std::string datei =
        TestdateiSchreiben("umbrueche.txt", "\xEF\xBB\xBFgeben\r\nleben\rweben\nstreben");
    EXPECT_EQ(CliAusfuehren({"end", "eben", "--wortbestand", datei}).aus,
              "geben\nleben\nstreben\nweben\n");
}

TEST(CliWortbestand, CharacterOutsideCp1252NamesFileAndLine) {
    const std::string datei =
        TestdateiSchreiben("polnisch.txt", "Rand\r\nLeim\r\nłódź\r\nLand\r\n");
    const auto lauf = CliAusfuehren({"end", "and", "--wortbestand", datei});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_NE(lauf.fehler.find(datei + ", Zeile 3: "), std::string::npos) << lauf.fehler;
    EXPECT_NE(lauf.fehler.find("\"ł\""), std::string::npos) << lauf.fehler;
}

TEST(CliWortbestand, InvalidUtf8NamesFileAndLine) {
    const std::string datei = TestdateiSchreiben("latin1.txt", "Rand\nLeim\nB\xE4r\n");
    const auto lauf = CliAusfuehren({"end", "r", "--wortbestand", datei});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.fehler.find(datei + ", Zeile 3: "), std::string::npos) << lauf.fehler;
}

TEST(CliWortbestand, Cp1252FileIsReadAndPrintedAsUtf8) {
    const std::string datei = TestdateiSchreiben("cp1252.txt", "B\xE4r\r\nS\xFC\xDF\r\nBier\r\n");
    for (const char* kodierung : {"cp1252", "windows-1252"}) {
        const auto lauf =
            CliAusfuehren({"end", "r", "--kodierung", kodierung, "--wortbestand", datei});
        EXPECT_EQ(lauf.status, 0) << lauf.fehler;
        EXPECT_EQ(lauf.aus, "Bär\nBier\n");
    }
    EXPECT_EQ(CliAusfuehren({"end", "üß", "--kodierung=cp1252", "--wortbestand=" + datei}).aus,
              "Süß\n");
}

TEST(CliWortbestand, Utf8NamedExplicitly) {
    const std::string datei = TestdateiSchreiben("utf8.txt", "Bär\n");
    EXPECT_EQ(CliAusfuehren({"end", "är", "--kodierung", "utf-8", "--wortbestand", datei}).aus,
              "Bär\n");
}

TEST(CliWortbestand, UnassignedCp1252ByteNamesFileAndLine) {
    const std::string datei = TestdateiSchreiben("unbelegt.txt", "Rand\nLeim\nx\x81y\n");
    const auto lauf =
        CliAusfuehren({"end", "and", "--kodierung", "cp1252", "--wortbestand", datei});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.fehler.find(datei + ", Zeile 3: Das Byte 0x81"), std::string::npos)
        << lauf.fehler;
}

TEST(CliWortbestand, UnreadableFilesAreNamed) {
    const std::string fehlt = ::testing::TempDir() + "gibt-es-nicht.txt";
    const auto lauf = CliAusfuehren({"end", "e", "--wortbestand", fehlt});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.fehler.find(fehlt), std::string::npos) << lauf.fehler;

    const auto verzeichnis = CliAusfuehren({"end", "e", "--wortbestand", ::testing::TempDir()});
    EXPECT_EQ(verzeichnis.status, 2);
    EXPECT_NE(verzeichnis.fehler.find(::testing::TempDir()), std::string::npos);
}

TEST(CliWortbestand, SongRhymeUsesTheGivenVowels) {
    const std::string datei = TestdateiSchreiben("vokale.txt", "Lyse\nHyde\nWelt\nWiese\n");
    // Without y as a vowel, Lyse has the sequence e, like Hyde and Welt.
    EXPECT_EQ(CliAusfuehren({"lied", "Lyse", "--wortbestand", datei}).aus, "Hyde\nLyse\nWelt\n");
    EXPECT_EQ(
        CliAusfuehren({"lied", "Lyse", "--vokale", "a,e,i,o,u,ä,ö,ü,y", "--wortbestand", datei})
            .aus,
        "Hyde\nLyse\n");
    // An empty vowel field gives every word the empty sequence.
    EXPECT_EQ(CliAusfuehren({"lied", "Lyse", "--vokale", "", "--wortbestand", datei}).aus,
              "Hyde\nLyse\nWelt\nWiese\n");
}
