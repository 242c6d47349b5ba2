// The correction table: its format, a user's file with a bad line, and the project's table.
#include "phonetics/aussprache_eingebaut.h"
#include "phonetics/aussprachetabelle.h"
#include "phonetics/reimschluessel.h"
#include "tests/app/testdatei.h"
#include "tests/phonetics/feste_aussprache.h"
#include "text/fehler.h"

#include <gtest/gtest.h>

namespace quandel::test {
namespace {

using namespace std::string_literals;
using testhilfe::TestdateiSchreiben;

std::string Fehlermeldung(std::string_view text, std::string_view quelle = "eigene.txt") {
    Aussprachetabelle tabelle;
    try {
        tabelle.Einlesen(text, quelle);
    } catch (const Fehler& fehler) {
        return fehler.what();
    }
    return "";
}

TEST(Aussprachetabelle, LinesCommentsAndSeparators) {
    Aussprachetabelle tabelle;
    tabelle.Einlesen("# Kommentar\n\nGarage\tg a r 'a: Z @\r\n  Büro   b y r 'o:\nMOND m 'o: n t",
                     "eigene.txt");
    EXPECT_EQ(tabelle.size(), 3u);
    ASSERT_NE(tabelle.Finden("garage"), nullptr);
    EXPECT_EQ(Namen(Codes(*tabelle.Finden("garage"))), "g a r a: Z @");
    EXPECT_EQ(Namen(Codes(*tabelle.Finden(Cp1252AusUtf8("büro")))), "b y r o:");
    // Matched ignoring case: the table holds the word lowered.
    EXPECT_NE(tabelle.Finden("mond"), nullptr);
    EXPECT_EQ(tabelle.Finden("Garage"), nullptr);
    EXPECT_EQ(tabelle.Finden("garagen"), nullptr);
}

TEST(Aussprachetabelle, LaterEntriesReplaceEarlierOnes) {
    Aussprachetabelle tabelle;
    tabelle.Einlesen("Rost\tr 'O s t\n", "eingebaut");
    tabelle.Einlesen("Rost\tr 'o: s t\n", "eigene.txt");
    EXPECT_EQ(tabelle.size(), 1u);
    EXPECT_EQ(Namen(Codes(*tabelle.Finden("rost"))), "r o: s t");
}

TEST(Aussprachetabelle, BadLineIsNamed) {
    EXPECT_EQ(Fehlermeldung("Garage\tg a r 'a: Z @\n\nEtage\te t 'a: Q @\n"),
              "eigene.txt, Zeile 3: unbekannter Laut \"Q\"");
    EXPECT_EQ(Fehlermeldung("# gut\nEtage\te t a: Z @\n"),
              "eigene.txt, Zeile 2: kein Hauptton: vor dem betonten Vokal fehlt ' (etwa g a r "
              "'a: Z @)");
    EXPECT_EQ(Fehlermeldung("Büro\n"),
              "eigene.txt, Zeile 1: nach dem Wort \"büro\" fehlen die Laute");
    EXPECT_EQ(Fehlermeldung("Łódź\tw 'u tS\n", "/tmp/a.txt").rfind("/tmp/a.txt, Zeile 1: ", 0), 0u);
    EXPECT_EQ(Fehlermeldung("Etage\te t 'a: Z @\n"), "");
}

TEST(Aussprachetabelle, SoundsWithoutAWordAndBrokenLines) {
    const std::string ohneWort = "vor den Lauten fehlt das Wort (etwa Garage g a r 'a: Z @)";
    EXPECT_EQ(Fehlermeldung("Garage\tg a r 'a: Z @\n\tg a r 'a: Z @\n"),
              "eigene.txt, Zeile 2: " + ohneWort);
    EXPECT_EQ(Fehlermeldung("e t 'a: Z @\n"), "eigene.txt, Zeile 1: " + ohneWort);
    EXPECT_EQ(Fehlermeldung("  'a:\n"), "eigene.txt, Zeile 1: " + ohneWort);
    // The message is whole, whatever byte the line holds.
    EXPECT_EQ(Fehlermeldung("Garage\tg a r 'a: Z @\nEt\0age\n"s),
              "eigene.txt, Zeile 2: Die Zeile enthält ein Nullbyte.");
    EXPECT_EQ(Fehlermeldung("Etage\te t 'a: Z @\0 x\n"s),
              "eigene.txt, Zeile 1: Die Zeile enthält ein Nullbyte.");
    EXPECT_EQ(Fehlermeldung("Etage\te t 'a: Z \xFF\n").rfind("eigene.txt, Zeile 1: Ungültige", 0),
              0u);
    // Words that are no sounds, and a word followed by sounds, stay good lines.
    EXPECT_EQ(Fehlermeldung("Ski\tS 'i:\nAu\t'aU\n"), "");
}

TEST(Aussprachetabelle, FilesAreReadWithinLimits) {
    const auto dateiFehler = [](const std::string& pfad) -> std::string {
        Aussprachetabelle tabelle;
        try {
            tabelle.DateiEinlesen(pfad);
        } catch (const Fehler& fehler) {
            return fehler.what();
        }
        return "";
    };
    EXPECT_EQ(dateiFehler("/dev/zero"), "/dev/zero, Zeile 1: Die Zeile enthält ein Nullbyte.");
    EXPECT_EQ(
        Fehlermeldung("Etage\te t 'a: Z @\nEtage\te t 'a: Z @" + std::string(4080, ' ') + "\n"),
        "eigene.txt, Zeile 2: Die Zeile ist länger als 4096 Bytes.");
    std::string zeilen;
    while (zeilen.size() <= (16u << 20))
        zeilen += "Etage\te t 'a: Z @\n";
    const std::string gross = TestdateiSchreiben("gross.txt", zeilen);
    EXPECT_EQ(dateiFehler(gross),
              "Datei " + gross + " kann nicht gelesen werden: sie ist größer als 16 MB.");
    Aussprachetabelle tabelle;
    tabelle.DateiEinlesen(TestdateiSchreiben("klein.txt", "Etage\te t 'a: Z @\n"));
    EXPECT_EQ(tabelle.size(), 1u);
}

TEST(Aussprachetabelle, TableBeforeThePronouncer) {
    FesteAussprache espeak({{"Rost", "r 'O s t"}, {"Garage", "g 'A R A: g @"}});
    Aussprachetabelle tabelle;
    tabelle.Einlesen("Garage\tg a r 'a: Z @\n", "test");
    Aussprache aussprache(espeak, tabelle);
    EXPECT_EQ(Namen(Codes(aussprache.Laute("Garage"))), "g a r a: Z @");
    EXPECT_EQ(Namen(Codes(aussprache.Laute("Rost"))), "r O s t");
    EXPECT_EQ(espeak.aufrufe, 1);
}

// The project's table gives the words espeak-ng misreads the stress and sounds that rhyme.
TEST(Aussprachetabelle, ProjectTable) {
    const Aussprachetabelle tabelle = daten::Aussprachekorrekturen();
    const auto rein = [&](const char* wort) {
        const Lautfolge* laute = tabelle.Finden(Cp1252AusUtf8(wort));
        EXPECT_NE(laute, nullptr) << wort;
        return laute ? Namen(SchluesselAb(*laute, Reimvokal(*laute, Cp1252AusUtf8(wort))).rein)
                     : "";
    };
    EXPECT_EQ(rein("garage"), "a: Z @");
    EXPECT_EQ(rein("etage"), "a: Z @");
    EXPECT_EQ(rein("büro"), "o:");
    EXPECT_EQ(rein("regime"), "i: m");
    EXPECT_EQ(rein("mond"), "o: n t");
    EXPECT_GE(tabelle.size(), 60u);
}

} // namespace
} // namespace quandel::test
