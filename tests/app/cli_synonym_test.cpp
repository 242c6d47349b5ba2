// Synonyms and the sieve of word classes and sense on the command line: a small thesaurus of
// the test's own, then Debian's OpenThesaurus and ngerman, which the set-up script installs.
#include "cli_prozess.h"
#include "testdatei.h"
#include "tests/meaning/thesaurus.h"
#include "tests/testcache.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using quandel::testhilfe::Ausgabe;
using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::DebianDatei;
using quandel::testhilfe::HatZeile;
using quandel::testhilfe::kNgerman;
using quandel::testhilfe::kOpenThesaurus;
using quandel::testhilfe::SitzungMitGekuerztemIndex;
using quandel::testhilfe::TestdateiSchreiben;

namespace {

const std::string& Thesaurus() {
    static const std::string pfad =
        TestdateiSchreiben("thesaurus.txt", quandel::test::kThesaurusText);
    return pfad;
}

// The thesaurus's index in the folder, or "".
std::string ThesaurusIndex(const std::string& ordner) {
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner))
        if (eintrag.path().filename().string().ends_with("-thesaurus.qtidx"))
            return eintrag.path().string();
    return "";
}

std::vector<std::string> Synonym(std::vector<std::string> argumente) {
    argumente.insert(argumente.begin(), "synonym");
    argumente.insert(argumente.end(), {"--thesaurus", Thesaurus()});
    return argumente;
}

} // namespace

TEST(CliSynonym, SetsInEveryFormat) {
    EXPECT_EQ(Ausgabe(Synonym({"Kummer"})), "Trauer\nGram\nSorge\nLeid (geh.)\nVerzweiflung\n");
    EXPECT_EQ(Ausgabe(Synonym({"kummer"})), Ausgabe(Synonym({"Kummer"})));
    EXPECT_EQ(Ausgabe(Synonym({"schwer", "ums", "Herz"})), "bedrückt sein\n");
    EXPECT_EQ(Ausgabe(Synonym({"Kummer", "--format", "json"})),
              "[\n  [\"Trauer\", \"Gram\"],\n  [\"Sorge\", \"Leid (geh.)\", \"Verzweiflung\", "
              "\"Leid\"]\n]\n");
    EXPECT_EQ(Ausgabe(Synonym({"Gag", "--format", "tsv"})), "wort\nScherz\nWitz\n");
    EXPECT_EQ(Ausgabe(Synonym({"abdüsen", "--format", "csv"})),
              "wort\r\nabfliegen\r\nwegfliegen\r\n");
    EXPECT_EQ(Ausgabe(Synonym({"Gram", "--format", "raster"})), "4\r\nTrauer,Kummer,,\r\n");
    // From stdin one answer per line; json one line each.
    const auto zeilen = TestdateiSchreiben("synonym-zeilen.txt", "Gram\nXyzzy\nWeg\n");
    EXPECT_EQ(CliAusfuehren(Synonym({"-"}), {.eingabeDatei = zeilen}).aus,
              "Trauer\nKummer\n\n\nPfad\n\n");
    const auto json = CliAusfuehren(Synonym({"-", "--format", "json"}), {.eingabeDatei = zeilen});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.aus, "[[\"Trauer\", \"Kummer\"]]\n[]\n[[\"Pfad\"]]\n");
}

TEST(CliSynonym, NoEntryNoWordAndNoThesaurus) {
    const auto keiner = CliAusfuehren(Synonym({"Xyzzy"}));
    EXPECT_EQ(keiner.status, 1);
    EXPECT_EQ(keiner.aus, "");
    EXPECT_EQ(keiner.fehler, "quandel-cli: kein Eintrag\n");
    const auto leer = CliAusfuehren(Synonym({" "}));
    EXPECT_EQ(leer.status, 1);
    EXPECT_EQ(leer.fehler, "quandel-cli: Der Suchtext enthält kein Suchwort.\n");

    const auto fehlt = CliAusfuehren({"synonym", "Kummer", "--thesaurus", "/nicht/da.txt"});
    EXPECT_EQ(fehlt.status, 2);
    EXPECT_EQ(fehlt.fehler, "quandel-cli: Der Thesaurus /nicht/da.txt fehlt; OpenThesaurus kommt "
                            "mit dem Paket openthesaurus-de-text (apt-get install "
                            "openthesaurus-de-text).\n");
    const std::string kaputt = TestdateiSchreiben("kaputt.txt", "Trauer;Gram\nB\xE4r;Petz\n");
    const auto schlecht = CliAusfuehren({"synonym", "Gram", "--thesaurus", kaputt});
    EXPECT_EQ(schlecht.status, 2);
    EXPECT_EQ(schlecht.fehler,
              "quandel-cli: " + kaputt + ", Zeile 2: Ungültige UTF-8-Bytefolge an Byte 2.\n");
    // An empty name shows; a device without end stops at once.
    EXPECT_EQ(CliAusfuehren({"synonym", "Kummer", "--thesaurus", ""}).fehler,
              "quandel-cli: Der Thesaurus »« fehlt; OpenThesaurus kommt mit dem Paket "
              "openthesaurus-de-text (apt-get install openthesaurus-de-text).\n");
    const auto endlos = CliAusfuehren({"synonym", "Kummer", "--thesaurus", "/dev/zero"});
    EXPECT_EQ(endlos.status, 2);
    EXPECT_EQ(endlos.fehler, "quandel-cli: /dev/zero, Zeile 1: Die Zeile enthält ein Nullbyte.\n");
}

