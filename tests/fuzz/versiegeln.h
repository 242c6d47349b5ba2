#pragma once

#include "lexicon/abbild.h"
#include "lexicon/pruefsumme.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace quandel {

// Recomputes the checksums of the sections the table places inside the image, then the
// header's.
inline void Versiegeln(std::vector<std::uint64_t>& worte) {
    char* bytes = reinterpret_cast<char*>(worte.data());
    const std::size_t laenge = worte.size() * 8;
    Kopf kopf;
    std::memcpy(&kopf, bytes, sizeof kopf);
    if (kopf.abschnittAnzahl > (laenge - sizeof kopf) / sizeof(AbschnittsEintrag))
        return;
    auto* tabelle = reinterpret_cast<AbschnittsEintrag*>(bytes + sizeof kopf);
    for (std::uint32_t i = 0; i < kopf.abschnittAnzahl; ++i) {
        AbschnittsEintrag& e = tabelle[i];
        if (e.anfang <= laenge && e.laenge <= laenge - e.anfang)
            e.pruefsumme = Abschnittssumme({bytes + e.anfang, e.laenge});
    }
    kopf.kopfPruefsumme = KopfPruefsumme(
        kopf, {bytes + sizeof kopf, kopf.abschnittAnzahl * sizeof(AbschnittsEintrag)});
    std::memcpy(bytes, &kopf, sizeof kopf);
}

// Damages an image as the fuzzer's input says and seals it again. The input is a list of
// damages, five bytes each: a position (four bytes, little-endian, taken modulo the image's
// length) and a byte to exclusive-or there.
inline void Beschaedigen(std::vector<std::uint64_t>& worte, const std::uint8_t* daten,
                         std::size_t groesse) {
    auto* bytes = reinterpret_cast<unsigned char*>(worte.data());
    const std::size_t laenge = worte.size() * 8;
    for (std::size_t i = 0; i + 5 <= groesse; i += 5) {
        std::uint32_t stelle;
        std::memcpy(&stelle, daten + i, sizeof stelle);
        bytes[stelle % laenge] ^= daten[i + 4];
    }
    Versiegeln(worte);
}

} // namespace quandel
