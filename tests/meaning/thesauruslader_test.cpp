// The thesaurus's index in the cache folder: made at the first use, taken at the next, rebuilt
// when damaged or foreign, replaced when the thesaurus changes, never touched without mitIndex.
#include "meaning/thesauruslader.h"
#include "tests/meaning/thesaurus.h"
#include "tests/testcache.h"
#include "tests/testlexikon.h"
#include "text/fehler.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace quandel {
namespace {

namespace fs = std::filesystem;
using test::cp;
using test::TestCacheOrdner;
using test::utf8;

std::string dateiLesen(const fs::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

void dateiSchreiben(const fs::path& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary | std::ios::trunc) << inhalt;
}

std::vector<fs::path> dateienIn(const std::string& ordner) {
    std::vector<fs::path> dateien;
    if (fs::exists(ordner))
        for (const auto& eintrag : fs::directory_iterator(ordner))
            dateien.push_back(eintrag.path());
    return dateien;
}

class ThesaurusLadenTest : public ::testing::Test {
protected:
    TestCacheOrdner cache;
    const std::string pfad = cache.pfad() + "/thesaurus.txt";
    const std::string index =
        cache.IndexOrdner() + "/" + ThesaurusIndexName(ThesaurusKennung(test::kThesaurusText));

    void SetUp() override { dateiSchreiben(pfad, test::kThesaurusText); }

    std::vector<std::string> kummer(bool mitIndex = true) {
        return utf8(ThesaurusLaden(pfad, mitIndex).Synonyme(cp("Kummer")));
    }
};

const std::vector<std::string> kKummer{"Trauer", "Gram", "Sorge", "Leid (geh.)", "Verzweiflung"};

TEST_F(ThesaurusLadenTest, FirstUseSavesTheIndex) {
    EXPECT_EQ(kummer(), kKummer);
    ASSERT_TRUE(fs::exists(index));
    EXPECT_EQ(dateiLesen(index), ThesaurusAusText(test::kThesaurusText, pfad).Abbild());
    EXPECT_EQ(kummer(), kKummer);
}

TEST_F(ThesaurusLadenTest, DamagedOrForeignIndexIsRebuilt) {
    ThesaurusLaden(pfad, true);
    const std::string gut = dateiLesen(index);
    std::string schlecht = gut;
    schlecht[schlecht.size() / 2] ^= 0x20;
    dateiSchreiben(index, schlecht);
    EXPECT_EQ(kummer(), kKummer);
    EXPECT_EQ(dateiLesen(index), gut);
    dateiSchreiben(index, "kein Index");
    EXPECT_EQ(kummer(), kKummer);
    EXPECT_EQ(dateiLesen(index), gut);
}

TEST_F(ThesaurusLadenTest, RecordedUnchangedIsNotReadAndAChangeReplacesTheIndex) {
    std::string gross = test::kThesaurusText;
    for (int i = 0; i < 2000; ++i)
        gross += "Wort" + std::to_string(i) + ";Vokabel" + std::to_string(i) + "\n";
    dateiSchreiben(pfad, gross);
    ThesaurusLaden(pfad, true);
    // Only files last changed some seconds before a load are recorded by their state.
    std::this_thread::sleep_for(std::chrono::milliseconds(3200));
    ThesaurusLaden(pfad, true); // the index checked in full, then recorded
    const std::uint64_t vorher = test::GelesenBisher();
    EXPECT_EQ(kummer(), kKummer);
    EXPECT_LT(test::GelesenBisher() - vorher, gross.size() / 4);

    const std::string alterIndex =
        cache.IndexOrdner() + "/" + ThesaurusIndexName(ThesaurusKennung(gross));
    ASSERT_TRUE(fs::exists(alterIndex));
    std::ofstream(pfad, std::ios::binary | std::ios::app) << "Kummer;Harm\n";
    EXPECT_EQ(kummer(), (std::vector<std::string>{"Trauer", "Gram", "Sorge", "Leid (geh.)",
                                                  "Verzweiflung", "Harm"}));
    EXPECT_FALSE(fs::exists(alterIndex));
    const std::vector<fs::path> dateien = dateienIn(cache.IndexOrdner());
    EXPECT_EQ(std::count_if(dateien.begin(), dateien.end(),
                            [](const fs::path& p) { return p.extension() == ".qtidx"; }),
              1);
}

TEST_F(ThesaurusLadenTest, ReplacedByAnotherFileTheOldIndexGoesAtOnce) {
    EXPECT_EQ(kummer(), kKummer);
    ASSERT_TRUE(fs::exists(index));
    // Another file put in its place at once, as sed -i does: too soon for any record of its
    // state, and on another inode.
    const std::string neu = cache.pfad() + "/neu.txt";
    dateiSchreiben(neu, test::kThesaurusText + "Kummer;Harm\n");
    fs::rename(neu, pfad);
    EXPECT_EQ(kummer(), (std::vector<std::string>{"Trauer", "Gram", "Sorge", "Leid (geh.)",
                                                  "Verzweiflung", "Harm"}));
    EXPECT_FALSE(fs::exists(index));
    EXPECT_EQ(test::IndexeUndReste(cache.IndexOrdner()), 1u);
}

TEST_F(ThesaurusLadenTest, IndexCutShortWhileMappedIsAnErrorNotACrash) {
    ThesaurusLaden(pfad, true);
    const Thesaurus gemappt = ThesaurusLaden(pfad, true); // from the index
    EXPECT_NO_THROW(gemappt.AbbildPruefen());
    EXPECT_EQ(utf8(gemappt.Synonyme(cp("Kummer"))), kKummer);

    // Cut short by another program: every later read of the mapping faults and reads zeros.
    ASSERT_EQ(::truncate(index.c_str(), 0), 0);
    EXPECT_TRUE(gemappt.Synonyme(cp("Kummer")).empty());
    try {
        gemappt.AbbildPruefen();
        ADD_FAILURE() << "keine Meldung";
    } catch (const IndexVeraendert& fehler) {
        EXPECT_EQ(std::string(fehler.what()),
                  "Die Indexdatei " + index + " wurde während des Gebrauchs verändert.");
    }
    // The next load builds it again.
    EXPECT_EQ(kummer(), kKummer);
    EXPECT_EQ(dateiLesen(index), ThesaurusAusText(test::kThesaurusText, pfad).Abbild());
}

TEST_F(ThesaurusLadenTest, WithoutIndexTheFolderIsLeftAlone) {
    EXPECT_EQ(kummer(false), kKummer);
    EXPECT_FALSE(fs::exists(cache.IndexOrdner()));
}

TEST_F(ThesaurusLadenTest, MissingOrUnreadableThesaurus) {
    try {
        ThesaurusLaden(cache.pfad() + "/fehlt.txt", true);
        FAIL() << "no error";
    } catch (const Fehler& fehler) {
        EXPECT_EQ(std::string(fehler.what()),
                  "Der Thesaurus " + cache.pfad() +
                      "/fehlt.txt fehlt; OpenThesaurus kommt mit dem Paket "
                      "openthesaurus-de-text (apt-get install openthesaurus-de-text).");
    }
    EXPECT_THROW(ThesaurusLaden(cache.pfad(), true), Fehler); // a folder
    EXPECT_FALSE(fs::exists(cache.IndexOrdner()));
}

} // namespace
} // namespace quandel
