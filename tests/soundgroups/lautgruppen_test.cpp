#include "soundgroups/lautgruppen.h"
#include "tests/app/testdatei.h"
#include "tests/testlexikon.h"
#include "text/datei.h"
#include "text/fehler.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quandel {
namespace {

using namespace std::string_literals;
using test::cp;
using testhilfe::TestdateiSchreiben;

std::string fehlerText(std::string_view text) {
    try {
        LautgruppenLesen(text, "gruppen.akz");
    } catch (const Fehler& e) {
        return e.what();
    }
    return "kein Fehler";
}

TEST(Lautgruppen, FileFormat) {
    const Lautgruppen gelesen = LautgruppenLesen("\xEF\xBB\xBF# Kommentar\n"
                                                 "I-Laute: i, ie, ih\r\n"
                                                 "\n"
                                                 "  Ei-Laute :ei,äu,  eu\n"
                                                 "Leer:\n"
                                                 "Sonder: \"\", \"a b\", \"x,\"\"y\"\n"
                                                 "\"Zeit: Uhr\": t",
                                                 "test");
    const Lautgruppen erwartet{{"I-Laute", {"i", "ie", "ih"}},
                               {"Ei-Laute", {"ei", cp("äu"), "eu"}},
                               {"Leer", {}},
                               {"Sonder", {"", "a b", "x,\"y"}},
                               {"Zeit: Uhr", {"t"}}};
    EXPECT_EQ(gelesen, erwartet);
    EXPECT_EQ(LautgruppenLesen(LautgruppenText(erwartet), "test"), erwartet);
    EXPECT_EQ(LautgruppenText({{"I-Laute", {"i", "ie"}}}), "I-Laute: i, ie\n");
    EXPECT_EQ(LautgruppenText({{"#1", {"", "a b"}}}), "\"#1\": \"\", \"a b\"\n");
}

TEST(Lautgruppen, BadLinesNamedInTheMessage) {
    EXPECT_EQ(fehlerText("I-Laute: i\n# gut\nnur Text\n"),
              "gruppen.akz, Zeile 3: Der Doppelpunkt nach dem Namen der Lautgruppe fehlt.");
    EXPECT_TRUE(fehlerText("A: a\nŁ-Laute: ł\n").starts_with("gruppen.akz, Zeile 2: "));
    EXPECT_EQ(fehlerText("# Kommentar mit ł ist erlaubt\nA: a"), "kein Fehler");
    EXPECT_TRUE(fehlerText("\"offen: a").starts_with("gruppen.akz, Zeile 1: "));
}

TEST(Lautgruppen, EveryBadLineIsAnError) {
    const std::string leer = "Ein Glied der Lautgruppe ist leer; ein leeres Glied wird \"\" "
                             "geschrieben.";
    for (const char* zeile : {"A: a,,b", "A: , a", "A: a,", "A: a, , b", "A: a, b ,  "})
        EXPECT_EQ(fehlerText(std::string("# gut\n") + zeile + "\n"),
                  "gruppen.akz, Zeile 2: " + leer)
            << zeile;
    EXPECT_EQ(fehlerText("A: a, \"b c\n"),
              "gruppen.akz, Zeile 1: Das Anführungszeichen vor »b c« wird nicht geschlossen.");
    EXPECT_EQ(fehlerText("\"A: a\n"), "gruppen.akz, Zeile 1: Das Anführungszeichen vor dem Namen "
                                      "der Lautgruppe wird nicht geschlossen.");
    EXPECT_EQ(fehlerText("A: a\n\n  : i, ie\n"),
              "gruppen.akz, Zeile 3: Vor dem Doppelpunkt fehlt der Name der Lautgruppe.");
    EXPECT_EQ(fehlerText("A: a\"b\n"),
              "gruppen.akz, Zeile 1: Das Glied »a\"b« enthält ein Anführungszeichen; es gehört "
              "dann ganz in Anführungszeichen, das innere verdoppelt.");
    EXPECT_EQ(fehlerText("A: \"a\"b\n"),
              "gruppen.akz, Zeile 1: Nach »a« in Anführungszeichen fehlt ein Komma.");

    // What the writer makes of empty names and members reads back.
    const Lautgruppen leeres{{"", {"", "a"}}, {"Ohne", {}}};
    EXPECT_EQ(LautgruppenText(leeres), "\"\": \"\", a\nOhne:\n");
    EXPECT_EQ(LautgruppenLesen(LautgruppenText(leeres), "test"), leeres);
    EXPECT_EQ(LautgruppenLesen("A: i ie\tih", "test"), (Lautgruppen{{"A", {"i", "ie", "ih"}}}));
}

TEST(Lautgruppen, Utf8OrWindows1252) {
    const Lautgruppen erwartet{{cp("Ä-Laute"), {cp("ä"), "e"}}, {"Ei-Laute", {"ei", cp("äu")}}};
    EXPECT_EQ(LautgruppenLesen("\xC4-Laute: \xE4, e\r\n# \xDC\r\nEi-Laute: ei, \xE4u\r\n", "test"),
              erwartet);
    EXPECT_EQ(LautgruppenLesen("Ä-Laute: ä, e\n# \xDC\nEi-Laute: ei, äu\n", "test"), erwartet);
    EXPECT_EQ(LautgruppenLaden(TestdateiSchreiben("cp1252.akz", "\xC4-Laute: \xE4, e\n"
                                                                "Ei-Laute: ei, \xE4u\n")),
              erwartet);
    // A UTF-8 file with one line in another encoding is refused at that line, not misread.
    EXPECT_TRUE(fehlerText("Ä-Laute: ä, e\nEi-Laute: ei, \xE4u\n")
                    .starts_with("gruppen.akz, Zeile 2: Ungültige UTF-8-Bytefolge"));
    EXPECT_TRUE(fehlerText("A: a\nB: \x81\n").starts_with("gruppen.akz, Zeile 2: "));
}

TEST(Lautgruppen, SizeAndLineLengthAreLimited) {
    // A device without end stops at its first byte.
    try {
        LautgruppenLaden("/dev/zero");
        ADD_FAILURE() << "no error";
    } catch (const Fehler& e) {
        EXPECT_STREQ(e.what(), "/dev/zero, Zeile 1: Die Zeile enthält ein Nullbyte.");
    }
    EXPECT_EQ(fehlerText("A: a\nB: b\0c\n"s), "gruppen.akz, Zeile 2: Die Zeile enthält ein "
                                              "Nullbyte.");
    // One group may be long: ten thousand members fit in a line, a line of 64 KB does not.
    const std::string lang = "A: " + std::string(65533, 'a');
    EXPECT_EQ(LautgruppenLesen(lang, "test")[0].mitglieder[0].size(), 65533u);
    EXPECT_EQ(fehlerText("A: a\n" + lang + "a\n"),
              "gruppen.akz, Zeile 2: Die Zeile ist länger als 65536 Bytes.");
    std::string viele;
    while (viele.size() <= (1u << 20))
        viele += "I-Laute: i, ie, ih\n";
    const std::string gross = TestdateiSchreiben("gross.akz", viele);
    try {
        LautgruppenLaden(gross);
        ADD_FAILURE() << "no error";
    } catch (const Fehler& e) {
        EXPECT_EQ(e.what(),
                  "Datei " + gross + " kann nicht gelesen werden: sie ist größer als 1 MB.");
    }
}

TEST(Lautgruppen, FileWithoutAGroupIsRefused) {
    for (const char* inhalt : {"", "\n\n", "# nur ein Kommentar\n", "\xEF\xBB\xBF"}) {
        const std::string pfad = TestdateiSchreiben("leer.akz", inhalt);
        try {
            LautgruppenLaden(pfad);
            ADD_FAILURE() << "no error for " << inhalt;
        } catch (const Fehler& e) {
            EXPECT_EQ(e.what(), "Datei " + pfad + " enthält keine Lautgruppe.");
        }
    }
    EXPECT_EQ(LautgruppenLaden(TestdateiSchreiben("ohne.akz", "Ohne:\n")),
              (Lautgruppen{{"Ohne", {}}}));
}

TEST(Lautgruppen, SavedAndLoadedByteForByte) {
    const std::string pfad = ::testing::TempDir() + "runde.akz";
    const Lautgruppen gruppen{{"I-Laute", {"i", "ie", "ih"}}, {cp("Ä-Laute"), {cp("ä"), "e"}}};
    LautgruppenSpeichern(pfad, gruppen);
    EXPECT_EQ(DateiLesen(pfad), "I-Laute: i, ie, ih\nÄ-Laute: ä, e\n");
    EXPECT_EQ(LautgruppenLaden(pfad), gruppen);
    EXPECT_THROW(LautgruppenLaden(::testing::TempDir() + "fehlt.akz"), Fehler);
}

TEST(Lautgruppen, FailedSaveLeavesTheOldFile) {
    const std::string pfad = TestdateiSchreiben("alt.akz", "Alt: a\n");
    // A file size limit makes the write fail half-way, as a full disk would.
    const pid_t kind = ::fork();
    if (kind == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit grenze{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        try {
            LautgruppenSpeichern(pfad, {{"Neu", std::vector<std::string>(100, "abc")}});
        } catch (const Fehler&) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failure was not reported";
    EXPECT_EQ(DateiLesen(pfad), "Alt: a\n");
    for (const auto& eintrag : std::filesystem::directory_iterator(::testing::TempDir()))
        EXPECT_FALSE(eintrag.path().filename().string().starts_with("alt.akz."))
            << "temporary file left behind: " << eintrag.path();
}

} // namespace
} // namespace quandel
