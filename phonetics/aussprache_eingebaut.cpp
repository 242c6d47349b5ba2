#include "phonetics/aussprache_eingebaut.h"

#include <cstddef>

namespace quandel::daten {

extern const char kAussprache[];
extern const std::size_t kAusspracheGroesse;

Aussprachetabelle Aussprachekorrekturen() {
    Aussprachetabelle tabelle;
    tabelle.Einlesen({kAussprache, kAusspracheGroesse}, "aussprache.txt");
    return tabelle;
}

} // namespace quandel::daten
