#pragma once

#include "lexicon/textfeld.h"

#include <cstdint>
#include <vector>

namespace quandel {

// The numbers of the texts ordered by their bytes (unsigned), read forwards or, with
// rueckwaerts, from the last byte to the first; a text that another begins with comes before
// it, and equal texts stand in the order of their numbers.
//   {"ab", "b", "a"} -> 2, 0, 1;   rueckwaerts: {"ab", "b", "a"} -> 2, 1, 0 ("a", "b", "ba")
// The texts are sorted eight bytes at a time by number only, and only the texts equal so far
// are taken further, so a long shared beginning costs no text comparisons.
std::vector<std::uint32_t> NachBytesOrdnen(const TextFeld& texte, bool rueckwaerts);

} // namespace quandel
