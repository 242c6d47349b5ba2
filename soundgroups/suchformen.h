#pragma once

#include "soundgroups/ersetzbaum.h"
#include "text/fehler.h"
#include "text/stringliste.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// The sound variants of a search word. The word, lowered, is cut into spellings of MergeList,
// longest first and left to right; every combination of their alternatives is a search form.
// A character that no spelling matches (the blank) is left out. With the default groups:
//   "eide"  -> äude, eide, eude
//   "biete" -> bihte, bihtte, biete, biette, bite, bitte and the same six with p
//   "ücke"  -> ücke        ""  -> nothing
// More forms than kSuchformenHoechstzahl raise ZuVieleLautvarianten, counted from the sizes
// of the groups met before any form or alternative is made.
void SuchformenBilden(std::string_view wort, const Lautersetzung& ersetzung,
                      StringListe<>& suchformen);

inline constexpr std::uint64_t kSuchformenHoechstzahl = 100000;

// The largest of the built-in groups. A word that would give too many forms even if no group
// were larger is too long; otherwise the groups are too large.
inline constexpr std::size_t kUeblicheGruppengroesse = 3;

class ZuVieleLautvarianten : public Fehler {
public:
    // anzahl: the number of forms, in decimal digits (it may exceed every integer type).
    // The word is the cause: "Zu viele Lautvarianten (...). Bitte ein kürzeres Suchwort
    // eingeben."
    explicit ZuVieleLautvarianten(const std::string& anzahl);
    // The groups are: "Die Lautgruppen aus gross.akz ergeben für »eide« zu viele
    // Schreibweisen (...)." herkunft as Lautersetzung keeps it, the word in UTF-8.
    ZuVieleLautvarianten(const std::string& anzahl, std::string_view herkunft,
                         std::string_view wort);
};

// The steps of SuchformenBilden.

// The keys found in a word, by the position of their first character (counted from 1; entry
// 0 is never used), each with its alternatives. Positions where no key begins stay empty.
struct TrefferlistenEintrag {
    std::string schluessel;
    std::vector<std::string> alternativen;
};
using Trefferliste = std::vector<TrefferlistenEintrag>;

// Cuts the word into keys; what remains are the keys found, in the order of their positions,
// each with its alternatives. Raises ZuVieleLautvarianten, before any alternative is made,
// when they give more than kSuchformenHoechstzahl forms.
Trefferliste TrefferlisteFuellen(std::string_view wort, const Lautersetzung& ersetzung);

// One pass of one key over the lowered working word: each match is entered at its position
// (without alternatives yet) and blanked, so no character belongs to two keys. Returns the
// working word.
std::string SchluesselErsetzen(std::string arbeitswort, const std::string& schluessel,
                               Trefferliste& trefferliste);

// Turns the keys of TrefferlisteFuellen into forms in suchformen.
void SuchformenAufzaehlen(const Trefferliste& trefferliste, StringListe<>& suchformen);

// One digit of the odometer that runs through the combinations.
struct Zaehler {
    std::int32_t Min = 0;
    std::int32_t Max = 0; // number of alternatives - 1
    std::int32_t Stand = 0;
};

// Advances the odometer by one step, the first digit fastest: (0,0), (1,0), (0,1), (1,1) ...
// Returns false, all digits back at Min, when it has run through.
bool Weiterzaehlen(std::vector<Zaehler>& ziffern);

} // namespace quandel
