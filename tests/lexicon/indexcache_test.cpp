// The saved lexicon index: round trips, damaged files, folders that cannot be written.
#include "data/eingebaut.h"
#include "data/lexikon_eingebaut.h"
#include "lexicon/indexcache.h"
#include "search/suchen.h"
#include "tests/testcache.h"
#include "tests/testlexikon.h"
#include "text/kodierung.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace quandel {
namespace daten {
extern const std::uint64_t kWortbestandsAbbild[];
}
namespace {

namespace fs = std::filesystem;
using test::TestCacheOrdner;

// A list of a few thousand lines: umlauts, ß, phrases, lines equal but for case, blanks to
// trim and an empty line.
std::string testliste() {
    const char* anfaenge[] = {"Bär",  "über", "Straße", "Öl",    "Haus",   "Maus",  "Reim", "Leim",
                              "Rand", "Land", "Wiese",  "Liese", "Kreide", "Weide", "Spaß"};
    const char* enden[] = {"", "en", "chen", "lein", "ung", "e", "ß", "ig", "isch", "er"};
    std::ostringstream liste;
    liste << "Schlange\n\nvor allem\nNew York\n  Seide\t\nUND\nund\nUnd\ndaß\ndass\n";
    for (const char* a : anfaenge)
        for (const char* e : enden)
            liste << a << e << '\n';
    for (const char* a : anfaenge)
        for (const char* b : anfaenge)
            for (const char* e : enden) {
                std::string wort = a;
                wort.append(b).append(e);
                for (std::size_t i = 1; i < wort.size(); ++i)
                    wort[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(wort[i])));
                liste << wort << '\n';
                if (e[0] == 'e' && e[1] == 'n')
                    liste << a << ' ' << b << '\n';
            }
    liste << "STRASSE\nstraße\nÜBER\n";
    return liste.str();
}

