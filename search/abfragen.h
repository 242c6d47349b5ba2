#pragma once

#include "lexicon/lexikon.h"
#include "search/apendix.h"

#include <string_view>

namespace quandel {

// The three questions the searches ask of the lexicon. Forms are compared byte by byte with
// the lower-cased trees, so callers pass lower-case forms; "Ange" finds nothing.
//
// EndungSuchen(lex, "ange", "", treffer, records) adds "lange", "Schlange", "solange" to
// treffer, each with a new record {Suchform "ange", Zusatz "", Laenge 4} kept in records.
// A word already in treffer gets the newer record.
void EndungSuchen(const Lexikon& lexikon, std::string_view form, std::string_view zusatz,
                  TrefferListe& endTreffer, ApendixListe& apendixliste);

// The same for the words that begin with the form.
void AnfangSuchen(const Lexikon& lexikon, std::string_view form, std::string_view zusatz,
                  TrefferListe& stabTreffer, ApendixListe& apendixliste);

// True when some word of the stock ends with the (non-empty) form.
bool EndungVorhanden(const Lexikon& lexikon, std::string_view form);

} // namespace quandel
