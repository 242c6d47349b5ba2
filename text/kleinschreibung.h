#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quandel {

// Lower-casing of Windows-1252 text: A-Z, the capitals 0xC0-0xDE except the multiplication
// sign 0xD7, and Š (0x8A), Œ (0x8C), Ž (0x8E), Ÿ (0x9F). Every other byte stays.
// This one table is used wherever the program lowers text.
namespace detail {
constexpr std::array<unsigned char, 256> KleinTabelle() {
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
inline constexpr std::array<unsigned char, 256> kKlein = KleinTabelle();
} // namespace detail

inline char Klein(char zeichen) {
    return static_cast<char>(detail::kKlein[static_cast<unsigned char>(zeichen)]);
}

// "ÄRGER" (cp1252) -> "ärger"
std::string Klein(std::string_view text);

void KleinInPlace(std::string& text);

} // namespace quandel
