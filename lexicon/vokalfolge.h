#pragma once

#include "text/stringliste.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quandel {

// The vowel list of the vowel field: its items by the comma-text rule, sorted, duplicates
// accepted. "a,e,i,o,u,ä,ö,ü" -> a, ä, e, i, o, ö, u, ü.
StringListe<> VokallisteAus(std::string_view vokalfeld);

// Which letters count as vowels, and how often: a letter counts once for every one-letter
// entry of the vowel list equal to it, however many there are; longer entries never match a
// letter.
class Vokale {
public:
    explicit Vokale(const StringListe<>& vokalliste);

    // The vowel letters of a word in their order: "liese" -> "iee", "pst" -> "".
    std::string Vokalfolge(std::string_view wort) const;
    // The same, appended to ziel.
    void VokalfolgeAnhaengen(std::string_view wort, std::string& ziel) const;

private:
    std::array<std::size_t, 256> anzahl_{};
};

} // namespace quandel
