// The limits of small text files, checked piece by piece as a file is read.
#include "text/fehler.h"
#include "text/textgrenzen.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

std::string meldung(std::initializer_list<std::string_view> stuecke, Textgrenzen grenzen) {
    Textpruefung pruefung("a.txt", grenzen);
    try {
        for (std::string_view stueck : stuecke)
            pruefung.Stueck(stueck);
    } catch (const Fehler& fehler) {
        return fehler.what();
    }
    return "";
}

TEST(Textpruefung, LinesAreCountedAcrossPieces) {
    const Textgrenzen grenzen{1 << 20, 4};
    // CR LF split between two pieces ends one line, CR and LF alone one each.
    EXPECT_EQ(meldung({"abcd\r", "\nab", "cd\rx\n\n", "12345"}, grenzen),
              "a.txt, Zeile 5: Die Zeile ist länger als 4 Bytes.");
    // A line may grow over several pieces up to the limit.
    EXPECT_EQ(meldung({"ab", "cd", "\n"}, grenzen), "");
    EXPECT_EQ(meldung({"ab", "cd", "e"}, grenzen),
              "a.txt, Zeile 1: Die Zeile ist länger als 4 Bytes.");
    EXPECT_EQ(meldung({"a\n\r\n", std::string_view("b\0", 2)}, grenzen),
              "a.txt, Zeile 3: Die Zeile enthält ein Nullbyte.");
}

TEST(Textpruefung, TheWholeTextIsLimited) {
    const Textgrenzen grenzen{1 << 20, 100};
    const std::string zeilen(1 << 19, '\n');
    EXPECT_EQ(meldung({zeilen, zeilen}, grenzen), "");
    EXPECT_EQ(meldung({zeilen, zeilen, "x"}, grenzen),
              "Datei a.txt kann nicht gelesen werden: sie ist größer als 1 MB.");
}

} // namespace
} // namespace quandel
