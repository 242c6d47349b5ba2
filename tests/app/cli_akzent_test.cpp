// Sound variants on the command line: the default groups, a group file, and its errors.
#include "../grosse_lautgruppe.h"
#include "cli_prozess.h"
#include "testdatei.h"

#include <gtest/gtest.h>

using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::HatZeile;
using quandel::testhilfe::TestdateiSchreiben;

TEST(CliAkzent, DefaultGroupsInEveryMode) {
    const auto end = CliAusfuehren({"end", "eide", "--akzent"});
    EXPECT_EQ(end.status, 0);
    EXPECT_EQ(end.aus,
              "beeide\nbeide\nFreude\nGebäude\nKreide\nmeide\nneide\nRäude\nSeide\nWeide\n");
    EXPECT_TRUE(HatZeile(CliAusfuehren({"lied", "Liese", "--akzent"}).aus, "Kiste"));
    EXPECT_FALSE(HatZeile(CliAusfuehren({"lied", "Liese"}).aus, "Kiste"));
    EXPECT_TRUE(HatZeile(CliAusfuehren({"stab", "b", "--akzent"}).aus, "Papier"));
    EXPECT_NE(
        CliAusfuehren({"schuettel", "Reim", "--akzent"}).aus.find("Reim\tbeide\tbeim\tRäude\n"),
        std::string::npos);
}

TEST(CliAkzent, GroupsFromAFile) {
    const std::string datei = TestdateiSchreiben("ei.akz", "# nur eine Gruppe\nEi: ei, ai\n");
    // Seide -> Saide is no stock word, but "ai" finds words such as Mai.
    const auto lauf = CliAusfuehren({"end", "ei", "--lautgruppen", datei});
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_TRUE(HatZeile(lauf.aus, "Mai"));
    EXPECT_FALSE(HatZeile(CliAusfuehren({"end", "ei"}).aus, "Mai"));
    // The file's groups replace the default ones: "ie" is no longer an alternative of "i".
    EXPECT_EQ(CliAusfuehren({"end", "eide", "--lautgruppen", datei}).aus,
              CliAusfuehren({"end", "eide"}).aus);
}

TEST(CliAkzent, Windows1252FilesAndFilesThatAreNoGroupFiles) {
    // "Ä: äu, eu" in Windows-1252: Räude and Freude rhyme on "eu" and "äu".
    const std::string cp1252 = TestdateiSchreiben("cp1252.akz", "\xC4: \xE4u, eu\n");
    auto lauf = CliAusfuehren({"end", "eude", "--lautgruppen", cp1252});
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_TRUE(HatZeile(lauf.aus, "Räude"));
    EXPECT_TRUE(HatZeile(lauf.aus, "Freude"));

    lauf = CliAusfuehren({"end", "eide", "--lautgruppen", "/dev/zero"});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.fehler, "quandel-cli: /dev/zero, Zeile 1: Die Zeile enthält ein Nullbyte.\n");

    const std::string leer = TestdateiSchreiben("leer.akz", "# keine Gruppe\n");
    lauf = CliAusfuehren({"end", "eide", "--lautgruppen", leer});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_EQ(lauf.fehler, "quandel-cli: Datei " + leer + " enthält keine Lautgruppe.\n");
}

TEST(CliAkzent, LargeGroupsAreCountedBeforeAnyWork) {
    // "eid" and "e" each have 10,000 alternatives: the groups, not the word, are too many.
    const std::string gross = TestdateiSchreiben("gross.akz", quandel::test::GrosseLautgruppe(1));
    auto lauf = CliAusfuehren({"end", "eide", "--lautgruppen", gross});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_EQ(lauf.fehler, "quandel-cli: Die Lautgruppen aus " + gross +
                               " ergeben für »eide« zu viele Schreibweisen (100000000).\n");
    // Three letters only: "eid" is one position of 10,000 forms, within the limit.
    const std::string drei = TestdateiSchreiben("drei.akz", quandel::test::GrosseLautgruppe(3));
    lauf = CliAusfuehren({"end", "eide", "--lautgruppen", drei});
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_TRUE(HatZeile(lauf.aus, "beide"));
    EXPECT_TRUE(HatZeile(lauf.aus, "Laune")); // "aun" is one of the members
}

TEST(CliAkzent, BadGroupFilesAndTooManyVariants) {
    const std::string ohneDoppelpunkt = TestdateiSchreiben("kaputt.akz", "A: a\nkaputt\n");
    auto lauf = CliAusfuehren({"end", "eide", "--lautgruppen", ohneDoppelpunkt});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_NE(lauf.fehler.find(ohneDoppelpunkt + ", Zeile 2: "), std::string::npos) << lauf.fehler;

    lauf = CliAusfuehren({"end", "eide", "--lautgruppen", "/nicht/da.akz"});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.fehler.find("/nicht/da.akz"), std::string::npos) << lauf.fehler;

    lauf = CliAusfuehren({"end", std::string(40, 'i'), "--akzent"});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.fehler, "quandel-cli: Zu viele Lautvarianten (12157665459056928801). Bitte ein "
                           "kürzeres Suchwort eingeben.\n");
}
