#include "lexicon/wortzeilen.h"

#include "text/fehler.h"

#include <limits>

namespace quandel {

void Wortzeilen::Anhaengen(std::string_view zeile) {
    if (zeile.size() > std::numeric_limits<std::uint32_t>::max() - pool_.size() ||
        ende_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw Fehler("Die Wortliste ist zu groß (höchstens 4 GB und 2 Milliarden Zeilen).");
    pool_.append(zeile);
    ende_.push_back(static_cast<std::uint32_t>(pool_.size()));
}

} // namespace quandel
