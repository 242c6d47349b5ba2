// The thesaurus: sets as they stand, words found without their marks and by case, the sense
// circle of a word, and its image taken over only when whole.
#include "meaning/thesaurus.h"
#include "tests/meaning/thesaurus.h"
#include "tests/testlexikon.h"
#include "text/fehler.h"

#include <cstring>
#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;
using test::utf8;

using Gruppen = std::vector<std::vector<std::string>>;

const Thesaurus& thesaurus() {
    static const Thesaurus t = ThesaurusAusText(test::kThesaurusText, "test.txt");
    return t;
}

std::vector<std::string> synonyme(const std::string& wort) {
    return utf8(thesaurus().Synonyme(cp(wort)));
}

Gruppen gruppen(const std::string& wort) {
    Gruppen ergebnis;
    for (const auto& gruppe : thesaurus().Gruppen(cp(wort)))
        ergebnis.push_back(utf8(gruppe));
    return ergebnis;
}

TEST(Thesaurus, SetsInTheirOrderWithoutTheWord) {
    EXPECT_EQ(gruppen("Kummer"),
              (Gruppen{{"Trauer", "Gram"}, {"Sorge", "Leid (geh.)", "Verzweiflung", "Leid"}}));
    // Each word once, with the marks it has where it first comes.
    EXPECT_EQ(synonyme("Kummer"),
              (std::vector<std::string>{"Trauer", "Gram", "Sorge", "Leid (geh.)", "Verzweiflung"}));
    EXPECT_EQ(synonyme("Gram"), (std::vector<std::string>{"Trauer", "Kummer"}));
    EXPECT_EQ(thesaurus().GruppenAnzahl(), 10u);
    EXPECT_EQ(thesaurus().EintragAnzahl(), 27u);
}

TEST(Thesaurus, WordsFoundWithoutTheirMarks) {
    EXPECT_EQ(synonyme("abdüsen"), (std::vector<std::string>{"abfliegen", "wegfliegen"}));
    EXPECT_EQ(synonyme("Gag"), (std::vector<std::string>{"Scherz", "Witz"}));
    EXPECT_EQ(synonyme("schwer ums Herz"), (std::vector<std::string>{"bedrückt sein"}));
    EXPECT_EQ(synonyme("Leid"), (std::vector<std::string>{"Sorge", "Kummer", "Verzweiflung"}));
    // Typed with its marks or blanks it is the same word.
    EXPECT_EQ(synonyme("abdüsen (ugs.)"), synonyme("abdüsen"));
    EXPECT_EQ(synonyme(" schwer  ums Herz"), synonyme("schwer ums Herz"));
    EXPECT_EQ(thesaurus().SinnkreisVon(cp("(der) Witz")), thesaurus().SinnkreisVon(cp("Witz")));
    EXPECT_TRUE(synonyme("Herz").empty());
    EXPECT_TRUE(synonyme("").empty());
}

TEST(Thesaurus, ExactCaseFirstThenAnyCase) {
    EXPECT_EQ(synonyme("Weg"), (std::vector<std::string>{"Pfad"}));
    EXPECT_EQ(synonyme("weg"), (std::vector<std::string>{"fort (ugs.)", "futsch"}));
    // No entry is written "kummer" or "WEG": every case form counts.
    EXPECT_EQ(synonyme("kummer"), synonyme("Kummer"));
    EXPECT_EQ(synonyme("WEG"), (std::vector<std::string>{"Pfad", "fort (ugs.)", "futsch"}));
    EXPECT_EQ(synonyme("trauer"), (std::vector<std::string>{"Gram", "Kummer"}));
}

TEST(Thesaurus, SetsOfOneAndEntriesOutsideTheCodePageAreLeftOut) {
    EXPECT_TRUE(synonyme("Einzel").empty());
    EXPECT_TRUE(synonyme("Pi").empty());
    EXPECT_TRUE(thesaurus().GruppenVon(cp("Pi")).empty());
}

