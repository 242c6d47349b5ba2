#pragma once

#include "phonetics/klangindex.h"

namespace quandel::daten {

// The sound keys of the built-in word stock, computed when the program was built (library
// quandel_klangdaten), by word number of the lexicon built from daten::Wortbestand().
KlangIndex EingebauterKlangIndex();

} // namespace quandel::daten
