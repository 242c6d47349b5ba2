#pragma once

#include <string>
#include <string_view>

namespace quandel {

// Pronounces single words: the phonemes of a word (Windows-1252) in espeak-ng's ASCII names,
// separated by blanks, with ' before the vowel of the main stress and , before a secondary one:
// "Gehör" -> "g @ h 'Y: r". The searches and tests see only this interface; the program binds
// it to espeak-ng, tests to recorded pronunciations.
class Aussprecher {
public:
    virtual ~Aussprecher() = default;
    virtual std::string Phoneme(std::string_view wort) = 0;
};

} // namespace quandel
