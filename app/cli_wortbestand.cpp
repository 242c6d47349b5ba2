#include "app/cli_wortbestand.h"

#include "lexicon/indexcache.h"
#include "lexicon/lexikon_eingebaut.h"

namespace quandel::cli {

LadeErgebnis LexikonLaden(const Aufruf& aufruf, std::string_view vokalfeld) {
    if (aufruf.modus == Modus::Synonym)
        return {}; // the synonyms search no word stock
    EreignisHaken haken;
    if (!aufruf.wortbestand) {
        LadeErgebnis eingebaut;
        eingebaut.lexikon = daten::EingebautesLexikon(vokalfeld, haken);
        return eingebaut;
    }
    Baubegleitung begleitung;
    begleitung.haken = &haken;
    return WortlisteLaden(*aufruf.wortbestand, aufruf.kodierung, vokalfeld, begleitung,
                          !aufruf.keinCache);
}

} // namespace quandel::cli
