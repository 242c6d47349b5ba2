#pragma once

#include "lexicon/lexikon.h"

#include <string_view>

namespace quandel::daten {

// The lexicon of the built-in word stock: the image made of it when the program was built
// (library quandel_wortbestandsabbild), or, should the ICU in use collate under another version
// than the one at build time, built now. A song-rhyme index for another vowel field is built
// over the image.
Lexikon EingebautesLexikon(std::string_view vokalfeld, EreignisHaken& haken);

} // namespace quandel::daten
