#include "text/dateitext.h"

#include "text/kodierung.h"

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

} // namespace quandel
