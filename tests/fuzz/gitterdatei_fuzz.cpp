// The grid-file reader: every grid it accepts has its column count times row count cells,
// and writing and reading it again settles after one round (an empty cell between others is
// read back as a blank, which then stays).
#include "grid/gitterdatei.h"
#include "pruefen.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool Gleich(const quandel::Raster& a, const quandel::Raster& b) {
    return a.spalten == b.spalten && a.zeilen == b.zeilen && a.zellen == b.zellen;
}

bool Vollstaendig(const quandel::Raster& r) {
    return r.spalten >= 1 && r.zeilen >= 1 &&
           r.zellen.size() ==
               static_cast<std::size_t>(r.spalten) * static_cast<std::size_t>(r.zeilen);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace quandel;
    Raster gelesen;
    try {
        gelesen = GitterDateiLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    } catch (const GitterDateiFehler&) {
        return 0;
    }
    QUANDEL_PRUEFEN(Vollstaendig(gelesen));
    const Raster einmal = GitterDateiLesen(GitterDateiText(gelesen));
    QUANDEL_PRUEFEN(Vollstaendig(einmal));
    QUANDEL_PRUEFEN(Gleich(GitterDateiLesen(GitterDateiText(einmal)), einmal));
    return 0;
}
