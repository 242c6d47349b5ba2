// The saved lexicon index: round trips, damaged files, folders that cannot be written.
#include "lexicon/indexcache.h"
#include "lexicon/indexstempel.h"
#include "lexicon/lexikon_eingebaut.h"
#include "lexicon/wortbestand_eingebaut.h"
#include "search/suchen.h"
#include "tests/testcache.h"
#include "tests/testlexikon.h"
#include "text/kodierung.h"

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
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

// The files of the folder that end so.
std::vector<std::string> dateienMit(const std::string& ordner, std::string_view endung) {
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(ordner))
        if (eintrag.path().filename().string().ends_with(endung))
            namen.push_back(eintrag.path().filename().string());
    return namen;
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
    // One index and the record of the list's path (and, in a slow run, the record of the
    // list's state); no temporary left behind.
    EXPECT_EQ(dateienMit(cache_.IndexOrdner(), ".qtidx").size(), 1u);
    EXPECT_EQ(dateienMit(cache_.IndexOrdner(), ".vermerk").size(), 1u);
    for (const auto& eintrag : fs::directory_iterator(cache_.IndexOrdner()))
        EXPECT_NE(eintrag.path().filename().string().front(), '.') << eintrag.path();
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
    EXPECT_EQ(dateienMit(cache_.IndexOrdner(), ".qtidx").size(), 2u);
    // Each encoding's index stays: loaded in turn, neither is built again.
    EXPECT_EQ(laden().herkunft, Herkunft::Index);
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

TEST_F(IndexTest, QuickEditsInPlaceLeaveOneIndex) {
    laden();
    // Within a second, too soon for the list's state to be recorded.
    for (const char* wort : {"Zeide", "Zweide", "Zwiede", "Zwinge", "Zange", "Zunge"}) {
        std::ofstream(liste_, std::ios::app) << wort << "\n";
        const LadeErgebnis neu = laden();
        EXPECT_EQ(neu.herkunft, Herkunft::Aufgebaut);
        EXPECT_NE(ergebnisse(neu.lexikon).find(std::string(" ") + wort), std::string::npos);
    }
    EXPECT_EQ(dateienMit(cache_.IndexOrdner(), ".qtidx"),
              std::vector<std::string>{fs::path(indexDatei()).filename().string()});
}

TEST_F(IndexTest, ListReplacedByAnotherFileLeavesOneIndexAndNoOldRecord) {
    laden();
    std::this_thread::sleep_for(std::chrono::milliseconds(3200));
    laden(); // now old enough: its state is recorded
    ASSERT_EQ(dateienMit(cache_.IndexOrdner(), ".stempel").size(), 1u);

    // As sed -i does it: a new file renamed over the list.
    const std::string neu = liste_ + ".neu";
    std::ofstream(neu, std::ios::binary) << dateiLesen(liste_) << "Zeide\n";
    ASSERT_EQ(std::rename(neu.c_str(), liste_.c_str()), 0);
    const LadeErgebnis geladen = laden();
    EXPECT_EQ(geladen.herkunft, Herkunft::Aufgebaut);
    EXPECT_NE(ergebnisse(geladen.lexikon).find(" Zeide"), std::string::npos);
    EXPECT_EQ(dateienMit(cache_.IndexOrdner(), ".qtidx"),
              std::vector<std::string>{fs::path(indexDatei()).filename().string()});
    // The record of the file that is gone went with it.
    EXPECT_TRUE(dateienMit(cache_.IndexOrdner(), ".stempel").empty());
    EXPECT_EQ(laden().herkunft, Herkunft::Index);
}

TEST_F(IndexTest, IndexCutShortWhileMappedIsAnErrorNotASignal) {
    laden();
    const LadeErgebnis geladen = laden();
    ASSERT_EQ(geladen.herkunft, Herkunft::Index);
    EXPECT_NO_THROW(geladen.lexikon.AbbildPruefen());
    EXPECT_EQ(ergebnisse(geladen.lexikon), erwartet_);

    // Cut to its first page by another program: every later read past it faults.
    ASSERT_EQ(::truncate(geladen.indexPfad.c_str(), 4096), 0);
    ergebnisse(geladen.lexikon); // reads on, on zeros, to its end
    // The whole mapping reads as zeros now, its first page too.
    EXPECT_EQ(geladen.lexikon.Abbild().substr(0, 8), std::string(8, '\0'));
    try {
        geladen.lexikon.AbbildPruefen();
        ADD_FAILURE() << "keine Meldung";
    } catch (const IndexVeraendert& fehler) {
        EXPECT_EQ(std::string(fehler.what()), "Die Indexdatei " + geladen.indexPfad +
                                                  " wurde während des Gebrauchs verändert.");
    }
    // The next load builds it again.
    const LadeErgebnis neu = laden();
    EXPECT_EQ(neu.herkunft, Herkunft::Aufgebaut);
    EXPECT_EQ(ergebnisse(neu.lexikon), erwartet_);
}

