#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quandel {

// What one Windows-1252 byte contributes to a German collation key at secondary strength: the
// ranks of its primary weights (the letter) and of its secondary weights (the accent), in the
// order ICU's collation elements give them. Ranks start at 2; 1 separates the two levels of a
// key, so a key that ends earlier on a level sorts first. Most characters have one weight of
// each; expansions have more ("ß" -> s s, "…" -> . . .), ignorables have none.
// The table is made at build time from ICU (tools/kollationstabelle.cpp).
inline constexpr std::size_t kGewichteJeZeichen = 4;

struct ZeichenGewichte {
    std::uint8_t primaer[kGewichteJeZeichen];
    std::uint8_t sekundaer[kGewichteJeZeichen];
    std::uint8_t primaerAnzahl;
    std::uint8_t sekundaerAnzahl;
};

extern const std::array<ZeichenGewichte, 256> kZeichenGewichte;

// Pairs of bytes that collate as one unit (ICU's contractions, such as "l·"), with the
// weights of the pair.
struct Zusammenziehung {
    unsigned char erstes;
    unsigned char zweites;
    ZeichenGewichte gewichte;
};
extern const std::span<const Zusammenziehung> kZusammenziehungen;

// The version of ICU's German collation the table was made from.
extern const std::array<std::uint8_t, 4> kKollationsVersion;

} // namespace quandel
