#include "text/fehler.h"
#include "text/kodierung.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

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

TEST(Kodierung, CodePageAgreesWithIcusWindows1252) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* wandler = ucnv_open("windows-1252", &status);
    ASSERT_TRUE(U_SUCCESS(status));
    ucnv_setToUCallBack(wandler, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    for (int b = 0; b < 256; ++b) {
        const char quelle = static_cast<char>(b);
        UChar ziel[4];
        status = U_ZERO_ERROR;
        const int32_t n = ucnv_toUChars(wandler, ziel, 4, &quelle, 1, &status);
        // ICU gives the empty bytes as C1 controls; Windows-1252 leaves them unassigned.
        const bool leer = U_FAILURE(status) || n != 1 || (b >= 0x80 && b < 0xA0 && ziel[0] < 0xA0);
        EXPECT_EQ(UnicodeVon(quelle), leer ? 0xFFFF : ziel[0]) << "byte " << b;
    }
    ucnv_close(wandler);
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
