#pragma once

#include "phonetics/klangindex.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace quandel::daten {

// The sound keys of the built-in word stock, computed when the program was built (library
// quandel_klangdaten), by word number of the lexicon built from daten::Wortbestand().
KlangIndex EingebauterKlangIndex();

// How tools/klangdaten.cpp lays out the compiled keys: the arrays of each column, in the order
// of Klangfeld.
struct KlangspaltenDaten {
    const unsigned char* zeichen;
    std::size_t zeichenAnzahl;
    const std::uint32_t* enden;
    std::size_t endenAnzahl;
    const std::uint32_t* ids;
};

struct KlangDaten {
    std::array<KlangspaltenDaten, kKlangfelder> spalten;
    std::size_t wortanzahl;
    std::uint64_t pruefsumme;
};

} // namespace quandel::daten
