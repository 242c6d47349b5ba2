#include "lexicon/vokalfolge.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

TEST(Vokale, EachOneLetterEntryCountsOnce) {
    const Vokale vokale(VokallisteAus("a,e,i,o,u,\xE4,\xF6,\xFC,ie"));
    EXPECT_EQ(vokale.Vokalfolge("liese"), "iee");
    EXPECT_EQ(vokale.Vokalfolge("pst"), "");
    EXPECT_EQ(Vokale(VokallisteAus("e,i,e")).Vokalfolge("liese"), "ieeee");
}

TEST(Vokale, AnyNumberOfRepeatsCounts) {
    std::string feld = "i";
    for (int i = 0; i < 256; ++i)
        feld += ",e";
    const Vokale vokale(VokallisteAus(feld));
    EXPECT_EQ(vokale.Vokalfolge("lied"), "i" + std::string(256, 'e'));
}

} // namespace
} // namespace quandel
