#include "text/fehler.h"
#include "text/kodierung.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

TEST(Kodierung, GermanTextBothWays) {
    EXPECT_EQ(Cp1252AusUtf8("Bär Öl Übel daß €"), "B\xE4r \xD6l \xDC"
                                                  "bel da\xDF \x80");
    EXPECT_EQ(Utf8AusCp1252("B\xE4r \xD6l \xDC"
                            "bel da\xDF \x80"),
              "Bär Öl Übel daß €");
}

TEST(Kodierung, EveryAssignedByteSurvivesTheRoundTrip) {
    int unbelegt = 0;
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        if (UnicodeVon(byte[0]) == 0xFFFF) {
            ++unbelegt;
            EXPECT_THROW(Utf8AusCp1252(byte), Fehler);
            continue;
        }
        EXPECT_EQ(Cp1252AusUtf8(Utf8AusCp1252(byte)), byte) << "byte " << b;
    }
    EXPECT_EQ(unbelegt, 5); // 0x81, 0x8D, 0x8F, 0x90, 0x9D
}

TEST(Kodierung, CharacterOutsideTheCodePageIsAnErrorNamingIt) {
    try {
        Cp1252AusUtf8("Łódź");
        FAIL() << "no error";
    } catch (const Fehler& fehler) {
        EXPECT_NE(std::string(fehler.what()).find("U+0141"), std::string::npos) << fehler.what();
    }
    EXPECT_THROW(Cp1252AusUtf8("\xF0\x9F\x98\x80"), Fehler); // outside the BMP
    EXPECT_THROW(Cp1252AusUtf8("\xC2"), Fehler);             // truncated sequence
    EXPECT_THROW(Cp1252AusUtf8("B\xE4r"), Fehler);           // Latin-1, not UTF-8
}

} // namespace
} // namespace quandel