TEST(CliSynonym, OptionsOnlyWhereTheyDoSomething) {
    for (const std::vector<std::string>& aufruf :
         {Synonym({"Kummer", "--rueck"}), Synonym({"Kummer", "--wortbestand", kNgerman}),
          Synonym({"Kummer", "--sinn", "Gram"}), Synonym({"Kummer", "--wortart", "nomen"}),
          std::vector<std::string>{"schuettel", "Reim", "--wortart", "nomen"},
          std::vector<std::string>{"end", "eide", "--thesaurus", Thesaurus()},
          std::vector<std::string>{"end", "eide", "--wortart", "nomen,Verb"}}) {
        const auto lauf = CliAusfuehren(aufruf);
        EXPECT_EQ(lauf.status, 2) << aufruf[0] << " " << aufruf[2];
        EXPECT_EQ(lauf.aus, "");
        EXPECT_TRUE(lauf.fehler.ends_with("quandel-cli: Hilfe: quandel-cli --help\n"))
            << lauf.fehler;
    }
    EXPECT_EQ(CliAusfuehren({"end", "eide", "--wortart", "nomen,Verb"}).fehler,
              "quandel-cli: unbekannte Wortart in \"nomen,Verb\" (nomen, verb, adjektiv, adverb, "
              "andere; mehrere durch Kommas getrennt)\nquandel-cli: Hilfe: quandel-cli --help\n");
}

TEST(CliSynonym, KeinCacheWritesNoIndex) {
    const std::string ordner = std::string(std::getenv("XDG_CACHE_HOME")) + "/quandel-tornar";
    std::filesystem::remove_all(ordner);
    EXPECT_EQ(Ausgabe(Synonym({"Gram", "--kein-cache"})), "Trauer\nKummer\n");
    EXPECT_FALSE(std::filesystem::exists(ordner));
    EXPECT_EQ(Ausgabe(Synonym({"Gram"})), "Trauer\nKummer\n");
    // One index, the thesaurus's, and no temporary file.
    EXPECT_EQ(quandel::test::IndexeUndReste(ordner), 1u);
    EXPECT_NE(ThesaurusIndex(ordner), "");
    EXPECT_EQ(Ausgabe(Synonym({"Gram"})), "Trauer\nKummer\n");
}

TEST(CliSynonym, IndexCutShortDuringASessionEndsItWithAMessageNamingTheIndex) {
    const std::string ordner = std::string(std::getenv("XDG_CACHE_HOME")) + "/quandel-tornar";
    std::filesystem::remove_all(ordner);
    ASSERT_EQ(CliAusfuehren(Synonym({"Gram"})).status, 0); // saves the index
    const std::string index = ThesaurusIndex(ordner);
    ASSERT_NE(index, "");

    ASSERT_NO_FATAL_FAILURE(
        SitzungMitGekuerztemIndex(Synonym({"-"}), index, "Gram", "Trauer\nKummer\n\n"));
    // The next run builds it again.
    EXPECT_EQ(Ausgabe(Synonym({"Gram"})), "Trauer\nKummer\n");
}

