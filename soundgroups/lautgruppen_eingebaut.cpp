#include "soundgroups/lautgruppen_eingebaut.h"

#include "text/zeilen.h"

#include <cstddef>

namespace quandel::daten {

extern const char kElemente[];
extern const std::size_t kElementeGroesse;
extern const char kLautgruppen[];
extern const std::size_t kLautgruppenGroesse;

std::vector<std::string> Elemente() {
    return ZeilenAusUtf8({kElemente, kElementeGroesse}, "elemente.txt");
}

std::string_view LautgruppenAkz() {
    return {kLautgruppen, kLautgruppenGroesse};
}

} // namespace quandel::daten
