#include "search/sucheintraege_eingebaut.h"

#include "text/zeilen.h"

#include <cstddef>

namespace quandel::daten {

extern const char kSucheintraege[];
extern const std::size_t kSucheintraegeGroesse;

std::vector<std::string> Sucheintraege() {
    return ZeilenAusUtf8({kSucheintraege, kSucheintraegeGroesse}, "sucheintraege.txt");
}

} // namespace quandel::daten
