#include "lexicon/trie.h"

#include "text/kleinschreibung.h"

namespace quandel {

Trie::Trie() {
    ersteZeichen_.fill(kKeinKnoten);
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
    const auto erstes = static_cast<unsigned char>(Klein(text[0]));
    KnotenNr aktuell = ersterKnoten(erstes);
    if (aktuell == kKeinKnoten) {
        // A new first character goes to the end of the root's chain.
        KnotenNr letzter = Wurzel();
        while (Knoten(letzter).Nachbar != kKeinKnoten)
            letzter = Knoten(letzter).Nachbar;
        aktuell = neuerKnoten(erstes);
        Knoten(letzter).Nachbar = aktuell;
        ersteZeichen_[erstes] = aktuell;
    }
    for (std::size_t i = 1; i < text.size(); ++i) {
        const auto zeichen = static_cast<unsigned char>(Klein(text[i]));
        if (Knoten(aktuell).Kind == kKeinKnoten) {
            const KnotenNr neu = neuerKnoten(zeichen);
            Knoten(aktuell).Kind = neu;
            aktuell = neu;
            continue;
        }
        // Walk the sibling chain to the character, appending it at the end when missing.
        aktuell = Knoten(aktuell).Kind;
        while (Knoten(aktuell).Zeichen != zeichen) {
            if (Knoten(aktuell).Nachbar == kKeinKnoten) {
                const KnotenNr neu = neuerKnoten(zeichen);
                Knoten(aktuell).Nachbar = neu;
            }
            aktuell = Knoten(aktuell).Nachbar;
        }
    }
    return aktuell;
}

KnotenNr Trie::Suchen(std::string_view text) const {
    if (text.empty() || static_cast<unsigned char>(text[0]) == Knoten(Wurzel()).Zeichen)
        return Wurzel();
    KnotenNr aktuell = ersterKnoten(static_cast<unsigned char>(text[0]));
    for (std::size_t i = 1; i < text.size() && aktuell != kKeinKnoten; ++i) {
        const auto zeichen = static_cast<unsigned char>(text[i]);
        aktuell = Knoten(aktuell).Kind;
        while (aktuell != kKeinKnoten && Knoten(aktuell).Zeichen != zeichen)
            aktuell = Knoten(aktuell).Nachbar;
    }
    return aktuell == kKeinKnoten ? Wurzel() : aktuell;
}

} // namespace quandel
