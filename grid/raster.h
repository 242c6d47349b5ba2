#pragma once

#include <string>
#include <vector>

namespace quandel {

// The cells of a result grid, row by row, in Windows-1252. The window and the command line
// lay hits out the same way and write the same grid files from it.
struct Raster {
    int spalten = 4;
    int zeilen = 1;
    std::vector<std::string> zellen; // spalten * zeilen cells, row by row

    const std::string& Zelle(int spalte, int zeile) const {
        return zellen[static_cast<std::size_t>(zeile * spalten + spalte)];
    }
};

// Lays a hit list out over the columns: hit i goes to row i / spalten, column i % spalten; the
// row count is what the hits need, at least 1; cells after the last hit stay empty.
//   RasterLegen({"a", "b", "c", "d", "e"}, 4) -> 2 rows: a b c d / e _ _ _
Raster RasterLegen(const std::vector<std::string>& treffer, int spalten);

} // namespace quandel
