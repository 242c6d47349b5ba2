#pragma once

#include "meaning/thesaurus.h"
#include "meaning/wortart.h"
#include "meaning/wortartentabelle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// What the hits of the rhyme searches (end, song, alliteration, sound) are sieved by after the
// search: their word class and their sense. A sieve without settings keeps every hit. The
// table and the thesaurus it is given must outlive it; the window makes a new one when the
// user changes the settings, the command line one for its run.
//   Treffersieb sieb;
//   sieb.WortartenSetzen(daten::EingebauteWortarten(), Wortart::Nomen);
//   sieb.SinnSetzen(thesaurus, "Witz");
//   sieb.Sieben(treffer); // "Herz": Scherz stays; Schmerz (no synonym), verscherz (a verb) go
class Treffersieb {
public:
    // Keeps only hits with at least one of the classes (Wortartentabelle::Von); no classes:
    // no sieving by class.
    void WortartenSetzen(const Wortartentabelle& tabelle, Wortarten arten);

    // Keeps only hits that share a set of the thesaurus with the word or with one of its
    // synonyms (Thesaurus::SinnkreisVon): "Witz" keeps Scherz, Humor, Geist, ... False, and the
    // sieve unchanged, when the word is in no set.
    bool SinnSetzen(const Thesaurus& thesaurus, std::string_view wort);

    bool Aktiv() const { return !arten_.Unbekannt() || thesaurus_ != nullptr; }
    bool Behalten(std::string_view wort) const;
    // Removes the hits it does not keep, the others stay in their order.
    void Sieben(std::vector<std::string>& treffer) const;

private:
    const Wortartentabelle* tabelle_ = nullptr;
    Wortarten arten_;
    const Thesaurus* thesaurus_ = nullptr;
    std::vector<std::uint32_t> sinnkreis_;
};

} // namespace quandel
