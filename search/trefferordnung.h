#pragma once

#include "lexicon/ereignishaken.h"
#include "search/suchkontext.h"

#include <string>
#include <vector>

namespace quandel {

// Orders hits for the grid: "Vor" by the German collation, "Rueck" by the reversed words, so
// the last letters decide first ("Plane", "Lawine", "Kanne"; "Bär" before "sehr"). Entries
// equal in collation keep their order.
void TrefferSortieren(std::vector<std::string>& treffer, Richtung richtung, EreignisHaken& haken);

} // namespace quandel
