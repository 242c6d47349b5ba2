#include "text/dateitext.h"

#include "text/datei.h"
#include "text/fehler.h"
#include "text/kodierung.h"
#include "text/pfadangabe.h"

#include <unicode/utf8.h>

namespace quandel {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

} // namespace

bool IstUtf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto laenge = static_cast<int32_t>(bytes.size());
    bool ausserAscii = false;
    for (int32_t i = 0; i < laenge;) {
        if (s[i] < 0x80) {
            ++i;
            continue;
        }
        UChar32 c;
        U8_NEXT(s, i, laenge, c);
        if (c < 0)
            return false;
        ausserAscii = true;
    }
    return ausserAscii;
}

std::string DateiTextLesen(std::string_view bytes) {
    if (bytes.starts_with(kBom))
        return Cp1252AusUtf8(bytes.substr(kBom.size()));
    if (IstUtf8(bytes))
        return Cp1252AusUtf8(bytes);
    Utf8AusCp1252(bytes); // raises Fehler for an unassigned byte
    return std::string(bytes);
}

std::string TextdateiLesen(const std::filesystem::path& datei) {
    const std::string bytes = DateiLesen(datei);
    try {
        return DateiTextLesen(std::string_view(bytes));
    } catch (const Fehler& fehler) {
        throw Fehler(Pfadangabe(datei.string()) + ": " + fehler.what());
    }
}

} // namespace quandel