TEST_F(IndexTest, IndexWrittenToWhileMappedIsAnErrorButReplacedIsNot) {
    laden();
    const LadeErgebnis geladen = laden();
    ASSERT_EQ(geladen.herkunft, Herkunft::Index);
    // Another file put in its place (as any save of the folder does) leaves the mapped one as
    // it is.
    IndexSpeichern(geladen.indexPfad, dateiLesen(geladen.indexPfad));
    EXPECT_NO_THROW(geladen.lexikon.AbbildPruefen());
    EXPECT_EQ(ergebnisse(geladen.lexikon), erwartet_);

    // Written to in place, at its full length.
    const LadeErgebnis zweit = laden();
    ASSERT_EQ(zweit.herkunft, Herkunft::Index);
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // a later modification time
    {
        std::fstream datei(zweit.indexPfad, std::ios::in | std::ios::out | std::ios::binary);
        datei.seekp(100);
        datei.write("xxxx", 4);
    }
    EXPECT_THROW(zweit.lexikon.AbbildPruefen(), IndexVeraendert);
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

TEST_F(IndexTest, WhatTheUserMadeOfTheIndexFileStays) {
    const auto rechte = [](const std::string& pfad) {
        return fs::status(pfad).permissions() & fs::perms::mask;
    };
    fs::create_directories(cache_.IndexOrdner());
    // A damaged file made read-only: rebuilt on every load, never replaced.
    { std::ofstream(indexDatei()) << "schreibgeschuetzt"; }
    fs::permissions(indexDatei(), fs::perms::owner_read | fs::perms::group_read);
    for (int lauf = 0; lauf < 2; ++lauf)
        EXPECT_EQ(laden().herkunft, Herkunft::Aufgebaut);
    EXPECT_EQ(dateiLesen(indexDatei()), "schreibgeschuetzt");
    EXPECT_EQ(rechte(indexDatei()), fs::perms::owner_read | fs::perms::group_read);

    // A damaged file with narrower rights: replaced, and the rights stay.
    fs::permissions(indexDatei(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(laden().herkunft, Herkunft::Aufgebaut);
    EXPECT_EQ(laden().herkunft, Herkunft::Index);
    EXPECT_EQ(rechte(indexDatei()), fs::perms::owner_read | fs::perms::owner_write);

    // A link in its place stays a link, and the file it leads to keeps its content.
    fs::remove(indexDatei());
    const std::string ziel = cache_.pfad() + "/fremd.txt";
    { std::ofstream(ziel) << "fremd"; }
    fs::create_symlink(ziel, indexDatei());
    EXPECT_EQ(laden().herkunft, Herkunft::Aufgebaut);
    EXPECT_EQ(ergebnisse(laden().lexikon), erwartet_);
    EXPECT_TRUE(fs::is_symlink(indexDatei()));
    EXPECT_EQ(dateiLesen(ziel), "fremd");
}

// Loads while a FIFO stands at a path of the folder: it must count as no file, not block the
// load. If the load blocks all the same, a writer opening the FIFO lets it go on, and the test
// fails.
LadeErgebnis ladenNebenFifo(const std::string& fifo, const std::function<LadeErgebnis()>& laden) {
    auto laeuft = std::async(std::launch::async, laden);
    if (laeuft.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "Laden wartet an " << fifo;
        ::close(::open(fifo.c_str(), O_WRONLY));
    }
    return laeuft.get();
}

TEST_F(IndexTest, FifoAtTheIndexPathIsNoIndex) {
    fs::create_directories(cache_.IndexOrdner());
    ASSERT_EQ(::mkfifo(indexDatei().c_str(), 0600), 0);
    const LadeErgebnis geladen = ladenNebenFifo(indexDatei(), [this] { return laden(); });
    EXPECT_EQ(geladen.herkunft, Herkunft::Aufgebaut);
    EXPECT_EQ(ergebnisse(geladen.lexikon), erwartet_);
    // The index written took the FIFO's place.
    EXPECT_TRUE(fs::is_regular_file(indexDatei()));
    EXPECT_EQ(laden().herkunft, Herkunft::Index);
}

TEST_F(IndexTest, FifoAtTheRecordPathIsNoRecord) {
    fs::create_directories(cache_.IndexOrdner());
    struct stat info {};
    ASSERT_EQ(::stat(liste_.c_str(), &info), 0);
    const DateiZustand liste{static_cast<std::uint64_t>(info.st_dev),
                             static_cast<std::uint64_t>(info.st_ino)};
    const std::string stempel =
        cache_.IndexOrdner() + "/" +
        StempelDateiName(liste, static_cast<std::uint32_t>(Kodierung::Utf8));
    ASSERT_EQ(::mkfifo(stempel.c_str(), 0600), 0);
    for (const Herkunft herkunft : {Herkunft::Aufgebaut, Herkunft::Index}) {
        const LadeErgebnis geladen = ladenNebenFifo(stempel, [this] { return laden(); });
        EXPECT_EQ(geladen.herkunft, herkunft);
        EXPECT_EQ(ergebnisse(geladen.lexikon), erwartet_);
    }
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
