#include "search/haeufigkeit_eingebaut.h"

#include <cstddef>
#include <cstdint>

namespace quandel::daten {

extern const unsigned char kHaeufigkeitFormen[];
extern const std::size_t kHaeufigkeitFormenGroesse;
extern const std::uint32_t kHaeufigkeitRaenge[];
extern const std::size_t kHaeufigkeitAnzahl;
extern const std::uint32_t kHaeufigkeitBloecke[];
extern const std::size_t kHaeufigkeitBlockanzahl;

Haeufigkeit EingebauteHaeufigkeit() {
    // The compiled arrays live as long as the program: nothing to hold.
    return {{reinterpret_cast<const char*>(kHaeufigkeitFormen), kHaeufigkeitFormenGroesse},
            {kHaeufigkeitRaenge, kHaeufigkeitAnzahl},
            {kHaeufigkeitBloecke, kHaeufigkeitBlockanzahl}};
}

} // namespace quandel::daten
