#pragma once

#include "search/apendix.h"
#include "search/suchkontext.h"

#include <string>
#include <vector>

namespace quandel {

enum class Grenztest {
    Endet,   // the lower-cased hit ends with the limit word (end, song and spoonerism rhyme)
    Beginnt, // the lower-cased hit begins with it (alliteration)
};

// The output limit: with "+" exactly the hits that pass the test for at least one limit word
// stay (collected through plusTreffer), with "-" exactly those that pass for none. An empty
// limit word passes every test; the hits keep their order and their records. Limit words are
// used as given unless grenzwortKlein (the spoonerism search lowers them).
//   hits {Kreide, Seide}, limit {"kreide"}, Plus  -> {Kreide}
//   hits {Kreide, Seide}, limit {"Kreide"}, Plus  -> {}
void Begrenzung(TrefferListe& treffer, const std::vector<std::string>& grenzworte,
                BegrenzungsModus modus, Grenztest test, TrefferListe& plusTreffer,
                bool grenzwortKlein = false);

// The limit words of a search: Suchbegriffe from entry ab on.
std::vector<std::string> Grenzworte(const StringListe<>& suchbegriffe, std::size_t ab = 1);

} // namespace quandel
