#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// The sounds of a pronunciation. Each sound is one code of a fixed inventory of German sounds,
// named as espeak-ng names them in its ASCII output ("a:", "E", "aI", "S", "C", ...); a vowel
// can carry stress. Codes are never 0, so a row of codes is a text of non-zero bytes.
enum class Betonung : std::uint8_t { Keine, Neben, Haupt };

struct Laut {
    std::uint8_t code = 0;
    Betonung betonung = Betonung::Keine;
};

using Lautfolge = std::vector<Laut>;

// Reads espeak-ng's ASCII phonemes separated by blanks: "g @ h 'Y: r". ' marks the main stress
// and , a secondary one of the vowel it stands before. Markers (pauses "_|", glottal stops "_!",
// the language switches "(en)" ... "(de)") are dropped; the phonemes of a word read as English
// are mapped to the nearest German sounds; an "R" is an "r". Unknown names are dropped.
Lautfolge LauteAusEspeak(std::string_view phoneme);

// The same for a line of a correction table, where every name must be known: an unknown one
// raises Fehler ("unbekannter Laut \"Q\"").
Lautfolge LauteAusTabelle(std::string_view phoneme);

bool IstVokal(std::uint8_t code);

// The name of a code: "a:", "aI", "S".
std::string_view LautName(std::uint8_t code);

// The codes of the sounds from position ab on, one byte each, without stress.
std::string Codes(const Lautfolge& laute, std::size_t ab = 0);

// The number of vowels, which is the number of syllables.
std::size_t Silbenzahl(const Lautfolge& laute);

// The pronunciation for the reader, in IPA (UTF-8), the stress mark before the stressed
// syllable: "g @ h 'Y: r" -> "ɡəˈhøːʁ".
std::string Lautschrift(const Lautfolge& laute);

} // namespace quandel
