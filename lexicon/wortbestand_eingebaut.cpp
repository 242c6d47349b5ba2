#include "lexicon/wortbestand_eingebaut.h"

#include "text/zeilen.h"

#include <cstddef>

namespace quandel::daten {

extern const char kWortbestand[];
extern const std::size_t kWortbestandGroesse;

std::string_view WortbestandUtf8() {
    return {kWortbestand, kWortbestandGroesse};
}

std::vector<std::string> Wortbestand() {
    return ZeilenAusUtf8(WortbestandUtf8(), "wortbestand.txt");
}

} // namespace quandel::daten
