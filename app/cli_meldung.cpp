#include "app/cli_meldung.h"

#include "text/systemgrund.h"

#include <cstdio>
#include <unicode/utf8.h>

namespace quandel::cli {

namespace {

void Maskieren(std::string& ziel, unsigned char byte) {
    char text[5];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    ziel += text;
}

} // namespace

std::string Druckbar(std::string_view utf8) {
    std::string ziel;
    ziel.reserve(utf8.size());
    const auto laenge = static_cast<int32_t>(utf8.size());
    int32_t i = 0;
    while (i < laenge) {
        const int32_t anfang = i;
        UChar32 zeichen = 0;
        U8_NEXT(utf8.data(), i, laenge, zeichen);
        const bool steuerzeichen =
            zeichen < 0x20 || zeichen == 0x7F || (zeichen >= 0x80 && zeichen < 0xA0);
        if (zeichen >= 0 && !steuerzeichen) {
            ziel.append(utf8.substr(static_cast<std::size_t>(anfang),
                                    static_cast<std::size_t>(i - anfang)));
            continue;
        }
        // A malformed sequence is escaped byte by byte from where it began.
        if (zeichen < 0)
            i = anfang + 1;
        for (int32_t b = anfang; b < i; ++b)
            Maskieren(ziel, static_cast<unsigned char>(utf8[static_cast<std::size_t>(b)]));
    }
    return ziel;
}

void Melden(std::string_view meldung) {
    const std::string zeile = "quandel-cli: " + Druckbar(meldung) + "\n";
    std::fwrite(zeile.data(), 1, zeile.size(), stderr);
}

std::string Grund(int fehlernummer) {
    return SystemGrund(fehlernummer);
}

} // namespace quandel::cli