TEST(CliSieb, WordClassAndSenseOnTheRhymeSearches) {
    const std::string liste =
        TestdateiSchreiben("sieb.txt", "Scherz\nSchmerz\nNerz\nverscherz\nHumor\nHerz\n");
    const std::vector<std::string> erz{"end", "erz", "--wortbestand", liste};
    const auto mit = [&](std::vector<std::string> dazu) {
        dazu.insert(dazu.begin(), erz.begin(), erz.end());
        return dazu;
    };
    EXPECT_EQ(Ausgabe(mit({"--wortart", "nomen"})), "Herz\nNerz\nScherz\nSchmerz\n");
    EXPECT_EQ(Ausgabe(mit({"--wortart", "verb,adverb"})), "verscherz\n");
    EXPECT_EQ(Ausgabe(mit({"--sinn", "Witz", "--thesaurus", Thesaurus()})), "Scherz\n");
    EXPECT_EQ(Ausgabe(mit({"--sinn", "Pein", "--thesaurus", Thesaurus(), "--wortart=nomen"})),
              "Schmerz\n");
    // The hits of every search are sieved: song rhymes and alliterations too.
    EXPECT_EQ(Ausgabe({"stab", "Sch", "--wortbestand", liste, "--sinn", "Witz", "--thesaurus",
                       Thesaurus()}),
              "Scherz\n");
    EXPECT_EQ(Ausgabe({"lied", "Herz", "--wortbestand", liste, "--sinn", "Witz", "--thesaurus",
                       Thesaurus()}),
              "Scherz\n");
    // Nothing left: no entry.
    const auto keiner = CliAusfuehren(mit({"--wortart", "adjektiv"}));
    EXPECT_EQ(keiner.status, 1);
    EXPECT_EQ(keiner.fehler, "quandel-cli: kein Eintrag\n");
    const auto fremd = CliAusfuehren(mit({"--sinn", "Xyzzy", "--thesaurus", Thesaurus()}));
    EXPECT_EQ(fremd.status, 2);
    EXPECT_EQ(fremd.fehler,
              "quandel-cli: \"Xyzzy\" steht nicht im Thesaurus " + Thesaurus() + " (--sinn).\n");
}

TEST(CliSieb, JsonNamesTheWordClassesWhenTheSieveIsAskedFor) {
    const std::string liste = TestdateiSchreiben("json-sieb.txt", "Scherz\nverscherz\nXerz\n");
    // Without --wortart or --sinn the words alone, as scripts read them.
    EXPECT_EQ(Ausgabe({"end", "erz", "--wortbestand", liste, "--format", "json"}),
              "[\n  \"Scherz\",\n  \"verscherz\",\n  \"Xerz\"\n]\n");
    EXPECT_EQ(Ausgabe({"end", "erz", "--wortbestand", liste, "--format", "json", "--wortart",
                       "nomen,verb,andere"}),
              "[\n  {\"wort\": \"Scherz\", \"wortart\": [\"nomen\"]},\n"
              "  {\"wort\": \"verscherz\", \"wortart\": [\"verb\"]}\n]\n");
    EXPECT_EQ(Ausgabe({"end", "erz", "--wortbestand", liste, "--format", "json", "--sinn", "Witz",
                       "--thesaurus", Thesaurus()}),
              "[\n  {\"wort\": \"Scherz\", \"wortart\": [\"nomen\"]}\n]\n");
}

// Debian's OpenThesaurus and ngerman, which CI installs.
TEST(CliSynonym, OpenThesaurusKummer) {
    if (!DebianDatei(kOpenThesaurus, "openthesaurus-de-text"))
        return;
    const std::string kummer = Ausgabe({"synonym", "Kummer"});
    EXPECT_TRUE(HatZeile(kummer, "Gram")) << kummer;
    EXPECT_TRUE(HatZeile(kummer, "Sorge")) << kummer;
    EXPECT_FALSE(HatZeile(kummer, "Kummer"));
    EXPECT_TRUE(HatZeile(Ausgabe({"synonym", "abfliegen"}), "abdüsen (ugs.)"));
}

TEST(CliSieb, NgermanHerzBySenseAndByWordClass) {
    if (!DebianDatei(kNgerman, "wngerman") || !DebianDatei(kOpenThesaurus, "openthesaurus-de-text"))
        return;
    const std::string witz =
        Ausgabe({"klang", "Herz", "--sinn", "Witz", "--wortbestand", kNgerman});
    EXPECT_TRUE(HatZeile(witz, "Scherz")) << witz;
    EXPECT_FALSE(HatZeile(witz, "Schmerz")) << witz;
    const std::string alle = Ausgabe({"klang", "Herz", "--wortbestand", kNgerman});
    ASSERT_TRUE(HatZeile(alle, "Schmerz") && HatZeile(alle, "verscherz")) << alle;
    const std::string nomen =
        Ausgabe({"klang", "Herz", "--wortart", "nomen", "--wortbestand", kNgerman});
    EXPECT_TRUE(HatZeile(nomen, "Schmerz")) << nomen;
    EXPECT_FALSE(HatZeile(nomen, "verscherz")) << nomen;
}
