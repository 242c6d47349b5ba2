#include "text/kodierung.h"

#include "text/fehler.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unicode/ucnv.h>
#include <unicode/utf8.h>
#include <utility>
#include <vector>

namespace quandel {

namespace {

constexpr char16_t kUnbelegt = 0xFFFF;

// The code page as ICU knows it, read once: byte -> code point, and the sorted reverse table.
struct Codepage {
    std::array<char16_t, 256> zuUnicode{};
    std::vector<std::pair<char16_t, unsigned char>> ausUnicode;

    Codepage() {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* wandler = ucnv_open("windows-1252", &status);
        if (U_FAILURE(status))
            throw Fehler("Der Zeichensatz Windows-1252 ist in ICU nicht verfügbar.");
        ucnv_setToUCallBack(wandler, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        for (int b = 0; b < 256; ++b) {
            const char quelle = static_cast<char>(b);
            UChar ziel[4];
            status = U_ZERO_ERROR;
            const int32_t n = ucnv_toUChars(wandler, ziel, 4, &quelle, 1, &status);
            // ICU maps the unassigned bytes to C1 controls; Windows-1252 leaves them empty.
            const bool unbelegt =
                U_FAILURE(status) || n != 1 || (b >= 0x80 && b < 0xA0 && ziel[0] < 0xA0);
            zuUnicode[b] = unbelegt ? kUnbelegt : static_cast<char16_t>(ziel[0]);
            if (!unbelegt)
                ausUnicode.emplace_back(zuUnicode[b], static_cast<unsigned char>(b));
        }
        ucnv_close(wandler);
        std::sort(ausUnicode.begin(), ausUnicode.end());
    }
};

const Codepage& codepage() {
    static const Codepage seite;
    return seite;
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
