#include "app/cli_wortbestand.h"

#include "data/eingebaut.h"
#include "lexicon/indexcache.h"

namespace quandel::cli {

Lexikon LexikonLaden(const Aufruf& aufruf, std::string_view vokalfeld) {
    EreignisHaken haken;
    if (!aufruf.wortbestand) {
        Lexikon lexikon;
        lexikon.LexikonAufbauen(daten::Wortbestand(), vokalfeld, haken);
        return lexikon;
    }
    Baubegleitung begleitung;
    begleitung.haken = &haken;
    return WortlisteLaden(*aufruf.wortbestand, aufruf.kodierung, vokalfeld, begleitung,
                          !aufruf.keinCache)
        .lexikon;
}

} // namespace quandel::cli
