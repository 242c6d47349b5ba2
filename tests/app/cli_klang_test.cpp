// The sound search on the command line: the built-in stock's compiled keys, near and
// two-syllable rhymes, the user's correction file, a word list's keys computed on the spot.
#include "cli_prozess.h"
#include "testdatei.h"

#include <csignal>
#include <gtest/gtest.h>

using quandel::testhilfe::Ausgabe;
using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::CliProzess;
using quandel::testhilfe::HatZeile;
using quandel::testhilfe::TestdateiSchreiben;

namespace {

const std::string kNgerman = "/usr/share/dict/ngerman";

} // namespace

TEST(CliKlang, RhymesBySoundOnTheBuiltInStock) {
    const std::string gehoer = Ausgabe({"klang", "Gehör"});
    EXPECT_TRUE(HatZeile(gehoer, "Ingenieur") && HatZeile(gehoer, "Regisseur")) << gehoer;
    // Trost is in the stock, but its o is long.
    const std::string rost = Ausgabe({"klangreim", "Rost"});
    EXPECT_TRUE(HatZeile(rost, "Frost"));
    EXPECT_FALSE(HatZeile(rost, "Trost"));
    EXPECT_EQ(rost, Ausgabe({"klang", "rost"}));
    // In "Vor" order like every search; the word itself is no hit.
    const std::string glueck = Ausgabe({"klang", "Glück"});
    EXPECT_TRUE(HatZeile(glueck, "Stück"));
    EXPECT_FALSE(HatZeile(glueck, "Glück"));
    EXPECT_LT(glueck.find("Frühstück"), glueck.find("zurück"));
}

TEST(CliKlang, NearAndTwoSyllableRhymes) {
    EXPECT_FALSE(HatZeile(Ausgabe({"klang", "Glück"}), "dick"));
    EXPECT_TRUE(HatZeile(Ausgabe({"klang", "Glück", "--unrein"}), "dick"));
    const std::string station = Ausgabe({"klang", "Station", "--zweisilbig"});
    EXPECT_TRUE(HatZeile(station, "Nation"));
    EXPECT_FALSE(HatZeile(station, "Sohn"));
    EXPECT_TRUE(HatZeile(Ausgabe({"klang", "Station"}), "Sohn"));
}

TEST(CliKlang, JsonNamesPronunciationSyllablesAndWordClass) {
    const std::string json = Ausgabe({"klang", "Gehör", "--format", "json"});
    EXPECT_EQ(json.rfind("[\n  {\"wort\": \"Gouverneur\", \"lautschrift\": \"", 0), 0u) << json;
    EXPECT_NE(json.find("\"silben\": 3, \"wortart\": [\"nomen\"]},\n  {\"wort\": \"hör\", "
                        "\"lautschrift\": \"ˈh"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"silben\": 1, \"wortart\": [\"verb\"]},\n  {\"wort\": \"Ingenieur\""),
              std::string::npos);
    EXPECT_TRUE(json.ends_with("\"silben\": 2, \"wortart\": [\"verb\"]}\n]\n")) << json;
    // From stdin one line per answer, an answer without hits an empty array.
    const auto zeilen = TestdateiSchreiben("klang-zeilen.txt", "Rost\nxyzxyz\n");
    const auto lauf = CliAusfuehren({"klang", "-", "--format", "json"}, {.eingabeDatei = zeilen});
    EXPECT_EQ(lauf.aus.rfind("[{\"wort\": \"Frost\", \"lautschrift\": \"", 0), 0u) << lauf.aus;
    EXPECT_TRUE(lauf.aus.ends_with("\"silben\": 1, \"wortart\": []}]\n[]\n")) << lauf.aus;
}

TEST(CliKlang, LimitWordsAndOrder) {
    EXPECT_EQ(Ausgabe({"klang", "Geist", "eist"}),
              "beweist\ngereist\nmeist\nreist\nseist\nweist\n");
    const std::string minus = Ausgabe({"klang", "Geist", "eist", "--minus"});
    EXPECT_TRUE(HatZeile(minus, "beißt"));
    EXPECT_FALSE(HatZeile(minus, "meist"));
    EXPECT_EQ(Ausgabe({"klang", "Geist", "eist", "--rueck"}),
              "meist\nreist\ngereist\nseist\nweist\nbeweist\n");
    const auto keiner = CliAusfuehren({"klang", "Geist", "xyz"});
    EXPECT_EQ(keiner.status, 1);
    EXPECT_EQ(keiner.fehler, "quandel-cli: kein Eintrag\n");
}

TEST(CliKlang, UsersCorrectionFile) {
    // Read with a long o, "Rost" rhymes with "Trost".
    const std::string datei = TestdateiSchreiben("aussprache.txt", "# eigene\nRost\tr 'o: s t\n");
    EXPECT_TRUE(HatZeile(Ausgabe({"klang", "Rost", "--aussprache", datei}), "Trost"));

    const std::string falsch =
        TestdateiSchreiben("falsch.txt", "Rost\tr 'o: s t\nTrost\tt r o: s t\n");
    const auto lauf = CliAusfuehren({"klang", "Rost", "--aussprache=" + falsch});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_EQ(lauf.fehler, "quandel-cli: " + falsch +
                               ", Zeile 2: kein Hauptton: vor dem betonten Vokal fehlt ' (etwa "
                               "g a r 'a: Z @)\n");

    const auto fehlt = CliAusfuehren({"klang", "Rost", "--aussprache", "/nicht/da.txt"});
    EXPECT_EQ(fehlt.status, 2);
    EXPECT_EQ(
        fehlt.fehler.rfind("quandel-cli: Datei /nicht/da.txt kann nicht geöffnet werden (", 0), 0u)
        << fehlt.fehler;
}

TEST(CliKlang, WordListKeysComputedWithTheCompoundRule) {
    const std::string datei =
        TestdateiSchreiben("klang.txt", "Bahn\nBahnhof\nHof\nKaffee\nFee\nSee\nTrost\nRost\n");
    EXPECT_EQ(Ausgabe({"klang", "Hof", "--wortbestand", datei}), "Bahnhof\n");
    EXPECT_EQ(Ausgabe({"klang", "Fee", "--wortbestand", datei}), "See\n");
    EXPECT_EQ(CliAusfuehren({"klang", "Trost", "--wortbestand", datei}).status, 1);
    // A small list is done before a progress bar would show.
    CliProzess prozess({"klang", "Hof", "--wortbestand", datei}, true);
    EXPECT_EQ(prozess.Abwarten().aus, "Bahnhof\n");
}

// The large list of the package wngerman, which the set-up script installs.
TEST(CliKlang, NgermanGehoerFindsFriseur) {
    const std::string gehoer = Ausgabe({"klang", "Gehör", "--wortbestand", kNgerman});
    EXPECT_TRUE(HatZeile(gehoer, "Friseur"));
    EXPECT_TRUE(HatZeile(gehoer, "Likör"));
    EXPECT_FALSE(HatZeile(gehoer, "Gehör"));
}

TEST(CliKlang, CtrlCStopsComputingTheKeys) {
    // Without the index, whose keys an earlier test may have saved.
    CliProzess prozess({"klang", "Gehör", "--kein-cache", "--wortbestand", kNgerman}, true);
    ASSERT_TRUE(prozess.FehlerAbwarten(" %"));
    ::kill(prozess.pid(), SIGINT);
    const auto lauf = prozess.Abwarten();
    EXPECT_EQ(lauf.signal, 0) << "the process must end by itself";
    EXPECT_EQ(lauf.status, 130);
    EXPECT_EQ(lauf.aus, "");
}
