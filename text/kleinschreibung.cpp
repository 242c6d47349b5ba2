#include "text/kleinschreibung.h"

namespace quandel {

std::string Klein(std::string_view text) {
    std::string ergebnis(text);
    KleinInPlace(ergebnis);
    return ergebnis;
}

void KleinInPlace(std::string& text) {
    for (char& c : text)
        c = Klein(c);
}

} // namespace quandel
