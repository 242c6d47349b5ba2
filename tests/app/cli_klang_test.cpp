// The sound search on the command line: the built-in stock's compiled keys, near and
// two-syllable rhymes, the user's correction file, a word list's keys computed on the spot.
#include "cli_prozess.h"
#include "testdatei.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

using quandel::testhilfe::Ausgabe;
using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::CliProzess;
using quandel::testhilfe::DebianDatei;
using quandel::testhilfe::HatZeile;
using quandel::testhilfe::kNgerman;
using quandel::testhilfe::TestdateiSchreiben;

TEST(CliKlang, RhymesBySoundOnTheBuiltInStock) {
    const std::string gehoer = Ausgabe({"klang", "Gehör"});
    EXPECT_TRUE(HatZeile(gehoer, "Ingenieur") && HatZeile(gehoer, "Regisseur")) << gehoer;
    // Trost is in the stock, but its o is long.
    const std::string rost = Ausgabe({"klangreim", "Rost"});
    EXPECT_TRUE(HatZeile(rost, "Frost"));
    EXPECT_FALSE(HatZeile(rost, "Trost"));
    EXPECT_EQ(rost, Ausgabe({"klang", "rost"}));
    // With --ordnung alphabet in "Vor" order like every search; the word itself is no hit.
    const std::string glueck = Ausgabe({"klang", "Glück", "--ordnung", "alphabet"});
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

TEST(CliKlang, JsonNamesPronunciationSyllablesStressKindAndRank) {
    const std::string json =
        Ausgabe({"klang", "Gehör", "--format", "json", "--ordnung", "alphabet"});
    EXPECT_EQ(json.rfind("[\n  {\"wort\": \"Gouverneur\", \"lautschrift\": \"", 0), 0u) << json;
    EXPECT_NE(json.find("\"silben\": 3, \"betonung\": \"XxX\", \"reim\": \"rein\", \"rang\": "
                        "2},\n  {\"wort\": \"hör\", \"lautschrift\": \"ˈhøːʁ\", \"silben\": 1, "
                        "\"betonung\": \"X\", \"reim\": \"ruehrend\", \"rang\": 1},\n  {\"wort\": "
                        "\"Ingenieur\""),
              std::string::npos)
        << json;
    EXPECT_TRUE(json.ends_with("\"silben\": 2, \"betonung\": \"xX\", \"reim\": \"ruehrend\", "
                               "\"rang\": 2}\n]\n"))
        << json;
    // A near rhyme; the identical rhymes last.
    EXPECT_NE(Ausgabe({"klang", "Glück", "--unrein", "--format", "json"})
                  .find("{\"wort\": \"dick\", \"lautschrift\": \"ˈdɪk\", \"silben\": 1, "
                        "\"betonung\": \"X\", \"reim\": \"unrein\", \"rang\": 2}"),
              std::string::npos);
    EXPECT_TRUE(Ausgabe({"klang", "Stein", "--format", "json"})
                    .ends_with("{\"wort\": \"Edelstein\", \"lautschrift\": \"ˈeːdəlˌʃtaɪn\", "
                               "\"silben\": 3, \"betonung\": \"XxX\", \"reim\": \"ruehrend\", "
                               "\"rang\": 3}\n]\n"));
    // From stdin one line per answer, an answer without hits an empty array.
    const auto zeilen = TestdateiSchreiben("klang-zeilen.txt", "Rost\nxyzxyz\n");
    const auto lauf = CliAusfuehren({"klang", "-", "--format", "json"}, {.eingabeDatei = zeilen});
    EXPECT_EQ(lauf.aus.rfind("[{\"wort\": \"prost\", \"lautschrift\": \"", 0), 0u) << lauf.aus;
    EXPECT_TRUE(
        lauf.aus.ends_with("{\"wort\": \"Frost\", \"lautschrift\": \"ˈfʁɔst\", \"silben\": "
                           "1, \"betonung\": \"X\", \"reim\": \"rein\", \"rang\": 3}]\n[]\n"))
        << lauf.aus;
}

TEST(CliKlang, JsonNamesTheWordClassesWhenAskedFor) {
    EXPECT_EQ(Ausgabe({"klang", "Gehör", "--format", "json", "--ordnung", "alphabet", "--wortart",
                       "verb"}),
              "[\n  {\"wort\": \"hör\", \"lautschrift\": \"ˈhøːʁ\", \"silben\": 1, \"betonung\": "
              "\"X\", \"reim\": \"ruehrend\", \"rang\": 1, \"wortart\": [\"verb\"]},\n  {\"wort\": "
              "\"verhör\", \"lautschrift\": \"fɛʁˈhøːʁ\", \"silben\": 2, \"betonung\": \"xX\", "
              "\"reim\": \"ruehrend\", \"rang\": 2, \"wortart\": [\"verb\"]}\n]\n");
}

TEST(CliKlang, LimitWordsAndOrder) {
    EXPECT_EQ(Ausgabe({"klang", "Geist", "eist", "--ordnung", "alphabet"}),
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

    // A device without end fails at its first byte.
    const auto null = CliAusfuehren({"klang", "Rost", "--aussprache", "/dev/zero"});
    EXPECT_EQ(null.status, 2);
    EXPECT_EQ(null.fehler, "quandel-cli: /dev/zero, Zeile 1: Die Zeile enthält ein Nullbyte.\n");

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
    if (!DebianDatei(kNgerman, "wngerman"))
        return;
    const std::string gehoer = Ausgabe({"klang", "Gehör", "--wortbestand", kNgerman});
    EXPECT_TRUE(HatZeile(gehoer, "Friseur"));
    EXPECT_TRUE(HatZeile(gehoer, "Likör"));
    EXPECT_FALSE(HatZeile(gehoer, "Gehör"));
}

// The first n lines of an output.
std::vector<std::string> ErsteZeilen(const std::string& ausgabe, std::size_t n) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    for (std::size_t ende;
         zeilen.size() < n && (ende = ausgabe.find('\n', anfang)) != std::string::npos;
         anfang = ende + 1)
        zeilen.push_back(ausgabe.substr(anfang, ende - anfang));
    return zeilen;
}

bool Enthaelt(const std::vector<std::string>& zeilen, const std::string& wort) {
    return std::find(zeilen.begin(), zeilen.end(), wort) != zeilen.end();
}

TEST(CliKlang, NgermanCommonRhymesFirst) {
    if (!DebianDatei(kNgerman, "wngerman"))
        return;
    const auto klang = [](const std::string& wort) {
        return Ausgabe({"klang", wort, "--wortbestand", kNgerman});
    };
    EXPECT_TRUE(Enthaelt(ErsteZeilen(klang("Berg"), 10), "Zwerg"));
    EXPECT_TRUE(Enthaelt(ErsteZeilen(klang("Reise"), 10), "leise"));
    EXPECT_TRUE(Enthaelt(ErsteZeilen(klang("Garten"), 10), "warten"));
    EXPECT_TRUE(Enthaelt(ErsteZeilen(klang("Ende"), 10), "Hände"));
    // Herz: Schmerz among the first five; Aprilscherz a pure rhyme, Löwenherz and
    // Menschenherz identical ones after the pure rhymes.
    const std::string herz =
        Ausgabe({"klang", "Herz", "--wortbestand", kNgerman, "--format", "json"});
    const auto stelle = [&](const std::string& wort) {
        return herz.find("{\"wort\": \"" + wort + "\"");
    };
    EXPECT_TRUE(Enthaelt(ErsteZeilen(klang("Herz"), 5), "Schmerz"));
    ASSERT_NE(stelle("Aprilscherz"), std::string::npos) << herz;
    EXPECT_NE(herz.find("\"reim\": \"rein\"", stelle("Aprilscherz")), std::string::npos);
    EXPECT_LT(herz.find("\"reim\": \"rein\"", stelle("Aprilscherz")),
              herz.find("\"reim\": \"ruehrend\"", stelle("Aprilscherz")));
    for (const std::string identisch : {"Löwenherz", "Menschenherz"}) {
        ASSERT_NE(stelle(identisch), std::string::npos) << identisch;
        EXPECT_LT(herz.find("\"reim\": \"ruehrend\""), stelle(identisch));
        EXPECT_EQ(herz.find("\"reim\": \"rein\"", stelle(identisch)), std::string::npos);
    }
    // No words read letter by letter (AfD, FDJ, the letter j).
    for (const std::string& zeile : ErsteZeilen(klang("Schnee"), 1000))
        EXPECT_NE(zeile, "AfD");
    const auto gott = ErsteZeilen(klang("Gott"), 1000);
    EXPECT_FALSE(Enthaelt(gott, "FDJ") || Enthaelt(gott, "j")) << gott.size();
    EXPECT_TRUE(Enthaelt(
        ErsteZeilen(Ausgabe({"klang", "Gott", "--wortbestand", kNgerman, "--abkuerzungen"}), 1000),
        "FDJ"));
}

TEST(CliKlang, NgermanMisreadWords) {
    if (!DebianDatei(kNgerman, "wngerman"))
        return;
    const auto klang = [](const std::string& wort) {
        return Ausgabe({"klang", wort, "--wortbestand", kNgerman});
    };
    // -bar never carries the rhyme, also not inflected.
    const std::string dimmbaren = klang("dimmbaren");
    EXPECT_FALSE(HatZeile(dimmbaren, "fahren") || HatZeile(dimmbaren, "abfahren")) << dimmbaren;
    // ngerman has the noun "Erde" and the verb "essen" in lower case only.
    const std::string werde = klang("werde");
    EXPECT_TRUE(HatZeile(werde, "erde") && HatZeile(werde, "Pferde")) << werde;
    const std::string atheismus = klang("Atheismus");
    EXPECT_TRUE(HatZeile(atheismus, "Aktionismus")) << atheismus;
    EXPECT_FALSE(HatZeile(atheismus, "Abakus"));
    EXPECT_TRUE(HatZeile(klang("Abszessen"), "essen"));
}

TEST(CliKlang, CtrlCStopsComputingTheKeys) {
    if (!DebianDatei(kNgerman, "wngerman"))
        return;
    // Without the index, whose keys an earlier test may have saved.
    CliProzess prozess({"klang", "Gehör", "--kein-cache", "--wortbestand", kNgerman}, true);
    ASSERT_TRUE(prozess.FehlerAbwarten(" %"));
    ::kill(prozess.pid(), SIGINT);
    const auto lauf = prozess.Abwarten();
    EXPECT_EQ(lauf.signal, 0) << "the process must end by itself";
    EXPECT_EQ(lauf.status, 130);
    EXPECT_EQ(lauf.aus, "");
}

namespace {

// Whether the process has loaded libespeak-ng, which happens at its first pronunciation.
bool SprichtSchon(pid_t pid) {
    std::ifstream karte("/proc/" + std::to_string(pid) + "/maps");
    const std::string text{std::istreambuf_iterator<char>(karte), {}};
    return text.find("libespeak-ng") != std::string::npos;
}

} // namespace

TEST(CliKlang, CtrlCEndsTheSearchForAVeryLongWord) {
    // A search line of 16 MB takes espeak-ng many seconds; Ctrl+C ends it between two of its
    // pieces.
    std::string zeile;
    for (int i = 0; i < (4 << 20); ++i)
        zeile += "Haus";
    const std::string eingabe = TestdateiSchreiben("klang_lang.txt", zeile + "\n");
    CliProzess prozess({"klang", "-"}, quandel::testhilfe::Umgebung{.eingabeDatei = eingabe});
    for (int i = 0; i < 6000 && !SprichtSchon(prozess.pid()); ++i)
        ::usleep(10000);
    ASSERT_TRUE(SprichtSchon(prozess.pid()));
    ::kill(prozess.pid(), SIGINT);
    const auto lauf = prozess.Abwarten();
    EXPECT_EQ(lauf.signal, 0) << "the process must end by itself";
    EXPECT_EQ(lauf.status, 130) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "");
}
