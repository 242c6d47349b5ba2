#pragma once

#include "lexicon/abbild.h"
#include "lexicon/baubegleitung.h"
#include "lexicon/ereignishaken.h"
#include "lexicon/textfeld.h"
#include "lexicon/trie.h"
#include "lexicon/wortzeilen.h"
#include "text/stringliste.h"

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

class LiedIndex;

// The sorted word stock: the words as stored, in the order of their collation keys. The keys
// are not stored: made from a table, one costs less than reading it from a large mapped index
// would (a page of the index touched for the first time costs more than a hundred keys).
class WortbestandsListe {
public:
    WortbestandsListe() = default;
    explicit WortbestandsListe(TextFeld worte) : worte_(worte) {}

    std::size_t size() const { return worte_.size(); }
    std::string_view operator[](std::size_t i) const { return worte_[i]; }
    std::string Schluessel(std::size_t i) const;
    const TextFeld& Worte() const { return worte_; }
    // Index of the entry equal to text in collation (so ignoring case).
    std::optional<std::size_t> IndexVon(std::string_view text) const;

private:
    TextFeld worte_;
};

// The word stock turned into what the searches read:
//  - Wortbestand: the stock lines, sorted, duplicates ignored (of lines equal but for case the
//    first one stays, so "UND" and not "und"); entry 0 is the empty line;
//  - Kleinwortliste: entry i is entry i of Wortbestand lower-cased;
//  - VorwaertsTrie / RueckwaertsTrie: every entry forwards / reversed, lower-cased;
//  - the song-rhyme index: vowel sequence -> words with that sequence.
// All of it lives in one image (abbild.h), built in memory or mapped from an index file, and
// is only read once built; the searches keep their working lists themselves.
class Lexikon {
public:
    Lexikon();
    ~Lexikon();
    Lexikon(Lexikon&&) noexcept;
    Lexikon& operator=(Lexikon&&) noexcept;

    // Builds everything from the stock lines (Windows-1252), in their order, and ends with the
    // song-rhyme index for the vowel field text. On an exception the lexicon is unchanged.
    void LexikonAufbauen(Wortzeilen zeilen, std::string_view vokalfeld,
                         const Baubegleitung& begleitung);
    void LexikonAufbauen(const std::vector<std::string>& zeilen, std::string_view vokalfeld,
                         EreignisHaken& haken);

    // Takes over an image (of an index file) if it is whole and was built from the list of
    // that identity under this program and collation version; false leaves the lexicon as
    // it was. A song-rhyme index for another vowel field is built anew. Pruefumfang::Kopf only
    // for an image known unchanged since a full check (abbild.h).
    bool AbbildUebernehmen(std::unique_ptr<AbbildSpeicher> speicher, const ListenKennung& liste,
                           std::string_view vokalfeld, EreignisHaken& haken,
                           Pruefumfang umfang = Pruefumfang::Alles);

    // The image to save: empty unless built or taken over.
    std::string_view Abbild() const;
    // Keeps the image alive for views into it that may outlive the lexicon.
    std::shared_ptr<const AbbildSpeicher> AbbildHalter() const;
    // Throws IndexVeraendert when the index file the image is mapped from has changed since it
    // was taken over (then every read from it since may have found zeros or other bytes). A
    // search whose result is to be trusted is framed by two of these checks.
    void AbbildPruefen() const;
    // Only what needs no system call: whether a read has found the file cut short.
    void AbbildSchnellPruefen() const;

    // A further section of the image, such as the sound keys that other parts of the program
    // store with it; nullopt when the image has none of that name and version.
    std::optional<std::string_view> Zusatzabschnitt(std::string_view name,
                                                    std::uint32_t version) const;

    // The image with a further section, which replaces one of the same name: to be saved in
    // place of the image. Empty unless built or taken over.
    std::unique_ptr<EigenerSpeicher> AbbildMitAbschnitt(const AbschnittsEntwurf& abschnitt) const;

    void LexikonFreigeben();
    bool Aufgebaut() const { return bestand_ != nullptr; }

    // Replaces the song-rhyme index with one for the vowel field text.
    void LiedIndexAufbauen(std::string_view vokalfeld, EreignisHaken& haken);

    const WortbestandsListe& Wortbestand() const;
    const TextFeld& Kleinwortliste() const;
    const Trie& VorwaertsTrie() const;
    const Trie& RueckwaertsTrie() const;

    // Index of the stock word whose lower-case form is exactly klein.
    std::optional<std::int32_t> WortNrVon(std::string_view klein) const;

    // The word numbers filed under a vowel sequence (found ignoring case), ascending, which is
    // also their collation order; empty when the sequence is no key.
    std::span<const std::int32_t> LiedWorte(std::string_view vokalfolge) const;
    std::size_t LiedSchluesselAnzahl() const;

    // The collation version the images of this program are made under.
    static AbbildKennung Kennung(const ListenKennung& liste);

private:
    struct Bestand;
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