std::string dateiLesen(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

// The results of all four searches for several queries, as one text.
std::string ergebnisse(const Lexikon& lexikon) {
    using Suche = SuchErgebnis (*)(SuchKontext&, const SuchEinstellungen&);
    const std::pair<Suche, const char*> anfragen[] = {
        {EndreimSuchen, "eide"},       {EndreimSuchen, "e"},          {EndreimSuchen, "ung,en"},
        {EndreimSuchen, "allem"},      {EndreimSuchen, "aß"},         {LiedreimSuchen, "Liese"},
        {LiedreimSuchen, "pst"},       {LiedreimSuchen, "Bär"},       {StabreimSuchen, "ü"},
        {StabreimSuchen, "Schl"},      {StabreimSuchen, "hausm"},     {SchuettelreimSuchen, "Reim"},
        {SchuettelreimSuchen, "Rand"}, {SchuettelreimSuchen, "M aus"}};
    std::string text;
    for (const auto& [suche, anfrage] : anfragen) {
        SuchKontext kontext(lexikon, test::VorgabeLautersetzung());
        SuchEinstellungen einstellungen;
        einstellungen.suchtext = Cp1252AusUtf8(anfrage);
        // Every query with and without the sound variants ("+").
        for (const bool akzent : {false, true}) {
            einstellungen.akzentuirung = akzent;
            const SuchErgebnis ergebnis = suche(kontext, einstellungen);
            text.append(akzent ? "+" : "").append(anfrage).append(":");
            for (const std::string& treffer : ergebnis.treffer)
                text.append(" ").append(Utf8AusCp1252(treffer));
            text.append("\n");
        }
    }
    return text;
}

class IndexTest : public ::testing::Test {
protected:
    // The list lies in the test's own folder: a run beside another never shares it.
    IndexTest() : liste_(cache_.pfad() + "/index_liste.txt") {
        std::ofstream(liste_, std::ios::binary) << testliste();
        Lexikon frisch =
            WortlisteLaden(liste_, Kodierung::Utf8, kVokalfeldVorgabe, {}, false).lexikon;
        erwartet_ = ergebnisse(frisch);
    }

    LadeErgebnis laden() {
        return WortlisteLaden(liste_, Kodierung::Utf8, kVokalfeldVorgabe, {}, true);
    }

    std::string indexDatei() const {
        const auto kennung = ListenKennungVon(liste_, Kodierung::Utf8);
        return cache_.IndexOrdner() + "/" + IndexDateiName(*kennung);
    }

    // Loads after the index file was changed: the index is rebuilt with the right results and
    // then loads again.
    void schadenWirdGeheilt(const std::string& inhalt, const std::string& was) {
        { std::ofstream(indexDatei(), std::ios::binary | std::ios::trunc) << inhalt; }
        const LadeErgebnis neu = laden();
        EXPECT_EQ(neu.herkunft, Herkunft::Aufgebaut) << was;
        EXPECT_EQ(ergebnisse(neu.lexikon), erwartet_) << was;
        EXPECT_EQ(laden().herkunft, Herkunft::Index) << was;
    }

    TestCacheOrdner cache_;
    std::string liste_;
    std::string erwartet_;
};

TEST_F(IndexTest, SavedIndexGivesTheResultsOfAFreshBuild) {
    for (const char* teil : {" Seide ", "allem: vor allem\n", "Liese: Liese ", "Reim: Reim "})
        EXPECT_NE(erwartet_.find(teil), std::string::npos) << teil;
    EXPECT_FALSE(fs::exists(cache_.IndexOrdner())); // the build without index wrote nothing

    const LadeErgebnis erst = laden();
    EXPECT_EQ(erst.herkunft, Herkunft::Aufgebaut);
    EXPECT_EQ(ergebnisse(erst.lexikon), erwartet_);
    const LadeErgebnis zweit = laden();
    EXPECT_EQ(zweit.herkunft, Herkunft::Index);
    EXPECT_EQ(ergebnisse(zweit.lexikon), erwartet_);
    EXPECT_EQ(zweit.lexikon.Wortbestand().size(), erst.lexikon.Wortbestand().size());
    // One file, no temporary left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(cache_.IndexOrdner()), {}), 1);
}

TEST_F(IndexTest, AnotherVowelFieldIsBuiltOverTheSavedIndex) {
    laden();
    const LadeErgebnis geladen = WortlisteLaden(liste_, Kodierung::Utf8, "a,e,i,o,u,y", {}, true);
    EXPECT_EQ(geladen.herkunft, Herkunft::Index);
    Lexikon frisch = WortlisteLaden(liste_, Kodierung::Utf8, "a,e,i,o,u,y", {}, false).lexikon;
    EXPECT_EQ(geladen.lexikon.LiedSchluesselAnzahl(), frisch.LiedSchluesselAnzahl());
    EXPECT_EQ(ergebnisse(geladen.lexikon), ergebnisse(frisch));
}

TEST_F(IndexTest, EncodingIsPartOfTheName) {
    laden();
    EXPECT_EQ(WortlisteLaden(liste_, Kodierung::Cp1252, kVokalfeldVorgabe, {}, true).herkunft,
              Herkunft::Aufgebaut);
    EXPECT_EQ(std::distance(fs::directory_iterator(cache_.IndexOrdner()), {}), 2);
}

TEST_F(IndexTest, ChangedListIsNotServedFromTheOldIndex) {
    laden();
    std::ofstream(liste_, std::ios::app) << "Zeide\n";
    const LadeErgebnis neu = laden();
    EXPECT_EQ(neu.herkunft, Herkunft::Aufgebaut);
    EXPECT_NE(ergebnisse(neu.lexikon).find(" Zeide"), std::string::npos);
}

TEST_F(IndexTest, TruncatedEmptyOrForeignFilesAreRebuilt) {
    laden();
    const std::string gut = dateiLesen(indexDatei());
    ASSERT_GT(gut.size(), 1000u);
    for (const std::size_t laenge :
         {std::size_t{0}, std::size_t{7}, sizeof(Kopf) - 1, sizeof(Kopf) + 5, gut.size() / 3,
          gut.size() / 2, gut.size() - 8, gut.size() - 1})
        schadenWirdGeheilt(gut.substr(0, laenge), "gekürzt auf " + std::to_string(laenge));
    schadenWirdGeheilt(gut + "x", "verlängert");
    schadenWirdGeheilt(std::string(gut.size(), 'Q'), "fremd");
}

TEST_F(IndexTest, FlippedByteInHeaderTableOrAnySectionIsRebuilt) {
    laden();
    const std::string gut = dateiLesen(indexDatei());
    Kopf kopf;
    std::memcpy(&kopf, gut.data(), sizeof kopf);
    std::vector<std::size_t> stellen;
    for (std::size_t i = 0; i < sizeof(Kopf); i += 5)
        stellen.push_back(i);
    ASSERT_GE(kopf.abschnittAnzahl, 5u); // WORT, KLEI, VORW, RUCK, LIED
    for (std::uint32_t a = 0; a < kopf.abschnittAnzahl; ++a) {
        AbschnittsEintrag e;
        std::memcpy(&e, gut.data() + sizeof(Kopf) + a * sizeof e, sizeof e);
        stellen.push_back(sizeof(Kopf) + a * sizeof e + 9); // its offset in the table
        for (const std::uint64_t teil : {std::uint64_t{0}, e.laenge / 2, e.laenge - 1})
            stellen.push_back(e.anfang + teil);
    }
    for (const std::size_t stelle : stellen) {
        std::string kaputt = gut;
        kaputt[stelle] = static_cast<char>(kaputt[stelle] ^ 0x10);
        schadenWirdGeheilt(kaputt, "Byte " + std::to_string(stelle));
    }
}

TEST_F(IndexTest, ListAndIndexRecordedUnchangedAreNeitherReadNorHashedAgain) {
    laden();
    // Only files last changed some seconds before a load are recorded by their state.
    std::this_thread::sleep_for(std::chrono::milliseconds(3200));
    EXPECT_EQ(laden().herkunft, Herkunft::Index); // checked in full, then recorded
    const std::uint64_t vorher = test::GelesenBisher();
    const LadeErgebnis vermerkt = laden();
    EXPECT_EQ(vermerkt.herkunft, Herkunft::Index);
    EXPECT_EQ(ergebnisse(vermerkt.lexikon), erwartet_);
    EXPECT_LT(test::GelesenBisher() - vorher, fs::file_size(liste_) / 4); // the list was not read

    // A damaged index is a changed file: checked in full again, refused and rebuilt.
    std::string kaputt = dateiLesen(indexDatei());
    kaputt[kaputt.size() / 2] ^= 0x10;
    schadenWirdGeheilt(kaputt, "nach dem Vermerk");

    // A list changed in place, with its length and modification time as before, is read again.
    const std::string alterIndex = indexDatei();
    std::string liste = dateiLesen(liste_);
    const auto zeit = fs::last_write_time(liste_);
    liste.replace(liste.find("Schlange"), 8, "Schlamm\n");
    { std::ofstream(liste_, std::ios::binary | std::ios::trunc) << liste; }
    fs::last_write_time(liste_, zeit);
    const LadeErgebnis neu = laden();
    EXPECT_EQ(neu.herkunft, Herkunft::Aufgebaut);
    EXPECT_NE(ergebnisse(neu.lexikon).find(" Schlamm"), std::string::npos);
    // The index of the old bytes went with them: one index per list, not one per version.
    EXPECT_TRUE(fs::exists(indexDatei()));
    EXPECT_FALSE(fs::exists(alterIndex));
}

TEST_F(IndexTest, OtherFormatOrProgramVersionIsRebuilt) {
    laden();
    const std::string gut = dateiLesen(indexDatei());
    Kopf kopf;
    std::memcpy(&kopf, gut.data(), sizeof kopf);
    const std::string_view tabelle(gut.data() + sizeof kopf,
                                   kopf.abschnittAnzahl * sizeof(AbschnittsEintrag));
    // Changes with a correct header checksum, so only the version test can refuse them.
    const auto mitKopf = [&](Kopf neu) {
        neu.kopfPruefsumme = KopfPruefsumme(neu, tabelle);
        std::string datei = gut;
        std::memcpy(datei.data(), &neu, sizeof neu);
        return datei;
    };
    Kopf format = kopf;
    ++format.format;
    schadenWirdGeheilt(mitKopf(format), "Formatversion");
    Kopf programm = kopf;
    programm.programmVersion[0] = '0';
    schadenWirdGeheilt(mitKopf(programm), "Programmversion");
    Kopf kollation = kopf;
    ++kollation.kollationsVersion[0];
    schadenWirdGeheilt(mitKopf(kollation), "Kollationsversion");
    Kopf liste = kopf;
    ++liste.listenPruefsumme;
    schadenWirdGeheilt(mitKopf(liste), "andere Liste");
}

TEST_F(IndexTest, DirectoryInPlaceOfTheIndexIsNoError) {
    fs::create_directories(indexDatei());
    for (int lauf = 0; lauf < 2; ++lauf) {
        const LadeErgebnis geladen = laden();
        EXPECT_EQ(geladen.herkunft, Herkunft::Aufgebaut);
        EXPECT_EQ(ergebnisse(geladen.lexikon), erwartet_);
    }
    EXPECT_TRUE(fs::is_directory(indexDatei()));
}

TEST_F(IndexTest, FolderThatCannotBeWrittenIsNoError) {
    // A file where the folder should be: no folder can be made, even by root.
    { std::ofstream(cache_.IndexOrdner()) << "kein Ordner"; }
    for (int lauf = 0; lauf < 2; ++lauf) {
        const LadeErgebnis geladen = laden();
        EXPECT_EQ(geladen.herkunft, Herkunft::Aufgebaut);
        EXPECT_EQ(ergebnisse(geladen.lexikon), erwartet_);
    }
    EXPECT_EQ(dateiLesen(cache_.IndexOrdner()), "kein Ordner");
}

TEST(Index, BuiltInStockTakenOverFromItsImageSearchesAlike) {
    Lexikon gebaut;
    EreignisHaken haken;
    gebaut.LexikonAufbauen(daten::Wortbestand(), kVokalfeldVorgabe, haken);
    const std::string_view abbild = gebaut.Abbild();
    std::vector<std::uint64_t> kopie(abbild.size() / 8);
    std::memcpy(kopie.data(), abbild.data(), abbild.size());
    Lexikon geladen;
    ASSERT_TRUE(geladen.AbbildUebernehmen(std::make_unique<EigenerSpeicher>(std::move(kopie)), {},
                                          kVokalfeldVorgabe, haken));
    EXPECT_EQ(ergebnisse(geladen), ergebnisse(gebaut));
    EXPECT_EQ(geladen.Wortbestand().size(), 6354u);
    // An image refused leaves the lexicon as it was.
    EXPECT_FALSE(geladen.AbbildUebernehmen(
        std::make_unique<EigenerSpeicher>(std::vector<std::uint64_t>(20)), {}, "", haken));
    EXPECT_EQ(geladen.Wortbestand().size(), 6354u);
}

TEST(Index, BuiltInStockComesFromTheImageCompiledInAndSearchesAsBuilt) {
    Lexikon gebaut;
    EreignisHaken haken;
    gebaut.LexikonAufbauen(daten::Wortbestand(), kVokalfeldVorgabe, haken);
    const Lexikon eingebaut = daten::EingebautesLexikon(kVokalfeldVorgabe, haken);
    EXPECT_EQ(eingebaut.Abbild().data(), reinterpret_cast<const char*>(daten::kWortbestandsAbbild));
    EXPECT_EQ(eingebaut.Abbild(), gebaut.Abbild()); // made from today's stock
    EXPECT_EQ(ergebnisse(eingebaut), ergebnisse(gebaut));
    // Another vowel field: its song-rhyme index is built over the image.
    Lexikon gebautY;
    gebautY.LexikonAufbauen(daten::Wortbestand(), "a,e,i,o,u,y", haken);
    const Lexikon eingebautY = daten::EingebautesLexikon("a,e,i,o,u,y", haken);
    EXPECT_EQ(eingebautY.LiedSchluesselAnzahl(), gebautY.LiedSchluesselAnzahl());
    EXPECT_EQ(ergebnisse(eingebautY), ergebnisse(gebautY));
}

} // namespace
} // namespace quandel
