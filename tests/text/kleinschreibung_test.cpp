#include "text/kleinschreibung.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

TEST(Kleinschreibung, EveryByteOfTheCodePage) {
    for (int b = 0; b < 256; ++b) {
        int erwartet = b;
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            erwartet = b + 32;
        else if (b == 0x8A || b == 0x8C || b == 0x8E)
            erwartet = b + 16;
        else if (b == 0x9F)
            erwartet = 0xFF;
        EXPECT_EQ(static_cast<unsigned char>(Klein(static_cast<char>(b))), erwartet)
            << "byte " << b;
    }
}

TEST(Kleinschreibung, WholeTexts) {
    EXPECT_EQ(Klein("\xC4RGER \xD6L \xDC"
                    "BEL \xD7"),
              "\xE4rger \xF6l \xFC"
              "bel \xD7");
    EXPECT_EQ(Klein("SCHLANGE"), "schlange");
    EXPECT_EQ(Klein(""), "");
    std::string text = "UND";
    KleinInPlace(text);
    EXPECT_EQ(text, "und");
}

} // namespace
} // namespace quandel
