#pragma once

#include "search/haeufigkeit.h"

namespace quandel::daten {

// The commonness ranks of data/haeufigkeit.txt, compiled in when the program was built (library
// quandel_haeufigkeit).
Haeufigkeit EingebauteHaeufigkeit();

} // namespace quandel::daten
