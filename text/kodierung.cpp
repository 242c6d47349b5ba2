#include "text/kodierung.h"

#include "text/fehler.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unicode/utf8.h>
#include <utility>

namespace quandel {

namespace {

constexpr char16_t kUnbelegt = 0xFFFF;

// Windows-1252: the bytes 0x80-0x9F as the code page assigns them (0xFFFF for the five it
// leaves empty); every other byte is the code point of the same number.
constexpr char16_t kZwischen80Und9F[32] = {
    0x20AC,    kUnbelegt, 0x201A, 0x0192, 0x201E, 0x2026,    0x2020, 0x2021,
    0x02C6,    0x2030,    0x0160, 0x2039, 0x0152, kUnbelegt, 0x017D, kUnbelegt,
    kUnbelegt, 0x2018,    0x2019, 0x201C, 0x201D, 0x2022,    0x2013, 0x2014,
    0x02DC,    0x2122,    0x0161, 0x203A, 0x0153, kUnbelegt, 0x017E, 0x0178};

// byte -> code point, and the sorted reverse table, made when the program is compiled.
struct Codepage {
    std::array<char16_t, 256> zuUnicode{};
    std::array<std::pair<char16_t, unsigned char>, 251> ausUnicode{};

    constexpr Codepage() {
        std::size_t n = 0;
        for (int b = 0; b < 256; ++b) {
            zuUnicode[b] =
                b >= 0x80 && b < 0xA0 ? kZwischen80Und9F[b - 0x80] : static_cast<char16_t>(b);
            if (zuUnicode[b] != kUnbelegt)
                ausUnicode[n++] = {zuUnicode[b], static_cast<unsigned char>(b)};
        }
        std::sort(ausUnicode.begin(), ausUnicode.end());
    }
};

constexpr Codepage kCodepage;

const Codepage& codepage() {
    return kCodepage;
}

std::string codepunktText(UChar32 c) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "U+%04X", static_cast<unsigned>(c));
    return puffer;
}

} // namespace

char16_t UnicodeVon(char zeichen) {
    return codepage().zuUnicode[static_cast<unsigned char>(zeichen)];
}

std::string Cp1252AusUtf8(std::string_view utf8) {
    const auto& tabelle = codepage().ausUnicode;
    std::string ergebnis;
    ergebnis.reserve(utf8.size());
    const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto laenge = static_cast<int32_t>(utf8.size());
    int32_t i = 0;
    while (i < laenge) {
        if (s[i] < 0x80) { // ASCII stands for itself
            ergebnis.push_back(static_cast<char>(s[i++]));
            continue;
        }
        const int32_t anfang = i;
        UChar32 c;
        U8_NEXT(s, i, laenge, c);
        if (c < 0)
            throw Fehler("Ungültige UTF-8-Bytefolge an Byte " + std::to_string(anfang + 1) + ".");
        const auto treffer = std::lower_bound(tabelle.begin(), tabelle.end(),
                                              std::pair<char16_t, unsigned char>(c, 0));
        if (c > 0xFFFF || treffer == tabelle.end() || treffer->first != c)
            throw Fehler("Das Zeichen \"" + std::string(utf8.substr(anfang, i - anfang)) + "\" (" +
                         codepunktText(c) + ") ist in Windows-1252 nicht darstellbar.");
        ergebnis.push_back(static_cast<char>(treffer->second));
    }
    return ergebnis;
}

std::string Utf8AusCp1252(std::string_view cp1252) {
    std::string ergebnis;
    ergebnis.reserve(cp1252.size() + cp1252.size() / 4);
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        const char16_t c = UnicodeVon(cp1252[i]);
        if (c == kUnbelegt)
            throw Fehler("Das Byte " + std::to_string(static_cast<unsigned char>(cp1252[i])) +
                         " an Stelle " + std::to_string(i + 1) +
                         " ist in Windows-1252 nicht belegt.");
        uint8_t puffer[4];
        int32_t n = 0;
        UBool fehler = false;
        U8_APPEND(puffer, n, 4, c, fehler);
        (void)fehler; // cannot happen: four bytes hold every BMP character
        ergebnis.append(reinterpret_cast<const char*>(puffer), static_cast<std::size_t>(n));
    }
    return ergebnis;
}

} // namespace quandel
