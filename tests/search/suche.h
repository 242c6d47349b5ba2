#pragma once

#include "search/suchen.h"
#include "tests/testlexikon.h"

#include <gtest/gtest.h>

namespace quandel::test {

using SuchFunktion = SuchErgebnis (*)(SuchKontext&, const SuchEinstellungen&);

// Runs a search on the built-in stock; the text is UTF-8 as typed.
inline SuchErgebnis suche(SuchFunktion funktion, const std::string& text,
                          BegrenzungsModus modus = BegrenzungsModus::Plus,
                          const std::string& vokalfeld = "a,e,i,o,u,ä,ö,ü",
                          bool akzentuirung = false) {
    SuchKontext kontext(EingebautesLexikon(), VorgabeLautersetzung());
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = cp(text);
    einstellungen.begrenzung = modus;
    einstellungen.vokalfeld = cp(vokalfeld);
    einstellungen.akzentuirung = akzentuirung;
    return funktion(kontext, einstellungen);
}

} // namespace quandel::test
