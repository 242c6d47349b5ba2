// Word stocks from files: encodings, line breaks, invalid lines, unreadable files.
#include "cli_prozess.h"
#include "testdatei.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::CliProzess;
using quandel::testhilfe::SitzungMitGekuerztemIndex;
using quandel::testhilfe::TestdateiSchreiben;

namespace {

// The indexes in the folder, and any temporary file left behind.
std::size_t IndexeUndReste(const std::string& ordner) {
    std::size_t anzahl = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
        const std::string name = eintrag.path().filename().string();
        anzahl += name.ends_with(".qtidx") || name.starts_with('.') ? 1 : 0;
    }
    return anzahl;
}

} // namespace

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
    // An empty vowel field, which would give every word the empty sequence, is refused.
    const auto leer = CliAusfuehren({"lied", "Lyse", "--vokale", "", "--wortbestand", datei});
    EXPECT_EQ(leer.status, 2);
    EXPECT_EQ(leer.aus, "");
}

TEST(CliWortbestand, BlanksAndTabsAroundALineAreDropped) {
    const std::string datei =
        TestdateiSchreiben("raender.txt", "  Seide\t\n\tWeide  \n vor  Weide \n\t \n");
    EXPECT_EQ(CliAusfuehren({"end", "eide", "--wortbestand", datei}).aus,
              "Seide\nvor  Weide\nWeide\n");
}

TEST(CliWortbestand, LongLinesAndNulBytesNameTheLine) {
    const std::string lang =
        TestdateiSchreiben("lang.txt", "Rand\nLeim\n" + std::string(255, 'a') + "\n" +
                                           std::string(256, 'b') + "\nLand\n");
    const auto langLauf = CliAusfuehren({"end", "and", "--wortbestand", lang});
    EXPECT_EQ(langLauf.status, 2);
    EXPECT_EQ(langLauf.aus, "");
    EXPECT_NE(langLauf.fehler.find(lang + ", Zeile 4: Die Zeile ist länger als 255 Bytes."),
              std::string::npos)
        << langLauf.fehler;

    const std::string null = TestdateiSchreiben("null.txt", std::string("Rand\r\nLe\0im\r\n", 14));
    const auto nullLauf = CliAusfuehren({"end", "and", "--wortbestand", null});
    EXPECT_EQ(nullLauf.status, 2);
    EXPECT_NE(nullLauf.fehler.find(null + ", Zeile 2: Die Zeile enthält ein Nullbyte."),
              std::string::npos)
        << nullLauf.fehler;
}

TEST(CliWortbestand, LineLengthCountsInWindows1252AndAListNeedsAWord) {
    // 200 × "ä" are 400 bytes in UTF-8, 200 in Windows-1252.
    std::string ae200;
    for (int i = 0; i < 200; ++i)
        ae200 += "ä";
    const auto ae = CliAusfuehren(
        {"end", "ää", "--kein-cache", "--wortbestand", TestdateiSchreiben("ae.txt", ae200 + "\n")});
    EXPECT_EQ(ae.status, 0) << ae.fehler;
    EXPECT_EQ(ae.aus, ae200 + "\n");

    // An empty list, or one of blank lines only, leaves nothing to search.
    for (const std::string inhalt : {"", " \n\t\n"}) {
        const std::string leer = TestdateiSchreiben("leer.txt", inhalt);
        const auto lauf = CliAusfuehren({"end", "e", "--kein-cache", "--wortbestand", leer});
        EXPECT_EQ(lauf.status, 2);
        EXPECT_EQ(lauf.aus, "");
        EXPECT_EQ(lauf.fehler, "quandel-cli: Die Wortliste " + leer + " enthält kein Wort.\n");
    }
}

TEST(CliWortbestand, EndlessDeviceFailsAtOnce) {
    const auto lauf = CliAusfuehren({"end", "e", "--wortbestand", "/dev/zero"});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.fehler, "quandel-cli: /dev/zero, Zeile 1: Die Zeile enthält ein Nullbyte.\n");
}

TEST(CliWortbestand, SecondRunReadsTheSavedIndexAndKeinCacheWritesNone) {
    const std::string datei = TestdateiSchreiben("index.txt", "Seide\nWeide\nKreide\n");
    const std::string ordner = std::string(std::getenv("XDG_CACHE_HOME")) + "/quandel-tornar";
    std::filesystem::remove_all(ordner);
    EXPECT_EQ(CliAusfuehren({"end", "eide", "--kein-cache", "--wortbestand", datei}).aus,
              "Kreide\nSeide\nWeide\n");
    EXPECT_FALSE(std::filesystem::exists(ordner));
    for (int lauf = 0; lauf < 2; ++lauf)
        EXPECT_EQ(CliAusfuehren({"end", "eide", "--wortbestand", datei}).aus,
                  "Kreide\nSeide\nWeide\n");
    EXPECT_EQ(IndexeUndReste(ordner), 1u);
}

TEST(CliWortbestand, TwoProcessesBuildingTheSameIndexAtOnce) {
    // Big enough that the two builds overlap.
    std::string inhalt;
    for (int i = 0; i < 60000; ++i)
        inhalt += "Wort" + std::to_string(i) + (i % 3 == 0 ? "eide\n" : "\n");
    const std::string datei = TestdateiSchreiben("zugleich.txt", inhalt);
    const std::string ordner = std::string(std::getenv("XDG_CACHE_HOME")) + "/quandel-tornar";
    std::filesystem::remove_all(ordner);
    const std::vector<std::string> aufruf{"end", "99eide", "--wortbestand", datei};
    const std::string erwartet =
        CliAusfuehren({"end", "99eide", "--kein-cache", "--wortbestand", datei}).aus;
    ASSERT_EQ(std::count(erwartet.begin(), erwartet.end(), '\n'), 200);
    {
        CliProzess erster(aufruf);
        CliProzess zweiter(aufruf);
        EXPECT_EQ(erster.Abwarten().aus, erwartet);
        EXPECT_EQ(zweiter.Abwarten().aus, erwartet);
    }
    // One whole index and no temporary file left; it serves the next run.
    EXPECT_EQ(IndexeUndReste(ordner), 1u);
    EXPECT_EQ(CliAusfuehren(aufruf).aus, erwartet);
}

TEST(CliWortbestand, IndexCutShortDuringASessionEndsItWithAMessageNamingTheIndex) {
    const std::string datei = TestdateiSchreiben("gekuerzt.txt", "Seide\nWeide\nKreide\n");
    const std::string ordner = std::string(std::getenv("XDG_CACHE_HOME")) + "/quandel-tornar";
    std::filesystem::remove_all(ordner);
    ASSERT_EQ(CliAusfuehren({"end", "eide", "--wortbestand", datei}).status, 0); // saves it
    std::string index;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner))
        if (eintrag.path().extension() == ".qtidx")
            index = eintrag.path().string();
    ASSERT_FALSE(index.empty());

    ASSERT_NO_FATAL_FAILURE(SitzungMitGekuerztemIndex({"end", "-", "--wortbestand", datei}, index,
                                                      "eide", "Kreide\nSeide\nWeide\n\n"));
    // The next run builds it again.
    EXPECT_EQ(CliAusfuehren({"end", "eide", "--wortbestand", datei}).aus, "Kreide\nSeide\nWeide\n");
}
