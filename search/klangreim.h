#pragma once

#include "phonetics/aussprachetabelle.h"
#include "phonetics/klangindex.h"
#include "search/suchkontext.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quandel {

// What the sound search needs besides the lexicon: the pronunciation for the typed word and the
// keys of the stock (belonging to the lexicon's Wortbestand). The owner of the search context
// owns them too.
struct Klangquelle {
    Aussprache& aussprache;
    const KlangIndex& index;
};

// Rhymes by sound ("Klang"): the stock words with the same key as the search word (pure, or
// with art.unrein the near key, with art.zweisilbig the two-syllable key), the word itself
// excluded, then the limit words as for the end rhyme. A word of the stock takes its stored
// key; any other word is pronounced on the spot, the compound rule using the stock's words.
// A search that finds kontext.AbbruchFlag set once the word is pronounced ends without hits
// as abgebrochen; the caller clears the flag before.
//   "Gehör" -> ... Friseur ...;  "Rost" -> ... but not Trost
SuchErgebnis KlangreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                             Klangquelle& quelle, Klangart art);

// The key of a search word (Windows-1252, as typed) of the kind asked for, near-rhyme form
// included: a word of the stock, written as it stands there, has its stored key; any other
// is pronounced on the spot (so the noun "Weg" is not the adverb "weg" of the stock). Two
// words rhyme by sound when their keys are equal and not empty.
std::string KlangSchluessel(const Lexikon& lexikon, Klangquelle& quelle, std::string_view wort,
                            Klangart art);

// A word's pronunciation for the reader (IPA) and its number of syllables, with the corrections
// its keys are made from.
struct Wortklang {
    std::string lautschrift;
    std::size_t silben = 0;
};

Wortklang WortklangVon(const Lexikon& lexikon, Klangquelle& quelle, std::string_view wort);

} // namespace quandel
