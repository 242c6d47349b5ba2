#pragma once

#include "search/begrenzung.h"
#include "search/suchkontext.h"

namespace quandel {

// The four searches. Each splits the search text into Suchbegriffe, collects its hits, applies
// the limit words and returns the hits in the order of its hit list. Its working lists
// (Suchlisten) are its own and gone when it returns.

// Every word that ends with the search word: "eide" -> beeide, beide, Kreide, meide, neide,
// Seide, Weide. "eide kreide" (+) -> Kreide.
SuchErgebnis EndreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen);

// Every word with the vowel sequence of the search word: "Liese" (iee) -> Liese, Miene, ...
// The song-rhyme index of the lexicon must belong to the same vowel field.
SuchErgebnis LiedreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen);

// Every word that begins with the search word: "sch" -> Schlange, schlichtet, Schuppe, ...
SuchErgebnis StabreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen);

// Spoonerisms: "Reim" -> rows of four (Reim, Land, Leim, Rand): Rand Leim / Land Reim.
SuchErgebnis SchuettelreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen);

// The hit texts of a list, in its order.
std::vector<std::string> Texte(const TrefferListe& liste);

// The common end of the end, song and alliteration rhyme: the limit words of Suchbegriffe
// applied with the given test, empty entries dropped, the result made.
SuchErgebnis TrefferAbschliessen(Suchlisten& listen, TrefferListe& treffer,
                                 const SuchEinstellungen& einstellungen, Grenztest test);

} // namespace quandel