TEST(Thesaurus, SenseCircleHoldsSynonymsOfSynonyms) {
    const std::vector<std::uint32_t> kreis = thesaurus().SinnkreisVon(cp("Witz"));
    for (const char* wort : {"Witz", "Scherz", "Gag", "Humor", "Komik"})
        EXPECT_TRUE(thesaurus().ImSinnkreis(kreis, cp(wort))) << wort;
    for (const char* wort : {"Schmerz", "Pein", "Kummer", "Xyzzy"})
        EXPECT_FALSE(thesaurus().ImSinnkreis(kreis, cp(wort))) << wort;
    // Komik's circle reaches Witz through Humor, not Scherz.
    const std::vector<std::uint32_t> komik = thesaurus().SinnkreisVon(cp("Komik"));
    EXPECT_TRUE(thesaurus().ImSinnkreis(komik, cp("Witz")));
    EXPECT_FALSE(thesaurus().ImSinnkreis(komik, cp("Scherz")));
    EXPECT_TRUE(thesaurus().SinnkreisVon(cp("Xyzzy")).empty());
}

TEST(Thesaurus, LineThatIsNotUtf8) {
    try {
        ThesaurusAusText("# x\nTrauer;Gram\nB\xE4r;Petz\n", "/tmp/t.txt");
        FAIL() << "no error";
    } catch (const Fehler& fehler) {
        EXPECT_STREQ(fehler.what(), "/tmp/t.txt, Zeile 3: Ungültige UTF-8-Bytefolge an Byte 2.");
    }
    EXPECT_EQ(ThesaurusAusText("", "leer").GruppenAnzahl(), 0u);
    EXPECT_TRUE(ThesaurusAusText("", "leer").Synonyme("Gram").empty());
}

TEST(Thesaurus, ImageTakenOverOnlyWhenWholeAndOfThatText) {
    const std::string bild(thesaurus().Abbild());
    const ListenKennung kennung = ThesaurusKennung(test::kThesaurusText);
    const auto nehmen = [&](std::string bytes, const ListenKennung& k, Pruefumfang umfang) {
        std::vector<std::uint64_t> worte((bytes.size() + 7) / 8);
        std::memcpy(worte.data(), bytes.data(), bytes.size());
        auto speicher = std::make_shared<EigenerSpeicher>(worte);
        return Thesaurus::AusAbbild(speicher, k, umfang);
    };
    const std::optional<Thesaurus> wieder = nehmen(bild, kennung, Pruefumfang::Alles);
    ASSERT_TRUE(wieder);
    EXPECT_EQ(utf8(wieder->Synonyme(cp("Kummer"))), synonyme("Kummer"));
    // Another text's identity, any damaged byte of the sets, a cut image.
    EXPECT_FALSE(nehmen(bild, ThesaurusKennung("anders"), Pruefumfang::Alles));
    std::string beschaedigt = bild;
    beschaedigt[bild.size() - 20] ^= 0x40;
    EXPECT_FALSE(nehmen(beschaedigt, kennung, Pruefumfang::Alles));
    EXPECT_FALSE(nehmen(bild.substr(0, bild.size() - 8), kennung, Pruefumfang::Alles));
    EXPECT_FALSE(nehmen(bild.substr(0, 40), kennung, Pruefumfang::Alles));
}

TEST(Thesaurus, KernwortWithoutMarks) {
    EXPECT_EQ(Kernwort("abdüsen (ugs.)"), "abdüsen");
    EXPECT_EQ(Kernwort("(jemandem ist)  schwer ums Herz"), "schwer ums Herz");
    EXPECT_EQ(Kernwort("(sich) (etwas (Großes)) vornehmen (ugs.)"), "vornehmen");
    EXPECT_EQ(Kernwort("(ugs.)"), "");
}

} // namespace
} // namespace quandel
