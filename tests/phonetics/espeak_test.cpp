// The text handed to espeak-ng, and what the installed library makes of it.
#include "phonetics/espeak.h"
#include "text/kodierung.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

TEST(EspeakText, LettersAndTheSignsOfWordsStayEverythingElseBecomesABlank) {
    EXPECT_EQ(EspeakText("Haus"), "Haus");
    EXPECT_EQ(EspeakText("B\xE4r Stra\xDF"
                         "e \xC9"
                         "cole \x8A"
                         "koda \x9C"
                         "uvre"),
              "Bär Straße École Škoda œuvre");
    EXPECT_EQ(EspeakText("z.B. Rock'n'Roll, und/oder: 90er-Jahre! Ja? ach;"),
              "z.B. Rock'n'Roll, und/oder: 90er-Jahre! Ja? ach;");
    EXPECT_EQ(EspeakText("M\x0B\x01"
                         "B\x93v"),
              "M  B v");
    EXPECT_EQ(EspeakText("Kaf\xAD"
                         "fee \x84"
                         "da\x93 \x92s \x96 2\xD7"
                         "3 (a) <b> & \x80\xA7x"),
              "Kaffee  da  's - 2 3  a   b      x");

    // No run without a blank is longer than 80 characters.
    EXPECT_EQ(EspeakText("x." + std::string(170, 'a')), "x." + std::string(78, 'a') + " " +
                                                            std::string(80, 'a') + " " +
                                                            std::string(12, 'a'));

    // Whatever the byte, nothing below the blank and nothing but Windows-1252 text goes out.
    for (int b = 0; b < 256; ++b) {
        const std::string text = EspeakText(std::string("a") + static_cast<char>(b) + "b");
        for (const char c : text)
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) << b;
        EXPECT_NO_THROW(Cp1252AusUtf8(text)) << b;
    }
}

TEST(EspeakAussprecher, ControlBytesOfAListLineNeverReachTheLibrary) {
    EspeakAussprecher espeak;
    EXPECT_EQ(espeak.Phoneme("Haus"), "h 'aU s ");
    EXPECT_EQ(espeak.Phoneme("Maus"), "m 'aU s ");
    // A line of a word list (UTF-8) with a vertical tab, a Ctrl+A (espeak-ng's mark of an
    // embedded command, which swallowed the B and made the library read past the text) and a
    // quotation mark.
    const std::string zeile = Cp1252AusUtf8("M\xC5\xA0\xC3\x85\xC3\x97\xC5\xBE\x0B\x01"
                                            "B\xE2\x80\x9Cv");
    const std::string phoneme = espeak.Phoneme(zeile);
    EXPECT_EQ(phoneme, espeak.Phoneme("M\x8A\xC5 \x9E  B v"));
    EXPECT_NE(phoneme.find(" b 'e: "), std::string::npos) << phoneme;
    EXPECT_EQ(espeak.Phoneme(zeile), phoneme);
}

TEST(EspeakAussprecher, ALetterAndAFullStopBeforeALongWord) {
    // espeak-ng overran a buffer on its stack with this word, which ended the process.
    EspeakAussprecher espeak;
    const std::string wort = "\xFF.\xD6" + std::string(86, '\xFF') + "s";
    EXPECT_NE(espeak.Phoneme(wort).find(" s "), std::string::npos);
}

TEST(EspeakAussprecher, AnAbortFlagStopsThePronouncing) {
    EspeakAussprecher espeak;
    std::atomic<bool> abbruch{true};
    espeak.AbbruchBeachten(&abbruch);
    EXPECT_EQ(espeak.Phoneme("Haus Maus"), "");
    abbruch = false;
    EXPECT_EQ(espeak.Phoneme("Haus"), "h 'aU s ");
    espeak.AbbruchBeachten(nullptr);
    abbruch = true;
    EXPECT_EQ(espeak.Phoneme("Maus"), "m 'aU s ");
}

} // namespace
} // namespace quandel
