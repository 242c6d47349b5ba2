#pragma once

#include "lexicon/apendix.h"
#include "lexicon/ereignishaken.h"
#include "lexicon/trie.h"
#include "text/stringliste.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quandel {

// The word stock turned into what the searches read:
//  - Wortbestand: the stock lines, sorted, duplicates ignored (of lines equal but for case the
//    first one stays, so "UND" and not "und"); entry 0 is the empty line;
//  - Kleinwortliste: entry i is entry i of Wortbestand lower-cased;
//  - VorwaertsTrie / RueckwaertsTrie: every entry forwards / reversed, node WortNr = index;
//  - the song-rhyme index: vowel sequence -> words with that sequence.
// Once built it is only read; the searches keep their working lists themselves.
class Lexikon {
public:
    Lexikon();
    ~Lexikon();

    // Builds everything from the stock lines (Windows-1252), in their order, and ends with the
    // song-rhyme index for the vowel field text.
    void LexikonAufbauen(const std::vector<std::string>& zeilen, std::string_view vokalfeld,
                         EreignisHaken& haken);
    void LexikonFreigeben();
    bool Aufgebaut() const { return bestand_ != nullptr; }

    // Replaces the song-rhyme index with one for the vowel field text.
    void LiedIndexAufbauen(std::string_view vokalfeld, EreignisHaken& haken);

    const StringListe<>& Wortbestand() const;
    const std::vector<std::string>& Kleinwortliste() const;
    const Trie& VorwaertsTrie() const;
    const Trie& RueckwaertsTrie() const;

    // Index of the stock word whose lower-case form is exactly klein.
    std::optional<std::int32_t> WortNrVon(std::string_view klein) const;

    // The word numbers filed under a vowel sequence (found ignoring case), ascending, which is
    // also their collation order; nullptr when the sequence is no key.
    const std::vector<std::int32_t>* LiedWorte(std::string_view vokalfolge) const;
    std::size_t LiedSchluesselAnzahl() const;

private:
    struct Bestand;
    struct LiedIndex;
    std::unique_ptr<Bestand> bestand_;
    std::unique_ptr<LiedIndex> liedIndex_;
};

// Reverses a text byte by byte: "vor allem" -> "mella rov".
void WortUmkehren(std::string& text);

// Deletes the empty entries of a list, keeping the order of the rest.
template <typename Objekt> void LeereEintraegeEntfernen(StringListe<Objekt>& liste) {
    liste.Behalten([](const auto& eintrag) { return !eintrag.text.empty(); });
}

} // namespace quandel
