#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace quandel {

using KnotenNr = std::int32_t;
constexpr KnotenNr kKeinKnoten = -1;

// One node of a Trie: a first-child / next-sibling record. The nodes live in the tree's pool,
// so the links are pool indices.
struct TrieKnoten {
    unsigned char Zeichen;
    std::int32_t WortNr;
    KnotenNr Kind;
    KnotenNr Nachbar;
};

// Character tree over Windows-1252 bytes. The root (node 0) is a sentinel with Zeichen 0xFF
// and WortNr -1; the nodes of all first characters hang on its Nachbar chain, in the order in
// which they were first inserted. Texts are stored lower-cased; Suchen does not lower.
//   Einfuegen("Schlange") -> node of the last "e"; Suchen("schlange") -> the same node,
//   Suchen("Schlange") -> Wurzel() (not found).
class Trie {
public:
    static constexpr std::int16_t LeerWert = -1;

    Trie();

    KnotenNr Wurzel() const { return 0; }
    const TrieKnoten& Knoten(KnotenNr nr) const { return knoten_[static_cast<std::size_t>(nr)]; }
    TrieKnoten& Knoten(KnotenNr nr) { return knoten_[static_cast<std::size_t>(nr)]; }
    std::size_t Knotenzahl() const { return knoten_.size(); }

    // Stores the lower-cased text and returns the node of its last character. The empty text
    // and a text beginning with byte 0xFF return the root and store nothing.
    KnotenNr Einfuegen(std::string_view text);

    // The node of the last character of text (compared as raw bytes), or the root.
    KnotenNr Suchen(std::string_view text) const;

    // Post-order walk: for each node first its Kind, then its Nachbar (not followed from the
    // start node unless alleNachbarn), then besuch(node). From a found node with
    // alleNachbarn = false this reaches exactly the texts that begin with the node's text.
    template <typename Besuch>
    void Durchlaufen(Besuch&& besuch, KnotenNr start, bool alleNachbarn) const;

private:
    KnotenNr neuerKnoten(unsigned char zeichen);
    KnotenNr ersterKnoten(unsigned char zeichen) const { return ersteZeichen_[zeichen]; }

    std::vector<TrieKnoten> knoten_;
    // The node of each first character on the root's chain, so that the long first level is
    // not walked for every text; the chain itself stays as it is.
    std::array<KnotenNr, 256> ersteZeichen_;
};

template <typename Besuch>
void Trie::Durchlaufen(Besuch&& besuch, KnotenNr start, bool alleNachbarn) const {
    // Explicit stack: sibling chains make the recursion as deep as their summed lengths.
    enum Schritt : unsigned char { KindAls, NachbarAls, Besuchen };
    std::vector<std::pair<KnotenNr, Schritt>> stapel;
    stapel.emplace_back(start, KindAls);
    while (!stapel.empty()) {
        auto& [nr, schritt] = stapel.back();
        const TrieKnoten& k = Knoten(nr);
        if (schritt == KindAls) {
            schritt = NachbarAls;
            if (k.Kind != kKeinKnoten)
                stapel.emplace_back(k.Kind, KindAls);
        } else if (schritt == NachbarAls) {
            schritt = Besuchen;
            if (k.Nachbar != kKeinKnoten && (nr != start || alleNachbarn))
                stapel.emplace_back(k.Nachbar, KindAls);
        } else {
            const KnotenNr besucht = nr;
            stapel.pop_back();
            besuch(Knoten(besucht), besucht);
        }
    }
}

} // namespace quandel
