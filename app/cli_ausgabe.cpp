#include "app/cli_ausgabe.h"

#include "text/kodierung.h"

namespace quandel::cli {

std::string AusgabeText(const std::vector<std::string>& treffer, std::size_t spalten) {
    std::string text;
    std::size_t groesse = 0;
    for (const std::string& wort : treffer)
        groesse += wort.size() + 1;
    text.reserve(groesse + groesse / 4); // umlauts take two bytes in UTF-8
    for (std::size_t i = 0; i < treffer.size(); ++i) {
        text += Utf8AusCp1252(treffer[i]);
        text += (i + 1) % spalten == 0 || i + 1 == treffer.size() ? '\n' : '\t';
    }
    return text;
}

} // namespace quandel::cli
