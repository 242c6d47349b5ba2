#include "text/kleinschreibung.h"

#include <array>

namespace quandel {

namespace {

constexpr std::array<unsigned char, 256> kleinTabelle() {
    std::array<unsigned char, 256> tabelle{};
    for (int i = 0; i < 256; ++i)
        tabelle[i] = static_cast<unsigned char>(i);
    for (int i = 'A'; i <= 'Z'; ++i)
        tabelle[i] = static_cast<unsigned char>(i + 32);
    for (int i = 0xC0; i <= 0xDE; ++i)
        if (i != 0xD7)
            tabelle[i] = static_cast<unsigned char>(i + 32);
    tabelle[0x8A] = 0x9A; // Š
    tabelle[0x8C] = 0x9C; // Œ
    tabelle[0x8E] = 0x9E; // Ž
    tabelle[0x9F] = 0xFF; // Ÿ
    return tabelle;
}

constexpr auto tabelle = kleinTabelle();

} // namespace

char Klein(char zeichen) {
    return static_cast<char>(tabelle[static_cast<unsigned char>(zeichen)]);
}

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
