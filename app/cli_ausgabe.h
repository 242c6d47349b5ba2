#pragma once

#include "app/cli_aufruf.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quandel::cli {

// The hits (Windows-1252) as UTF-8 text, one line per row of `spalten` hits joined by tabs:
//   {"B\xE4r", "sehr"}, 1                  -> "Bär\nsehr\n"
//   {"Reim", "Land", "Leim", "Rand"}, 4    -> "Reim\tLand\tLeim\tRand\n"
std::string AusgabeText(const std::vector<std::string>& treffer, std::size_t spalten);

// The hits in the chosen format; rows of 4 (spalten 4) are spoonerisms, whose words are named
// suchwort, tauschwort, endwort, stabwort in the header of tsv and csv and in the json objects.
//   Csv, {"B\xE4r"}, 1  -> "wort\r\nBär\r\n"
//   Json, {"B\xE4r"}, 1 -> "[\"Bär\"]\n"
//   Raster              -> the grid file of the window, the hits laid out over 4 columns
std::string AusgabeText(const std::vector<std::string>& treffer, std::size_t spalten,
                        Format format);

} // namespace quandel::cli
