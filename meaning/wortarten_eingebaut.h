#pragma once

#include "meaning/wortartentabelle.h"

namespace quandel::daten {

// The word classes of German word forms, taken from Ding's German-English dictionary (Debian's
// trans-de-en, GPL-2+) when the program was built (library quandel_wortarten). The arrays are
// part of the program; the table may be copied freely.
Wortartentabelle EingebauteWortarten();

} // namespace quandel::daten
