#pragma once

#include "phonetics/aussprecher.h"
#include "phonetics/laute.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quandel {

// Corrections of pronunciations that espeak-ng gets wrong: word -> its sounds. The text has one
// entry per line, the word, then blanks or a tab, then the sounds as espeak-ng names them,
// separated by blanks, with ' before the vowel of the main stress:
//   Garage   g a r 'a: Z @
// Empty lines and lines starting with # are skipped. The word is matched ignoring case.
class Aussprachetabelle {
public:
    // Adds the entries of a UTF-8 text; an entry for a word already present replaces it. A bad
    // line raises Fehler naming the source and the line: "<quelle>, Zeile 3: kein Hauptton ...".
    // Bad are also a line of sounds without its word ("g a r 'a: Z @"), a NUL byte and a line
    // longer than 4096 bytes; a text over 16 MB is refused as a whole.
    void Einlesen(std::string_view utf8, std::string_view quelle);
    // The same for a file, read only up to those limits, so that /dev/zero fails at once.
    void DateiEinlesen(const std::filesystem::path& datei);

    // The sounds of a lower-case word (Windows-1252), or nullptr.
    const Lautfolge* Finden(std::string_view klein) const;

    std::size_t size() const { return eintraege_.size(); }
    // The length of the longest corrected word: no longer text can have a correction.
    std::size_t LaengstesWort() const { return laengstesWort_; }

    // A checksum of the entries, whatever their order: keys made with tables of the same
    // checksum are the same.
    std::uint64_t Pruefsumme() const;

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_map<std::string, Lautfolge, Hash, std::equal_to<>> eintraege_;
    std::size_t laengstesWort_ = 0;
};

// The sounds of a word: from the correction table if it has the word, else from the pronouncer.
class Aussprache {
public:
    Aussprache(Aussprecher& aussprecher, const Aussprachetabelle& tabelle)
        : aussprecher_(aussprecher), tabelle_(tabelle) {}

    // wort in Windows-1252, as it stands in the stock (the pronouncer sees its capitals).
    Lautfolge Laute(std::string_view wort);

    // The corrected sounds of a lower-case word, or nullptr.
    const Lautfolge* Korrektur(std::string_view klein) const { return tabelle_.Finden(klein); }
    std::size_t LaengsteKorrektur() const { return tabelle_.LaengstesWort(); }

private:
    Aussprecher& aussprecher_;
    const Aussprachetabelle& tabelle_;
};

} // namespace quandel
