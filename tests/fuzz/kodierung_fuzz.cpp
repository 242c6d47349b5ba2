// Windows-1252 <-> UTF-8: what converts one way converts back to the same bytes, and what
// does not convert is refused with Fehler, never changed.
#include "pruefen.h"
#include "text/fehler.h"
#include "text/kodierung.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace quandel;
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);

    bool belegt = true;
    for (char c : bytes)
        belegt = belegt && UnicodeVon(c) != 0xFFFF;
    try {
        const std::string utf8 = Utf8AusCp1252(bytes);
        QUANDEL_PRUEFEN(belegt);
        QUANDEL_PRUEFEN(Cp1252AusUtf8(utf8) == bytes);
    } catch (const Fehler&) {
        QUANDEL_PRUEFEN(!belegt);
    }

    try {
        const std::string cp1252 = Cp1252AusUtf8(bytes);
        QUANDEL_PRUEFEN(Utf8AusCp1252(cp1252) == bytes);
    } catch (const Fehler&) {
    }
    return 0;
}
