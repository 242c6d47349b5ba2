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
