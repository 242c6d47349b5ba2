#include "text/zeilen.h"

#include "text/fehler.h"
#include "text/kodierung.h"

namespace quandel {

std::vector<std::string> ZeilenTeilen(std::string_view text) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        zeilen.emplace_back(text.substr(anfang, i - anfang));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < text.size())
        zeilen.emplace_back(text.substr(anfang));
    return zeilen;
}

std::vector<std::string> ZeilenAusUtf8(std::string_view utf8, std::string_view quelle) {
    std::vector<std::string> zeilen = ZeilenTeilen(utf8);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        try {
            zeilen[i] = Cp1252AusUtf8(zeilen[i]);
        } catch (const Fehler& fehler) {
            throw Fehler(std::string(quelle) + ", Zeile " + std::to_string(i + 1) + ": " +
                         fehler.what());
        }
    }
    return zeilen;
}

} // namespace quandel
