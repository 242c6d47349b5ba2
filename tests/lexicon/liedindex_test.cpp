#include "lexicon/liedindex.h"

#include <gtest/gtest.h>
#include <vector>

namespace quandel {
namespace {

std::vector<std::int32_t> liste(std::span<const std::int32_t> worte) {
    return {worte.begin(), worte.end()};
}

class LiedIndexTest : public ::testing::Test {
protected:
    LiedIndexTest() {
        for (const char* wort : {"haus", "liese", "maus", "pst", "wiese", "baum"})
            klein_.Anhaengen(wort);
        index_ = LiedIndex::Bauen(klein_.Feld(), "a,e,i,o,u", {});
    }
    TextSammlung klein_;
    std::unique_ptr<LiedIndex> index_;
};

TEST_F(LiedIndexTest, FilesEveryWordUnderItsVowelSequenceIgnoringCase) {
    EXPECT_EQ(liste(index_->Worte("au")), (std::vector<std::int32_t>{0, 2, 5}));
    EXPECT_EQ(liste(index_->Worte("AU")), (std::vector<std::int32_t>{0, 2, 5}));
    EXPECT_EQ(liste(index_->Worte("iee")), (std::vector<std::int32_t>{1, 4}));
    EXPECT_EQ(liste(index_->Worte("")), (std::vector<std::int32_t>{3}));
    EXPECT_TRUE(index_->Worte("o").empty());
    EXPECT_EQ(index_->SchluesselAnzahl(), 3u);
    EXPECT_EQ(index_->Vokalfeld(), "a,e,i,o,u");
}

TEST_F(LiedIndexTest, ReadsBackWhatItWroteAndRefusesWordNumbersOutsideTheStock) {
    AbschnittsEntwurf entwurf("LIED", 1);
    index_->Entwerfen(entwurf);
    std::vector<std::uint64_t> speicher(entwurf.Laenge() / 8);
    entwurf.Schreiben(reinterpret_cast<char*>(speicher.data()));
    const std::string_view bytes(reinterpret_cast<const char*>(speicher.data()),
                                 speicher.size() * 8);

    LiedIndex gelesen;
    AbschnittsLeser leser(bytes);
    gelesen.Lesen(leser, klein_.Feld().size());
    EXPECT_EQ(liste(gelesen.Worte("au")), (std::vector<std::int32_t>{0, 2, 5}));
    EXPECT_EQ(liste(gelesen.Worte("iee")), (std::vector<std::int32_t>{1, 4}));
    EXPECT_EQ(gelesen.SchluesselAnzahl(), 3u);
    EXPECT_EQ(gelesen.Vokalfeld(), "a,e,i,o,u");

    LiedIndex zuKlein;
    AbschnittsLeser zweiterLeser(bytes);
    EXPECT_THROW(zuKlein.Lesen(zweiterLeser, 5), AbbildFehler);
}

} // namespace
} // namespace quandel
