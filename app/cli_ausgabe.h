#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quandel::cli {

// The hits (Windows-1252) as UTF-8 text, one line per row of `spalten` hits joined by tabs:
//   {"B\xE4r", "sehr"}, 1                  -> "Bär\nsehr\n"
//   {"Reim", "Land", "Leim", "Rand"}, 4    -> "Reim\tLand\tLeim\tRand\n"
std::string AusgabeText(const std::vector<std::string>& treffer, std::size_t spalten);

} // namespace quandel::cli
