// The order of the hits on the command line (--ordnung) and the filters of the sound search
// (--silben, --betonung, --abkuerzungen), each for the modes that have it.
#include "cli_prozess.h"

#include <gtest/gtest.h>

using quandel::testhilfe::Ausgabe;
using quandel::testhilfe::CliAusfuehren;

namespace {

// The usage error of a call: its message without the hint to --help.
std::string Fehler(const std::vector<std::string>& argumente) {
    const auto lauf = CliAusfuehren(argumente);
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.aus, "");
    return lauf.fehler.substr(0, lauf.fehler.find('\n'));
}

} // namespace

TEST(CliOrdnung, CommonWordsFirstAsAChoiceOfTheOtherModes) {
    EXPECT_EQ(Ausgabe({"end", "eide"}), "beeide\nbeide\nKreide\nmeide\nneide\nSeide\nWeide\n");
    EXPECT_EQ(Ausgabe({"end", "eide", "--ordnung", "liste"}), Ausgabe({"end", "eide"}));
    EXPECT_EQ(Ausgabe({"end", "eide", "--ordnung=rang"}),
              "beide\nSeide\nWeide\nKreide\nmeide\nneide\nbeeide\n");
    EXPECT_EQ(Ausgabe({"stab", "Schw", "--ordnung", "rang"}).rfind("Schweiz\nSchwester\n", 0), 0u);
    EXPECT_EQ(Ausgabe({"lied", "Liese", "--ordnung", "rang"}).rfind("diese\ndieser\n", 0), 0u);
    // The spoonerism's rows, all found before they are ordered, by their least common word.
    const std::string reim = Ausgabe({"schuettel", "Reim", "--ordnung", "rang"});
    EXPECT_EQ(reim.rfind("Reim\tBand\tbeim\tRand\nReim\tBein\tbeim\trein\n", 0), 0u) << reim;
    EXPECT_EQ(reim.size(), Ausgabe({"schuettel", "Reim"}).size());
}

TEST(CliOrdnung, SoundSearchRankedByDefault) {
    EXPECT_EQ(Ausgabe({"klang", "Geist", "eist"}),
              "meist\nweist\nseist\nreist\nbeweist\ngereist\n");
    EXPECT_EQ(Ausgabe({"klang", "Geist", "eist", "--ordnung", "rang"}),
              Ausgabe({"klang", "Geist", "eist"}));
    // --rueck orders by the words' ends, which is no order of rank.
    EXPECT_EQ(Ausgabe({"klang", "Geist", "eist", "--rueck"}),
              "meist\nreist\ngereist\nseist\nweist\nbeweist\n");
    const std::string stein = Ausgabe({"klang", "Stein"});
    EXPECT_EQ(stein.rfind("ein\nnein\nsein\nmein\n", 0), 0u) << stein;
    EXPECT_TRUE(stein.ends_with("\nGestein\nEdelstein\n")) << stein;
}

TEST(CliOrdnung, SyllablesStressPatternAndAbbreviations) {
    EXPECT_EQ(Ausgabe({"klang", "Stein", "--silben", "2"}),
              "Verein\nallein\nhinein\ngemein\nMondschein\nherein\nGestein\n");
    EXPECT_EQ(Ausgabe({"klang", "Stein", "--silben=3-"}),
              "irgendein\nFührerschein\nBewusstsein\nüberein\nFrankfurt am Main\nSonnenschein\n"
              "Edelstein\n");
    // Mondschein is XX.
    EXPECT_EQ(Ausgabe({"klang", "Stein", "--silben", "2-3", "--betonung", "xX"}),
              "Verein\nallein\nhinein\ngemein\nherein\nGestein\n");
    EXPECT_EQ(Ausgabe({"klang", "Stein", "--betonung", "XxX", "--ordnung", "alphabet"}),
              "Edelstein\nFührerschein\nirgendein\nSonnenschein\nüberein\n");
    const auto keiner = CliAusfuehren({"klang", "Stein", "--betonung", "xxxxxxX"});
    EXPECT_EQ(keiner.status, 1);
    EXPECT_EQ(keiner.fehler, "quandel-cli: kein Eintrag\n");
    // Words read letter by letter only when asked for.
    const std::string schnee = Ausgabe({"klang", "Schnee"});
    EXPECT_EQ(schnee.find("SPD"), std::string::npos) << schnee;
    EXPECT_EQ(schnee.find("Pkw"), std::string::npos) << schnee;
    const std::string alle = Ausgabe({"klang", "Schnee", "--abkuerzungen"});
    EXPECT_NE(alle.find("\nSPD\n"), std::string::npos) << alle;
    EXPECT_NE(alle.find("\nPkw\n"), std::string::npos) << alle;
}

TEST(CliOrdnung, OptionsOutsideTheirModesOrWithBadValues) {
    EXPECT_EQ(Fehler({"end", "eide", "--ordnung", "alphabet"}),
              "quandel-cli: Option --ordnung alphabet gilt nur für klang (sonst rang oder liste)");
    EXPECT_EQ(Fehler({"klang", "Reim", "--ordnung", "liste"}),
              "quandel-cli: Option --ordnung liste gilt nicht für klang (rang oder alphabet)");
    EXPECT_EQ(Fehler({"klang", "Reim", "--ordnung", "zufall"}),
              "quandel-cli: unbekannte Ordnung \"zufall\" (rang, alphabet oder liste)");
    EXPECT_EQ(
        Fehler({"klang", "Reim", "--ordnung", "rang", "--rueck"}),
        "quandel-cli: Option --rueck ordnet nach Wortenden und passt nicht zu --ordnung rang");
    EXPECT_EQ(Fehler({"end", "eide", "--silben", "2"}),
              "quandel-cli: Option --silben gilt nur für klang");
    EXPECT_EQ(Fehler({"schuettel", "Reim", "--betonung", "X"}),
              "quandel-cli: Option --betonung gilt nur für klang");
    EXPECT_EQ(Fehler({"lied", "Liese", "--abkuerzungen"}),
              "quandel-cli: Option --abkuerzungen gilt nur für klang");
    EXPECT_EQ(Fehler({"klang", "Reim", "--silben", "0"}),
              "quandel-cli: --silben verlangt eine Silbenzahl oder einen Bereich wie 2-3, nicht "
              "\"0\"");
    EXPECT_EQ(Fehler({"klang", "Reim", "--silben", "2-x"}),
              "quandel-cli: --silben verlangt eine Silbenzahl oder einen Bereich wie 2-3, nicht "
              "\"2-x\"");
    EXPECT_EQ(Fehler({"klang", "Reim", "--silben", "3-2"}),
              "quandel-cli: --silben 3-2: der Bereich ist leer");
    EXPECT_EQ(Fehler({"klang", "Reim", "--betonung", "xXa"}),
              "quandel-cli: --betonung verlangt ein Muster aus x (unbetont) und X (betont) wie "
              "xXx, nicht \"xXa\"");
    EXPECT_EQ(Fehler({"klang", "Reim", "--ordnung"}),
              "quandel-cli: Option --ordnung verlangt einen Wert");
}
