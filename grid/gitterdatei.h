#pragma once

#include "grid/raster.h"
#include "text/fehler.h"

#include <string>
#include <string_view>

namespace quandel {

// Grid files (".grd"): the column count, then one line per row with the row's cells in comma
// text; every line ends with CR LF; Windows-1252.
//   4
//   Kanne,Lawine,Plane,"vor allem"
//   Dings,,,
std::string GitterDateiText(const Raster& raster);

// A grid file that cannot be taken over. Its row count is the one the grid takes all the same
// (the lines after the first, at least 1), as the grid's loading has set it by then.
class GitterDateiFehler : public Fehler {
public:
    GitterDateiFehler(const std::string& meldung, int zeilen) : Fehler(meldung), zeilen_(zeilen) {}
    int zeilen() const { return zeilen_; }

private:
    int zeilen_;
};

// The most columns a grid file may ask for; more would only exhaust the memory.
inline constexpr int kHoechsteSpaltenzahl = 1000;

// Reads the text of a grid file (Windows-1252): one row per line after the first, whose
// number is the column count (at least 1). Each row receives its line's items from the left;
// an empty item becomes a single blank, items beyond the column count are dropped, cells
// without an item stay empty. Raises GitterDateiFehler for an empty file ("Der Index der Liste
// überschreitet das Maximum (0)") and for a first line that is no whole number ("'x' ist kein
// gültiger Integerwert") or asks for more than kHoechsteSpaltenzahl columns.
Raster GitterDateiLesen(std::string_view text);

} // namespace quandel
