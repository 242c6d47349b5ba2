#include "lexicon/trie.h"

#include "text/kleinschreibung.h"

namespace quandel {

Trie::Trie() {
    knoten_.push_back(
        {static_cast<unsigned char>(LeerWert & 0xFF), LeerWert, kKeinKnoten, kKeinKnoten});
}

KnotenNr Trie::neuerKnoten(unsigned char zeichen) {
    knoten_.push_back({zeichen, LeerWert, kKeinKnoten, kKeinKnoten});
    return static_cast<KnotenNr>(knoten_.size() - 1);
}

KnotenNr Trie::Einfuegen(std::string_view text) {
    if (text.empty() || static_cast<unsigned char>(Klein(text[0])) == Knoten(Wurzel()).Zeichen)
        return Wurzel();
    KnotenNr aktuell = Wurzel();
    for (std::size_t i = 0;; ++i) {
        const auto zeichen = static_cast<unsigned char>(Klein(text[i]));
        // Walk the sibling chain to the character, appending it at the end when missing.
        while (Knoten(aktuell).Zeichen != zeichen) {
            if (Knoten(aktuell).Nachbar == kKeinKnoten) {
                const KnotenNr neu = neuerKnoten(zeichen);
                Knoten(aktuell).Nachbar = neu;
            }
            aktuell = Knoten(aktuell).Nachbar;
        }
        if (i + 1 == text.size())
            return aktuell;
        if (Knoten(aktuell).Kind == kKeinKnoten) {
            const KnotenNr neu = neuerKnoten(static_cast<unsigned char>(Klein(text[i + 1])));
            Knoten(aktuell).Kind = neu;
        }
        aktuell = Knoten(aktuell).Kind;
    }
}

KnotenNr Trie::Suchen(std::string_view text) const {
    if (text.empty() || static_cast<unsigned char>(text[0]) == Knoten(Wurzel()).Zeichen)
        return Wurzel();
    KnotenNr aktuell = Wurzel();
    for (std::size_t i = 0;; ++i) {
        const auto zeichen = static_cast<unsigned char>(text[i]);
        while (aktuell != kKeinKnoten && Knoten(aktuell).Zeichen != zeichen)
            aktuell = Knoten(aktuell).Nachbar;
        if (aktuell == kKeinKnoten)
            return Wurzel();
        if (i + 1 == text.size())
            return aktuell;
        aktuell = Knoten(aktuell).Kind;
        if (aktuell == kKeinKnoten)
            return Wurzel();
    }
}

} // namespace quandel
