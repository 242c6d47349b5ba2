#pragma once

#include "search/haeufigkeit.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// The order of common words first: a word with a rank before one without, the smaller rank
// first, then the shorter word. Words equal in it keep the order they had (the collation order
// of the searches).
struct Rangschluessel {
    std::uint32_t rang = std::numeric_limits<std::uint32_t>::max(); // the largest: no rank
    std::size_t laenge = 0;
    auto operator<=>(const Rangschluessel&) const = default;
};

Rangschluessel RangschluesselVon(std::optional<std::uint32_t> rang, std::string_view wort);
// The same with the rank of the word (Windows-1252) looked up lowered.
Rangschluessel RangschluesselVon(std::string_view wort, const Haeufigkeit& haeufigkeit);

// Puts the hits of a search (rows of `spalten` words as it returns them) in the order of common
// words first, stable: single words by their Rangschluessel; a spoonerism's rows of four by the
// least common of the three words after the search word, then the next.
//   {"Zwerg", "Werk", "Quark"}, 1 -> {"Werk", "Zwerg", "Quark"}
void NachRangOrdnen(std::vector<std::string>& treffer, std::size_t spalten,
                    const Haeufigkeit& haeufigkeit);

} // namespace quandel
