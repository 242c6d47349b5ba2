#include "data/eingebaut.h"

#include "text/zeilen.h"

#include <cstddef>

namespace quandel::daten {

extern const char kWortbestand[];
extern const std::size_t kWortbestandGroesse;
extern const char kElemente[];
extern const std::size_t kElementeGroesse;
extern const char kSucheintraege[];
extern const std::size_t kSucheintraegeGroesse;
extern const char kLautgruppen[];
extern const std::size_t kLautgruppenGroesse;

std::string_view WortbestandUtf8() {
    return {kWortbestand, kWortbestandGroesse};
}

std::vector<std::string> Wortbestand() {
    return ZeilenAusUtf8(WortbestandUtf8(), "wortbestand.txt");
}

std::vector<std::string> Elemente() {
    return ZeilenAusUtf8({kElemente, kElementeGroesse}, "elemente.txt");
}

std::vector<std::string> Sucheintraege() {
    return ZeilenAusUtf8({kSucheintraege, kSucheintraegeGroesse}, "sucheintraege.txt");
}

std::string_view LautgruppenAkz() {
    return {kLautgruppen, kLautgruppenGroesse};
}

} // namespace quandel::daten
