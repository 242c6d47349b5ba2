#include "app/cli_wortbestand.h"

#include "data/eingebaut.h"
#include "text/datei.h"
#include "text/fehler.h"
#include "text/kodierung.h"
#include "text/zeilen.h"

#include <cstdio>

namespace quandel::cli {

namespace {

std::string ByteText(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// Windows-1252 lines, refusing the five bytes the code page leaves unassigned.
std::vector<std::string> ZeilenAusCp1252(std::string_view text, const std::string& quelle) {
    std::vector<std::string> zeilen = ZeilenTeilen(text);
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        for (const char zeichen : zeilen[i])
            if (UnicodeVon(zeichen) == 0xFFFF)
                throw Fehler(quelle + ", Zeile " + std::to_string(i + 1) + ": Das Byte " +
                             ByteText(static_cast<unsigned char>(zeichen)) +
                             " ist in Windows-1252 nicht belegt.");
    return zeilen;
}

} // namespace

std::vector<std::string> WortbestandLaden(const Aufruf& aufruf) {
    if (!aufruf.wortbestand)
        return daten::Wortbestand();
    const std::string& pfad = *aufruf.wortbestand;
    const std::string inhalt = DateiLesen(pfad);
    if (aufruf.kodierung == Kodierung::Cp1252)
        return ZeilenAusCp1252(inhalt, pfad);
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    std::string_view text = inhalt;
    if (text.starts_with(kBom))
        text.remove_prefix(kBom.size());
    return ZeilenAusUtf8(text, pfad);
}

} // namespace quandel::cli
