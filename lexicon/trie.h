#pragma once

#include "lexicon/textfeld.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quandel {

// The words below one node of a Trie: a contiguous run of its order. An empty run means "not
// found" (the root, which no query reports).
struct TrieBereich {
    std::size_t von = 0;
    std::size_t bis = 0;
    bool leer() const { return von == bis; }
};

// Character tree over the lower-case words of the stock, forwards (VorwaertsTrie) or reversed
// letter by letter (RueckwaertsTrie). It is kept flat: the word numbers in the order in which a
// walk over the tree meets them when the children of every node are sorted by byte, which is
// the byte order of the (reversed) lower-case texts. The words below any node then stand in one
// run of that order, found by halving; nothing else is stored, so a tree costs four bytes per
// word and can live in a mapped index file.
// Lookups compare raw bytes and do not lower; like the insertion of the tree, the empty text
// and texts beginning with byte 0xFF are never found.
//   Suchen("ang") on a tree of "angst" -> the run holding "angst"; Suchen("Ang") -> empty.
class Trie {
public:
    Trie() = default;
    Trie(std::span<const std::int32_t> ordnung, const TextFeld& klein, bool rueckwaerts)
        : ordnung_(ordnung), klein_(&klein), rueckwaerts_(rueckwaerts) {}

    // The order of a tree over the lower-case texts: their numbers, sorted by the texts (or by
    // their reversals) byte by byte.
    static std::vector<std::int32_t> Ordnen(const TextFeld& klein, bool rueckwaerts);

    // The run of the words that begin with text.
    TrieBereich Suchen(std::string_view text) const;

    // The word whose (reversed) lower-case text is exactly text; unlike Suchen this also
    // answers for the empty text and texts beginning with 0xFF.
    std::optional<std::int32_t> Genau(std::string_view text) const;

    // The word numbers of a run, in tree order.
    std::span<const std::int32_t> Worte(TrieBereich bereich) const {
        return ordnung_.subspan(bereich.von, bereich.bis - bereich.von);
    }

    std::size_t size() const { return ordnung_.size(); }
    bool Rueckwaerts() const { return rueckwaerts_; }

private:
    std::span<const std::int32_t> ordnung_;
    const TextFeld* klein_ = nullptr;
    bool rueckwaerts_ = false;
};

} // namespace quandel
