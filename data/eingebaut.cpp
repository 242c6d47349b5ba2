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

std::vector<Lautgruppe> Lautgruppen() {
    std::vector<Lautgruppe> gruppen;
    for (const std::string& zeile :
         ZeilenAusUtf8({kLautgruppen, kLautgruppenGroesse}, "lautgruppen.txt")) {
        Lautgruppe gruppe;
        std::size_t anfang = 0;
        for (std::size_t tab = zeile.find('\t');; tab = zeile.find('\t', anfang)) {
            std::string feld = zeile.substr(anfang, tab == std::string::npos ? tab : tab - anfang);
            if (gruppe.name.empty())
                gruppe.name = std::move(feld);
            else
                gruppe.glieder.push_back(std::move(feld));
            if (tab == std::string::npos)
                break;
            anfang = tab + 1;
        }
        gruppen.push_back(std::move(gruppe));
    }
    return gruppen;
}

} // namespace quandel::daten
