// The searches on the built-in stock, end to end: UTF-8 in and out, limit words, order.
#include "cli_prozess.h"

#include <gtest/gtest.h>

using quandel::testhilfe::Ausgabe;
using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::HatZeile;

TEST(CliSuche, EndRhymeInGridOrder) {
    EXPECT_EQ(Ausgabe({"end", "eide"}), "beeide\nbeide\nKreide\nmeide\nneide\nSeide\nWeide\n");
    EXPECT_EQ(Ausgabe({"end", "Eide"}), Ausgabe({"end", "eide"}));
}

TEST(CliSuche, UmlautsInAndOutAsUtf8) {
    EXPECT_EQ(Ausgabe({"end", "äude"}), "Gebäude\nRäude\n");
    EXPECT_EQ(Ausgabe({"end", "Äude"}), "Gebäude\nRäude\n");
    EXPECT_TRUE(HatZeile(Ausgabe({"stab", "Ärger"}), "Ärger"));
}

TEST(CliSuche, LimitWordPlusKeepsMinusRemoves) {
    EXPECT_EQ(Ausgabe({"end", "eide", "kreide"}), "Kreide\n");
    EXPECT_EQ(Ausgabe({"end", "eide", "kreide", "--minus"}),
              "beeide\nbeide\nmeide\nneide\nSeide\nWeide\n");
    // A limit word keeps its capital, and no lowered hit ends with it.
    EXPECT_EQ(CliAusfuehren({"end", "eide", "Kreide"}).status, 1);
}

TEST(CliSuche, ArgumentsJoinIntoOneSearchText) {
    EXPECT_EQ(Ausgabe({"end", "eide kreide"}), Ausgabe({"end", "eide", "kreide"}));
    EXPECT_EQ(Ausgabe({"end", "eide,kreide"}), "Kreide\n");
}

TEST(CliSuche, AlliterationWithLimitWords) {
    const std::string alle = Ausgabe({"stab", "sch"});
    const std::string mitSchl = Ausgabe({"stab", "sch,schl"});
    const std::string ohneSchl = Ausgabe({"stab", "sch,schl", "--minus"});
    EXPECT_TRUE(HatZeile(mitSchl, "Schlange"));
    EXPECT_FALSE(HatZeile(ohneSchl, "Schlange"));
    EXPECT_TRUE(HatZeile(ohneSchl, "Schuppe"));
    EXPECT_EQ(alle.size(), mitSchl.size() + ohneSchl.size());
    EXPECT_EQ(CliAusfuehren({"stab", "sch,e"}).status, 1);
}

TEST(CliSuche, SongRhymeOfLiese) {
    const std::string treffer = Ausgabe({"lied", "Liese"});
    for (const char* wort : {"Liese", "Miese", "Miene", "diese", "wieder"})
        EXPECT_TRUE(HatZeile(treffer, wort)) << wort;
    EXPECT_FALSE(HatZeile(treffer, "Kiste"));
    EXPECT_EQ(Ausgabe({"lied", "LIESE"}), treffer);
}

TEST(CliSuche, RueckOrdersByEndings) {
    // Reversed: edieb, ediebe, ediem, edien, edierk, edies, ediew.
    EXPECT_EQ(Ausgabe({"end", "eide", "--rueck"}),
              "beide\nbeeide\nmeide\nneide\nKreide\nSeide\nWeide\n");
}
