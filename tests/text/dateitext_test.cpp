// Files the user chose: Windows-1252 as written, UTF-8 as other editors write them.
#include "text/dateitext.h"
#include "text/fehler.h"
#include "text/zeilen.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace quandel;

TEST(DateiTextLesen, Windows1252StaysAsItIs) {
    EXPECT_EQ(DateiTextLesen("B\xE4r\r\nStra\xDF"
                             "e"),
              "B\xE4r\r\nStra\xDF"
              "e");
    EXPECT_EQ(DateiTextLesen("plain\n"), "plain\n");
    EXPECT_EQ(DateiTextLesen(""), "");
}

TEST(DateiTextLesen, Utf8WithLettersBeyondAsciiIsDecoded) {
    EXPECT_EQ(DateiTextLesen("B\xC3\xA4r\nStra\xC3\x9F"
                             "e"),
              "B\xE4r\nStra\xDF"
              "e");
    EXPECT_EQ(DateiTextLesen("\xEF\xBB\xBFplain"), "plain");
    EXPECT_EQ(DateiTextLesen("\xEF\xBB\xBF"
                             "B\xC3\xA4r"),
              "B\xE4r");
}

TEST(DateiTextLesen, UnusableTextRaises) {
    EXPECT_THROW(DateiTextLesen("Gda\xC5\x84sk"), Fehler); // UTF-8 letter beyond Windows-1252
    EXPECT_THROW(DateiTextLesen("a\x81"
                                "b"),
                 Fehler); // unassigned in Windows-1252
}

TEST(DateiTextLesen, AFileThatIsNoTextIsNamed) {
    const std::filesystem::path datei =
        std::filesystem::temp_directory_path() / "dateitext_test_kein_text.grd";
    std::ofstream(datei, std::ios::binary) << "Reim\nBad\x90";
    try {
        TextdateiLesen(datei);
        ADD_FAILURE() << "no error";
    } catch (const Fehler& fehler) {
        EXPECT_EQ(std::string(fehler.what()),
                  datei.string() + ": Das Byte 144 an Stelle 9 ist in Windows-1252 nicht belegt.");
    }
    std::filesystem::remove(datei);
}

TEST(Zeilen, OhneRandDropsTheGivenCharactersAtBothEndsOnly) {
    EXPECT_EQ(OhneRand("\t Herz \r", " \t\r"), "Herz");
    EXPECT_EQ(OhneRand(" Herz\t", " "), "Herz\t");
    EXPECT_EQ(OhneRand(" Herz und Schmerz ", " "), "Herz und Schmerz");
    EXPECT_EQ(OhneRand(" \t ", " \t"), "");
    EXPECT_EQ(OhneRand("", " "), "");
}
