#pragma once

#include "lexicon/textfeld.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
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
// the byte order of the (reversed) lower-case texts, and the words themselves in that order.
// The words below any node then stand in one run of that order, found by halving. A lookup and
// its hits read one stretch of the texts, not pages all over the stock, which is what makes a
// lookup in a mapped index file fast.
// Lookups compare the lowered words with the raw bytes of the query and do not lower the query;
// like the insertion of the tree, the empty text and texts beginning with byte 0xFF are never
// found.
//   Suchen("ang") on a tree of "Angst" -> the run holding "Angst"; Suchen("Ang") -> empty.
class Trie {
public:
    Trie() = default;
    // Word ordnung[k] of the stock is texte[k], in any case (a Trie's texts are TexteOrdnen).
    Trie(std::span<const std::int32_t> ordnung, TextFeld texte, bool rueckwaerts)
        : ordnung_(ordnung), texte_(texte), rueckwaerts_(rueckwaerts) {}

    // The order of a tree over the lower-case texts: their numbers, sorted by the texts (or by
    // their reversals) byte by byte.
    static std::vector<std::int32_t> Ordnen(const TextFeld& klein, bool rueckwaerts);
    // The words in the tree's order, appended to ende (which starts with 0) and pool.
    static void TexteOrdnen(const TextFeld& worte, std::span<const std::int32_t> ordnung,
                            std::vector<std::uint32_t>& ende, std::string& pool);

    // The run of the words that begin with text.
    TrieBereich Suchen(std::string_view text) const;

    // The word whose (reversed) lower-case text is exactly text; unlike Suchen this also
    // answers for the empty text and texts beginning with 0xFF.
    std::optional<std::int32_t> Genau(std::string_view text) const;

    // The word numbers of a run, in tree order.
    std::span<const std::int32_t> Worte(TrieBereich bereich) const {
        return ordnung_.subspan(bereich.von, bereich.bis - bereich.von);
    }
    // The word at a place of the tree's order, as stored: word ordnung[stelle].
    std::string_view Text(std::size_t stelle) const { return texte_[stelle]; }

    std::size_t size() const { return ordnung_.size(); }
    bool Rueckwaerts() const { return rueckwaerts_; }

private:
    std::span<const std::int32_t> ordnung_;
    TextFeld texte_;
    bool rueckwaerts_ = false;
};

} // namespace quandel
