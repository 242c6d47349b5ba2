#include "data/klang_eingebaut.h"

#include <cstddef>
#include <cstdint>

namespace quandel::daten {

extern const unsigned char kReinZeichen[];
extern const std::size_t kReinZeichenAnzahl;
extern const std::uint32_t kReinEnden[];
extern const std::size_t kReinEndenAnzahl;
extern const std::uint32_t kReinIds[];
extern const unsigned char kZweisilbigZeichen[];
extern const std::size_t kZweisilbigZeichenAnzahl;
extern const std::uint32_t kZweisilbigEnden[];
extern const std::size_t kZweisilbigEndenAnzahl;
extern const std::uint32_t kZweisilbigIds[];
extern const std::size_t kKlangWortanzahl;
extern const std::uint64_t kKlangPruefsumme;

namespace {

Schluesseltabelle Tabelle(const unsigned char* zeichen, std::size_t zeichenAnzahl,
                          const std::uint32_t* enden, std::size_t endenAnzahl) {
    return {{reinterpret_cast<const char*>(zeichen), zeichenAnzahl}, {enden, endenAnzahl}};
}

} // namespace

KlangIndex EingebauterKlangIndex() {
    // The compiled arrays live as long as the program: nothing to hold.
    return {Tabelle(kReinZeichen, kReinZeichenAnzahl, kReinEnden, kReinEndenAnzahl),
            {kReinIds, kKlangWortanzahl},
            Tabelle(kZweisilbigZeichen, kZweisilbigZeichenAnzahl, kZweisilbigEnden,
                    kZweisilbigEndenAnzahl),
            {kZweisilbigIds, kKlangWortanzahl},
            kKlangPruefsumme};
}

} // namespace quandel::daten
