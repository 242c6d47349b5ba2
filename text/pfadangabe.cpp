#include "text/pfadangabe.h"

namespace quandel {

std::string Pfadangabe(std::string_view pfad) {
    const auto leer = [](char c) { return c == ' ' || c == '\t'; };
    if (pfad.empty() || leer(pfad.front()) || leer(pfad.back()))
        return "»" + std::string(pfad) + "«";
    return std::string(pfad);
}

} // namespace quandel
