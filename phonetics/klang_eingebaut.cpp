#include "phonetics/klang_eingebaut.h"

namespace quandel::daten {

extern const KlangDaten kKlangDaten;

KlangIndex EingebauterKlangIndex() {
    std::array<Klangspalte, kKlangfelder> spalten;
    for (std::size_t f = 0; f < kKlangfelder; ++f) {
        const KlangspaltenDaten& d = kKlangDaten.spalten[f];
        spalten[f] = {
            {{reinterpret_cast<const char*>(d.zeichen), d.zeichenAnzahl}, {d.enden, d.endenAnzahl}},
            {d.ids, kKlangDaten.wortanzahl}};
    }
    // The compiled arrays live as long as the program: nothing to hold.
    return {spalten, kKlangDaten.pruefsumme};
}

} // namespace quandel::daten
