#include "meaning/wortarten_eingebaut.h"

#include <cstddef>
#include <cstdint>

namespace quandel::daten {

extern const std::uint32_t kWortartenPlaetze[];
extern const std::size_t kWortartenPlaetzeAnzahl;
extern const char kWortartenZeichen[];
extern const std::size_t kWortartenZeichenAnzahl;

Wortartentabelle EingebauteWortarten() {
    return {{kWortartenPlaetze, kWortartenPlaetzeAnzahl},
            {kWortartenZeichen, kWortartenZeichenAnzahl}};
}

} // namespace quandel::daten
