#pragma once

#include "lexicon/abbild.h"
#include "lexicon/pruefsumme.h"

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

} // namespace quandel
