#pragma once

#include "phonetics/aussprachetabelle.h"

namespace quandel::daten {

// The project's corrections of espeak-ng's pronunciation (aussprache.txt): Garage, Etage, Büro,
// Regime, Mond, ...
Aussprachetabelle Aussprachekorrekturen();

} // namespace quandel::daten
