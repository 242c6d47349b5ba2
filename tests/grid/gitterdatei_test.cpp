// Laying hits out over the grid's columns and the grid file format, byte for byte.
#include "grid/gitterdatei.h"
#include "grid/raster.h"

#include <gtest/gtest.h>

using namespace quandel;

namespace {

Raster Zweizeilig() {
    Raster raster;
    raster.spalten = 4;
    raster.zeilen = 2;
    raster.zellen = {"Kanne", "Lawine", "Plane", "vor allem", "Dings", "", "", ""};
    return raster;
}

} // namespace

TEST(RasterLegen, RowsHoldTheHitsInOrder) {
    const Raster raster = RasterLegen({"a", "b", "c", "d", "e"}, 4);
    EXPECT_EQ(raster.zeilen, 2);
    EXPECT_EQ(raster.Zelle(3, 0), "d");
    EXPECT_EQ(raster.Zelle(0, 1), "e");
    EXPECT_EQ(raster.Zelle(1, 1), "");
    EXPECT_EQ(RasterLegen({"a", "b", "c", "d", "e", "f", "g", "h"}, 4).zeilen, 2);
    EXPECT_EQ(RasterLegen({}, 4).zeilen, 1);
    EXPECT_EQ(RasterLegen({}, 4).zellen.size(), 4u);
}

TEST(GitterDatei, KanneLawinePlaneVorAllemDings) {
    EXPECT_EQ(GitterDateiText(Zweizeilig()),
              "4\r\nKanne,Lawine,Plane,\"vor allem\"\r\nDings,,,\r\n");
}

TEST(GitterDatei, ReadBackGivesBlanksForEmptyItems) {
    const Raster raster = GitterDateiLesen("4\r\nKanne,Lawine,Plane,\"vor allem\"\r\nDings,,,\r\n");
    EXPECT_EQ(raster.spalten, 4);
    EXPECT_EQ(raster.zeilen, 2);
    EXPECT_EQ(raster.zellen, (std::vector<std::string>{"Kanne", "Lawine", "Plane", "vor allem",
                                                       "Dings", " ", " ", " "}));
    // Written again, each blank stands quoted.
    EXPECT_EQ(GitterDateiText(raster),
              "4\r\nKanne,Lawine,Plane,\"vor allem\"\r\nDings,\" \",\" \",\" \"\r\n");
}

TEST(GitterDatei, QuotesAndUmlautsRoundTrip) {
    Raster raster;
    raster.spalten = 2;
    raster.zeilen = 1;
    raster.zellen = {"sag \"ja\"", "B\xE4r"};
    const std::string text = GitterDateiText(raster);
    EXPECT_EQ(text, "2\r\n\"sag \"\"ja\"\"\",B\xE4r\r\n");
    EXPECT_EQ(GitterDateiLesen(text).zellen, raster.zellen);
}

TEST(GitterDatei, OneColumnGridWritesEmptyCellsAsTwoQuotes) {
    Raster raster;
    raster.spalten = 1;
    raster.zeilen = 2;
    raster.zellen = {"x", ""};
    EXPECT_EQ(GitterDateiText(raster), "1\r\nx\r\n\"\"\r\n");
}

TEST(GitterDatei, ColumnCountTwoDropsFurtherItems) {
    const Raster raster = GitterDateiLesen("2\nA,B,C,D\rE,F,G,H\n");
    EXPECT_EQ(raster.spalten, 2);
    EXPECT_EQ(raster.zeilen, 2);
    EXPECT_EQ(raster.zellen, (std::vector<std::string>{"A", "B", "E", "F"}));
}

TEST(GitterDatei, ShortRowsLeaveCellsEmptyAndCountsStayAtLeastOne) {
    Raster raster = GitterDateiLesen("3\r\nx\r\n");
    EXPECT_EQ(raster.zellen, (std::vector<std::string>{"x", "", ""}));
    raster = GitterDateiLesen("0\r\n");
    EXPECT_EQ(raster.spalten, 1);
    EXPECT_EQ(raster.zeilen, 1);
    EXPECT_EQ(GitterDateiLesen("-3\r\na,b\r\n").spalten, 1);
}

TEST(GitterDatei, ErrorsKeepTheRowCountTheGridTakes) {
    try {
        GitterDateiLesen("vier\r\na\r\nb\r\nc\r\n");
        FAIL();
    } catch (const GitterDateiFehler& fehler) {
        EXPECT_STREQ(fehler.what(), "'vier' ist kein gültiger Integerwert");
        EXPECT_EQ(fehler.zeilen(), 3);
    }
    try {
        GitterDateiLesen("");
        FAIL();
    } catch (const GitterDateiFehler& fehler) {
        EXPECT_STREQ(fehler.what(), "Der Index der Liste überschreitet das Maximum (0)");
        EXPECT_EQ(fehler.zeilen(), 1);
    }
    for (const char* zahl : {"4 ", "4x", "", "++4", "99999999999", "0x4"})
        EXPECT_THROW(GitterDateiLesen(std::string(zahl) + "\r\na\r\n"), GitterDateiFehler) << zahl;
    EXPECT_THROW(GitterDateiLesen("100000000\r\na\r\n"), GitterDateiFehler);
    EXPECT_EQ(GitterDateiLesen("+4\r\na\r\n").spalten, 4);
}
