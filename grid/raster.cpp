#include "grid/raster.h"

#include <algorithm>

namespace quandel {

Raster RasterLegen(const std::vector<std::string>& treffer, int spalten) {
    Raster raster;
    raster.spalten = std::max(1, spalten);
    const auto breite = static_cast<std::size_t>(raster.spalten);
    raster.zeilen =
        static_cast<int>(std::max<std::size_t>(1, (treffer.size() + breite - 1) / breite));
    raster.zellen = treffer;
    raster.zellen.resize(static_cast<std::size_t>(raster.zeilen) * breite);
    return raster;
}

} // namespace quandel
