#pragma once

#include "lexicon/ereignishaken.h"
#include "lexicon/textfeld.h"
#include "phonetics/aussprachetabelle.h"
#include "phonetics/reimschluessel.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// Which rhymes a sound search asks for.
struct Klangart {
    bool unrein = false;     // near rhymes: the keys through Unrein
    bool zweisilbig = false; // the two-syllable key instead of the pure one
};

// Distinct keys, each stored once: key id -> bytes. Id 0 is the empty key. A view: the bytes
// belong to the KlangIndex that holds the table.
class Schluesseltabelle {
public:
    Schluesseltabelle() = default;
    // From stored parts: the keys' bytes one after the other and the end of each key, after a
    // leading 0. Throws Fehler when they do not fit together.
    Schluesseltabelle(std::string_view zeichen, std::span<const std::uint32_t> enden);

    std::size_t size() const { return enden_.size(); }
    std::string_view operator[](std::uint32_t id) const;
    std::string_view Zeichen() const { return zeichen_; }
    std::span<const std::uint32_t> Enden() const { return enden_; }

private:
    static constexpr std::uint32_t kNurLeer[] = {0};
    std::string_view zeichen_;
    std::span<const std::uint32_t> enden_{kNurLeer};
};

// What the index holds per word: its pure and its two-syllable key, the onset before its rhyme
// vowel (see SilbenAnlaut) and its stress pattern (see Betonungsmuster), whose length is its
// number of syllables.
enum class Klangfeld : std::size_t { Rein, Zweisilbig, Anlaut, Betonung };
inline constexpr std::size_t kKlangfelder = 4;

// One of those columns: the distinct values and, per word, the id of its value.
struct Klangspalte {
    Schluesseltabelle werte;
    std::span<const std::uint32_t> ids;
};

// The sound keys of a word list: per word (by its number in the lexicon's Wortbestand) the ids
// of its values in the four columns. About 16 bytes per word plus the distinct values.
// The arrays are views into memory that the index keeps alive through halter: its own arrays,
// the image of a saved index (so keys stored there are used where they lie), or none for the
// compiled data of the built-in stock.
class KlangIndex {
public:
    KlangIndex() = default;
    // From stored parts, in the order of Klangfeld. pruefsumme is WortlistenPruefsumme of the
    // lower-case words the keys belong to. Throws Fehler when the parts do not fit together.
    KlangIndex(const std::array<Klangspalte, kKlangfelder>& spalten, std::uint64_t pruefsumme,
               std::shared_ptr<const void> halter = nullptr);

    std::size_t Wortanzahl() const { return spalten_[0].ids.size(); }
    std::string_view Wert(std::size_t wortNr, Klangfeld feld) const;
    std::string_view Schluessel(std::size_t wortNr, bool zweisilbig) const {
        return Wert(wortNr, zweisilbig ? Klangfeld::Zweisilbig : Klangfeld::Rein);
    }

    // The numbers of the words whose key of the kind equals schluessel (a key of that kind,
    // pure or two-syllable, not yet made near), ascending. An empty key finds nothing.
    std::vector<std::int32_t> WorteMitSchluessel(std::string_view schluessel, Klangart art) const;

    // Whether the keys belong to exactly these lower-case words, in this order.
    bool PasstZu(const TextFeld& kleinworte) const;

    // Bytes held for the keys.
    std::size_t Speicherbedarf() const;

    const Klangspalte& Spalte(Klangfeld feld) const {
        return spalten_[static_cast<std::size_t>(feld)];
    }
    std::uint64_t Pruefsumme() const { return pruefsumme_; }

private:
    std::array<Klangspalte, kKlangfelder> spalten_;
    std::uint64_t pruefsumme_ = 0;
    std::shared_ptr<const void> halter_;
};

// A checksum over lower-case words and their order.
std::uint64_t WortlistenPruefsumme(const TextFeld& kleinworte);

// What computing the keys of a list reports and reads while it runs.
struct Berechnung {
    EreignisHaken* haken = nullptr;
    std::function<void(std::uint64_t erledigt, std::uint64_t gesamt)> fortschritt;
    const std::atomic<bool>* abbruch = nullptr;
};

// Computes the keys of a word list: each word pronounced (the correction table first), the
// compound rule applied with the list's own words, the rhyme vowel and its onset found, the
// keys and stress patterns interned.
// worte are the stock entries (Windows-1252) and kleinworte the same lowered, in lexicon
// order. Returns nothing when the abort flag was set.
std::optional<KlangIndex> KlangIndexBerechnen(const TextFeld& worte, const TextFeld& kleinworte,
                                              Aussprache& aussprache, Berechnung berechnung);

} // namespace quandel
